#include "platform/ui/print/ViewPrinting.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/print/PrintInfo.h"
#include "platform/ui/print/PrintPreview.h"
#include "platform/ui/docview/View.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace platform {

bool ChoosePrinter(CPrintInfo& info)
{
    QPrinter& printer = *info.GetPrinter();
    if (info.m_bPreview)
        return true; // the preview draws on its own pages and only measures with the printer
    if (info.m_bDirect) {
        const QPrinterInfo fallback = QPrinterInfo::defaultPrinter();
        if (fallback.isNull()) {
            AfxMessageBox("No default printer is installed.", MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        printer.setPrinterName(fallback.printerName());
        info.SetPageRange(info.GetMinPage(), info.GetMaxPage());
        return true;
    }
    PrintRequest request{&printer};
    request.pageNumbers = info.GetMaxPage() != CPrintInfo::kUnknownPage;
    request.minPage = int(info.GetMinPage());
    request.maxPage = int(info.GetMaxPage());
    if (!Modal().PrintDialog(request))
        return false;
    if (!request.pageNumbers) {
        info.SetPageRange(info.GetMinPage(), CPrintInfo::kUnknownPage);
        return true;
    }
    // Only pages the view has, whatever the dialog answered.
    const int first = std::max(request.fromPage, int(info.GetMinPage()));
    const int last = std::min(request.toPage, int(info.GetMaxPage()));
    if (first > last)
        return false;
    info.SetPageRange(UINT(first), UINT(last));
    return true;
}

bool PrintOnePage(CView& view, CDC& dc, CPrintInfo& info, unsigned page,
                  const std::function<bool()>& startPage)
{
    const QPaintDevice* device = dc.GetPainter() ? dc.GetPainter()->device() : nullptr;
    info.m_nCurPage = page;
    info.m_bContinuePrinting = true;
    // Each page starts from the same device context state, whatever the last one left.
    const int saved = dc.SaveDC();
    view.OnPrepareDC(&dc, &info);
    bool printed = info.m_bContinuePrinting && (!startPage || startPage());
    if (printed) {
        info.m_rectDraw = device ? CRect(0, 0, device->width(), device->height()) : CRect();
        view.OnPrint(&dc, &info);
    }
    dc.RestoreDC(saved);
    return printed;
}

bool PrintView(CView& view, bool direct)
{
    CPrintInfo info;
    info.m_bDirect = direct;
    if (!view.OnPreparePrinting(&info))
        return false;
    QPrinter& printer = *info.GetPrinter();
    QPainter painter;
    if (!painter.begin(&printer)) {
        AfxMessageBox("The printer could not be started.", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    CDC dc(&painter);
    view.OnBeginPrinting(&dc, &info);
    int pages = 0;
    bool deviceFailed = false;
    // The painter opened the first page; later ones are started only when the view has them.
    const auto startPage = [&] {
        deviceFailed = pages > 0 && !printer.newPage();
        return !deviceFailed;
    };
    for (UINT page = info.GetFromPage(); page <= info.GetToPage(); ++page) {
        if (!PrintOnePage(view, dc, info, page, startPage))
            break;
        ++pages;
    }
    view.OnEndPrinting(&dc, &info);
    const bool ended = painter.end();
    return pages > 0 && !deviceFailed && ended && printer.printerState() != QPrinter::Error &&
           printer.printerState() != QPrinter::Aborted;
}

} // namespace platform

#include "platform/ui/print/ViewPrinting.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/print/PrintInfo.h"
#include "platform/ui/print/PrintOutput.h"
#include "platform/ui/print/PrintPreview.h"
#include "platform/ui/print/PrinterSetup.h"
#include "platform/ui/docview/View.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace platform {
namespace {

// Prints the pages from `first` up to `last`, each `times` over, until the view has no more or
// the device fails; answers the last page printed whole.
UINT PrintPages(const std::function<bool(UINT)>& printPage, UINT first, UINT last, int times)
{
    for (UINT page = first; page <= last; ++page)
        for (int time = 0; time < times; ++time)
            if (!printPage(page))
                return page - 1;
    return last;
}

} // namespace

bool ChoosePrinter(CPrintInfo& info)
{
    QPrinter& printer = *info.GetPrinter();
    // The preview draws on its own pages, of the paper the prints would take.
    if (info.m_bPreview) {
        ApplyPrinterSetup(printer);
        return true;
    }
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
    PrintOutput output(*info.GetPrinter());
    QPainter painter;
    if (!output.Begin(painter)) {
        AfxMessageBox(output.FailureMessage(), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    CDC dc(&painter);
    view.OnBeginPrinting(&dc, &info);
    int pages = 0;
    // The output opened the first page; later ones are started only when the view has them.
    const auto startPage = [&] { return pages == 0 || output.NewPage(); };
    const auto printPage = [&](UINT page) {
        const bool printed = PrintOnePage(view, dc, info, page, startPage);
        pages += printed ? 1 : 0;
        return printed;
    };
    const bool collate = output.Collate();
    const int copies = output.Copies();
    UINT last = info.GetToPage();
    for (int copy = 0; copy < (collate ? copies : 1) && last >= info.GetFromPage(); ++copy)
        last = PrintPages(printPage, info.GetFromPage(), last, collate ? 1 : copies);
    view.OnEndPrinting(&dc, &info);
    if (!output.End(painter)) {
        AfxMessageBox(output.FailureMessage(), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return pages > 0;
}

} // namespace platform

// Printing the bid (and previewing it) and printing the quote, from the report builder's pages.
#include "app/tree/BidTreeView.h"

#include "app/doc/BidDoc.h"
#include "app/doc/CheckZod.h"
#include "app/startup/BidApp.h"
#include "model/records/Prop.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/print/PrintInfo.h"
#include "platform/ui/print/PrintSinks.h"

#include <QPainter>
#include <QPrinter>

namespace {

// Builds the report; a template that cannot be run is reported and nothing is printed.
bool BuildReport(CProp& prop, int kind, CReportPages& pages)
{
    CReportRequest request;
    request.m_iKind = kind;
    if (const CBidApp* app = GetBidApp())
        request.m_strSigner = app->m_strSigner;
    if (const std::optional<CTemplateError> error = BuildReportPages(prop, request, pages)) {
        AfxMessageBox("The report cannot be printed: " + error->GetMessage() + " (template \"" +
                          error->GetTemplateName() + "\", line " + std::to_string(error->GetLine()) + ")",
                      MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

void SaveWhenWanted(CBidDoc* doc)
{
    const CBidApp* app = GetBidApp();
    if (doc && app && app->m_bPrintSave)
        doc->DoFileSave();
}

} // namespace

bool CBidTreeView::BeforePrintingBid()
{
    CProp* prop = GetProp();
    if (!prop)
        return false;
    SaveWhenWanted(GetBidDoc());
    const CBidApp* app = GetBidApp();
    if (app && app->m_bPrintCheck)
        ShowCheckZodErrors(*prop);
    return true;
}

void CBidTreeView::OnPrintBid()
{
    if (BeforePrintingBid())
        CView::OnFilePrint();
}

void CBidTreeView::OnPrintBidDirect()
{
    if (BeforePrintingBid())
        CView::OnFilePrintDirect();
}

bool CBidTreeView::OnPreparePrinting(CPrintInfo* info)
{
    CProp* prop = GetProp();
    if (!prop || !BuildReport(*prop, REPORT_PROPOSAL, m_printPages))
        return false;
    info->SetMaxPage(UINT(std::max(1, m_printPages.PageCount())));
    if (!DoPreparePrinting(info))
        return false;
    platform::KeepTextPagesUpright(*info->GetPrinter());
    return true;
}

void CBidTreeView::OnPrint(CDC* dc, CPrintInfo* info)
{
    QPainter* painter = dc->GetPainter();
    if (!painter)
        return;
    const std::span<const std::string> page = m_printPages.Page(int(info->m_nCurPage));
    platform::DrawTextPage(*painter, std::vector<std::string>(page.begin(), page.end()),
                           dc->GetDeviceCaps(LOGPIXELSY));
}

void CBidTreeView::OnEndPrinting(CDC*, CPrintInfo*)
{
    m_printPages.Clear();
}

void CBidTreeView::OnPrintQuote()
{
    CProp* prop = GetProp();
    if (!prop)
        return;
    SaveWhenWanted(GetBidDoc());
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    platform::PrintRequest request{printer.get()};
    if (!platform::Modal().PrintDialog(request))
        return;
    platform::KeepTextPagesUpright(*printer);
    CReportPages pages;
    if (!BuildReport(*prop, REPORT_QUOTE, pages) || pages.PageCount() == 0)
        return;
    platform::PrinterPageSink sink(std::move(printer));
    if (!SendReportPages(pages, sink))
        AfxMessageBox("The quote could not be printed.\n" + sink.FailureMessage(), MB_ICONEXCLAMATION);
}

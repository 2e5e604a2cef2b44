#include "app/dialogs/ListPrinting.h"

#include "model/records/Prop.h"
#include "model/reports/LinePrinter.h"
#include "model/text/Dates.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/print/PrintSinks.h"

#include <QPrinter>

void PrintProposalHeading(const CProp* proposal)
{
    if (!proposal)
        return;
    const CBidderInfo* bidder = proposal->m_pBidder.get();
    PrintTextFormat("   Bidder ID: %s - %s\n", bidder ? bidder->Get(BIDDER_ID).c_str() : "",
                    bidder ? bidder->Get(BIDDER_NAME).c_str() : "");
    PrintTextFormat(" Contract ID: %s\n", proposal->m_strContractId.c_str());
    PrintTextFormat("  Letting ID: %s\n", proposal->m_strLettingId.c_str());
    PrintTextFormat("Letting Date: %s\n", FormatDate(proposal->m_iLettingDate, 0).c_str());
    PrintTextFormat("  Call Order: %s\n", proposal->m_strCallOrder.c_str());
}

bool PrintOnChosenPrinter(const std::function<void()>& print)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    platform::PrintRequest request{printer.get()};
    if (!platform::Modal().PrintDialog(request))
        return false;
    platform::KeepTextPagesUpright(*printer);
    platform::PrinterPageSink sink(std::move(printer));
    CTextPrinterTarget target;
    target.m_pSink = &sink;
    OpenTextPrinter(TP_GDI, target);
    print();
    CloseTextPrinter(true);
    if (sink.Whole())
        return true;
    AfxMessageBox(sink.FailureMessage(), MB_OK | MB_ICONEXCLAMATION);
    return false;
}

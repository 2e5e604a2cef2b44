#include "app/dialogs/BidErrors.h"

#include "app/dialogs/ListPrinting.h"
#include "model/records/Prop.h"
#include "model/reports/LinePrinter.h"
#include "platform/ui/controls/ListBox.h"

// A double click on a line is not handled: it does nothing.
BEGIN_MESSAGE_MAP(CBidErrors, CDialog)
    ON_BN_CLICKED(IDC_PRINT_ERRORS, OnPrintErrors)
END_MESSAGE_MAP()

CBidErrors::CBidErrors(const std::vector<CBidError>& errors, const CProp* proposal, CWnd* parent)
    : CDialog(IDD, parent), m_pProp(proposal)
{
    for (const CBidError& error : errors)
        m_errors.push_back(&error);
}

bool CBidErrors::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* list = dynamic_cast<CListBox*>(GetDlgItem(IDC_LIST));
    for (std::size_t i = 0; list && i < m_errors.size(); ++i) {
        const int line = list->AddString(m_errors[i]->m_strText);
        list->SetItemData(line, i);
    }
    return true;
}

void CBidErrors::PrintErrors()
{
    const CBidderInfo* bidder = m_pProp ? m_pProp->m_pBidder.get() : nullptr;
    PrintTextBlock("\n");
    PrintTextFormat("      Agency: %s\n", bidder ? bidder->Get(BIDDER_AGENCY_CODE).c_str() : "");
    PrintProposalHeading(m_pProp);
    PrintTextBlock("\n\n\n");
    for (const CBidError* error : m_errors)
        PrintTextFormat("%s\n", error->m_strText.c_str());
}

void CBidErrors::OnPrintErrors()
{
    PrintOnChosenPrinter([this] { PrintErrors(); });
}

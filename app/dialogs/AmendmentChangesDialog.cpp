#include "app/dialogs/AmendmentChangesDialog.h"

#include "app/dialogs/ListPrinting.h"
#include "model/amend/ChangeLog.h"
#include "model/records/Prop.h"
#include "model/reports/LinePrinter.h"
#include "platform/ui/controls/ListBox.h"

namespace {

struct LogSection {
    int category;
    const char* heading;
};

// In the order they are listed; addendum notes first.
constexpr LogSection kSections[] = {
    {LOG_ADDENDUM_NOTES, "Addendum Notes"},
    {LOG_PROPOSAL_DATA, "The following Proposal Data Has Changed:"},
    {LOG_ITEMS_DELETED, "The following Items have been deleted:"},
    {LOG_ITEMS_ADDED, "The following Items have been added:"},
    {LOG_ITEMS_CHANGED, "The following Items were changed:"},
    // Entered by the bidder: to be entered again where it still applies.
    {LOG_ENTRIES_REMOVED, "The following entries of the bid were removed:"},
};

// Adds the section's lines; the number of its entries.
int AddSection(CListBox& list, const CLog* log, const LogSection& section)
{
    int entries = 0;
    for (int i = 0; log && i < log->GetCount(); ++i) {
        const CLogElement* entry = log->GetAt(i);
        if (entry->m_iCategory != section.category)
            continue;
        if (entries++ == 0) {
            list.AddString(" ");
            list.AddString(section.heading);
            list.AddString(std::string(64, '-'));
        }
        list.AddString(entry->m_strText);
    }
    return entries;
}

} // namespace

BEGIN_MESSAGE_MAP(CAmendmentChangesDialog, CDialog)
    ON_BN_CLICKED(IDC_PRINT, OnPrint)
END_MESSAGE_MAP()

CAmendmentChangesDialog::CAmendmentChangesDialog(const CProp* proposal, CWnd* parent)
    : CDialog(IDD, parent), m_pProp(proposal)
{
}

bool CAmendmentChangesDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pList = dynamic_cast<CListBox*>(GetDlgItem(IDC_LIST));
    if (!m_pList)
        return true;
    const CLog* log = GetAmendmentLog();
    int changes = 0;
    for (const LogSection& section : kSections) {
        const int entries = AddSection(*m_pList, log, section);
        if (section.category != LOG_ADDENDUM_NOTES)
            changes += entries;
    }
    if (changes == 0) {
        m_pList->AddString(" ");
        m_pList->AddString(" No specific Changes were detected.");
    }
    return true;
}

void CAmendmentChangesDialog::PrintChanges()
{
    PrintTextBlock("\n");
    PrintProposalHeading(m_pProp);
    PrintTextFormat("  Amendments: %d\n", m_pProp ? m_pProp->m_iAmendmentCount : 0);
    PrintTextBlock("\n\n\n");
    for (int i = 0; m_pList && i < m_pList->GetCount(); ++i) {
        PrintTextBlock(m_pList->GetText(i));
        PrintTextBlock("\n");
    }
}

void CAmendmentChangesDialog::OnPrint()
{
    PrintOnChosenPrinter([this] { PrintChanges(); });
}

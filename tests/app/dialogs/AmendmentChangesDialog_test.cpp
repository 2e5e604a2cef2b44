// The change report after amendments: the log's entries by category under their headings, and
// its print-out on the printer the user picks.
#include "app/dialogs/AmendmentChangesDialog.h"
#include "model/amend/ChangeLog.h"
#include "model/text/Dates.h"
#include "tests/app/dialogs/DialogTestSupport.h"
#include "tests/support/PdfPages.h"


namespace {

using namespace dialogtest;

const std::string kRule(64, '-');

struct LogCase {
    const char* name;
    bool withLog;
    std::vector<std::pair<int, std::string>> entries;
    std::vector<std::string> expected;
};

const LogCase kLogCases[] = {
    {"EveryCategoryUnderItsHeadingInLogOrder", true,
     {{LOG_ITEMS_CHANGED, "0010 quantity 120 -> 140"}, {LOG_PROPOSAL_DATA, "Letting Date"},
      {LOG_ADDENDUM_NOTES, "Addendum 2: bid opening moved"}, {LOG_ITEMS_DELETED, "0020 Rip Rap"},
      {LOG_ITEMS_CHANGED, "0030 unit SY -> SF"}, {LOG_ITEMS_ADDED, "0045 Guard Rail"}},
     {" ", "Addendum Notes", kRule, "Addendum 2: bid opening moved",
      " ", "The following Proposal Data Has Changed:", kRule, "Letting Date",
      " ", "The following Items have been deleted:", kRule, "0020 Rip Rap",
      " ", "The following Items have been added:", kRule, "0045 Guard Rail",
      " ", "The following Items were changed:", kRule, "0010 quantity 120 -> 140", "0030 unit SY -> SF"}},
    {"WhatTheBidderLostComesLast", true,
     {{LOG_ENTRIES_REMOVED, "0010  201-00100  Clearing: unit price 1,250.00"}, {LOG_ITEMS_CHANGED, "0010  201-00100  Clearing"},
      {LOG_ENTRIES_REMOVED, "DBE Information: firm D0012 BLUESTEM TRUCKING LLC, with 3 committed items"},
      {LOG_PROPOSAL_DATA, "Changed DBE Information"}},
     {" ", "The following Proposal Data Has Changed:", kRule, "Changed DBE Information",
      " ", "The following Items were changed:", kRule, "0010  201-00100  Clearing",
      " ", "The following entries of the bid were removed:", kRule, "0010  201-00100  Clearing: unit price 1,250.00",
      "DBE Information: firm D0012 BLUESTEM TRUCKING LLC, with 3 committed items"}},
    {"AddendumNotesAloneAreNoChanges", true,
     {{LOG_ADDENDUM_NOTES, "Read the new note"}},
     {" ", "Addendum Notes", kRule, "Read the new note", " ", " No specific Changes were detected."}},
    {"AnEmptyLog", true, {}, {" ", " No specific Changes were detected."}},
    {"NoLogAtAll", false, {}, {" ", " No specific Changes were detected."}},
};

class AmendmentChangesLines : public DialogTest, public ::testing::WithParamInterface<LogCase> {
protected:
    ~AmendmentChangesLines() override { DestroyAmendmentLog(); }
};

class AmendmentChanges : public DialogTest {
protected:
    AmendmentChanges()
    {
        CreateAmendmentLog();
        LogAmendmentChange("0010 quantity 120 -> 140", LOG_ITEMS_CHANGED);
    }
    ~AmendmentChanges() override { DestroyAmendmentLog(); }

    std::unique_ptr<CProp> m_prop = HeadedProposal();
    CAmendmentChangesDialog m_dialog{m_prop.get()};
};

} // namespace

TEST_P(AmendmentChangesLines, ListTheLogBySection)
{
    const LogCase& logCase = GetParam();
    if (logCase.withLog)
        CreateAmendmentLog();
    for (const auto& [category, text] : logCase.entries)
        LogAmendmentChange(text, category);
    CAmendmentChangesDialog dialog(nullptr);
    std::vector<std::string> lines;
    Run(dialog, [&] { lines = Lines(dialog.GetDlgItem(CAmendmentChangesDialog::IDC_LIST)); });
    EXPECT_EQ(lines, logCase.expected);
}

INSTANTIATE_TEST_SUITE_P(Logs, AmendmentChangesLines, ::testing::ValuesIn(kLogCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AmendmentChanges, ThePrintOutHasTheBidsHeadingAndThenTheList)
{
    std::string printed;
    Run(m_dialog, [&] { printed = PrintedText([&] { m_dialog.PrintChanges(); }); });
    EXPECT_EQ(printed, "\n"
                         "   Bidder ID: V0042917 - Ace Paving & Grading, Inc.\n"
                         " Contract ID: C-1042\n"
                         "  Letting ID: L2024-05\n"
                         "Letting Date: " + FormatDate(m_prop->m_iLettingDate, 0) + "\n"
                         "  Call Order: 017\n"
                         "  Amendments: 2\n"
                         "\n\n\n\n"
                         "The following Items were changed:\n" + kRule + "\n"
                         "0010 quantity 120 -> 140\f");
}

TEST_F(AmendmentChanges, PrintGoesToThePrinterChosenAndACancelledChoicePrintsNothing)
{
    const std::string pdf = m_folder / "changes.pdf";
    const int result = Run(m_dialog, [&] {
        m_script.AnswerCancel();
        Click(m_dialog.GetDlgItem(CAmendmentChangesDialog::IDC_PRINT));
        EXPECT_EQ(PdfPageCount(pdf), -1);
        m_script.AnswerPrint(pdf);
        Click(m_dialog.GetDlgItem(CAmendmentChangesDialog::IDC_PRINT));
        EXPECT_FALSE(m_dialog.HasEnded());
        Click(m_dialog.GetDlgItem(IDOK));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_script.PrintDialogsShown(), 2);
    EXPECT_EQ(PdfPageCount(pdf), 1);
    EXPECT_TRUE(m_script.AllAnswered());
}

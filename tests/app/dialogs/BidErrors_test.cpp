// The Check Zod error list: one line a message, a double click that does nothing, and the
// print-out with the agency and the bid's heading.
#include "app/dialogs/BidErrors.h"
#include "model/text/Dates.h"
#include "tests/app/dialogs/DialogTestSupport.h"


namespace {

using namespace dialogtest;

class BidErrorsDialog : public DialogTest {
protected:
    std::vector<CBidError> m_errors{
        {BID_ERROR, AREA_ITEM, "Item Error : Line 0010 has no unit price"},
        {BID_WARNING, AREA_DBE, "DBE Warning : the goal of 12.00% is not met"},
    };
    std::unique_ptr<CProp> m_prop = HeadedProposal();
    CBidErrors m_dialog{m_errors, m_prop.get()};
};

} // namespace

TEST_F(BidErrorsDialog, ListsTheMessagesAndADoubleClickDoesNothing)
{
    std::vector<std::string> lines;
    const int result = Run(m_dialog, [&] {
        CWnd* list = m_dialog.GetDlgItem(CBidErrors::IDC_LIST);
        lines = Lines(list);
        ClickLine(list, 1, true);
        QApplication::processEvents();
        EXPECT_FALSE(m_dialog.HasEnded());
        Click(m_dialog.GetDlgItem(IDOK));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(lines, (std::vector<std::string>{m_errors[0].m_strText, m_errors[1].m_strText}));
    EXPECT_TRUE(m_script.MessageBoxes().empty());
    EXPECT_EQ(m_script.DialogTitles().size(), 1u);
    EXPECT_EQ(m_script.PrintDialogsShown(), 0);
}

TEST_F(BidErrorsDialog, ThePrintOutNamesTheAgencyAndTheBid)
{
    std::string printed;
    Run(m_dialog, [&] { printed = PrintedText([&] { m_dialog.PrintErrors(); }); });
    EXPECT_EQ(printed, "\n"
                         "      Agency: TXDOT\n"
                         "   Bidder ID: V0042917 - Ace Paving & Grading, Inc.\n"
                         " Contract ID: C-1042\n"
                         "  Letting ID: L2024-05\n"
                         "Letting Date: " + FormatDate(m_prop->m_iLettingDate, 0) + "\n"
                         "  Call Order: 017\n"
                         "\n\n\n"
                         "Item Error : Line 0010 has no unit price\n"
                         "DBE Warning : the goal of 12.00% is not met\f");
}

TEST_F(BidErrorsDialog, AProposalWithoutABidderRecordPrintsEmptyNames)
{
    m_prop->m_pBidder.reset();
    std::string printed;
    Run(m_dialog, [&] { printed = PrintedText([&] { m_dialog.PrintErrors(); }); });
    EXPECT_NE(printed.find("      Agency:\n   Bidder ID:  -\n"), std::string::npos);
}

TEST_F(BidErrorsDialog, APrinterThatCannotStartIsToldOf)
{
    const std::string pdf = m_folder / "no such folder/errors.pdf";
    Run(m_dialog, [&] {
        m_script.AnswerPrint(pdf);
        Click(m_dialog.GetDlgItem(CBidErrors::IDC_PRINT_ERRORS));
    });
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].text, "The PDF file was not written.\nCannot create a temporary file for " +
                                                   pdf + ": No such file or directory");
    EXPECT_EQ(m_script.MessageBoxes()[0].type, unsigned(MB_OK | MB_ICONEXCLAMATION));
}

// Commands chosen from the real menu bar by keys. A command may destroy the main window or
// rebuild the very menu that chose it; it runs once the menu has closed, so nothing is left
// writing into a freed menu (the sanitizer build, on a real X server, checks).
#include "app/tree/FirmForms.h"
#include "tests/app/MenuKeys.h"
#include "tests/app/commands/CommandTestSupport.h"

namespace {

class MenuKeysTest : public CommandTest {
protected:
    std::optional<std::string> FirstRecentFile() const { return Stored("Recent File List", "File1"); }
    int DbeFirms() const { return ActiveFirmForm(*Prop(), 1)->m_rows.GetSize(); }
};

} // namespace

TEST_F(MenuKeysTest, FileExitEndsTheProgramAndTheRecentFilesAreKept)
{
    StartOnSample();
    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_F, Qt::Key_X));
    // Not inside the menu's own key handler: the window and its menu bar are still there.
    ASSERT_NE(m_app->m_pMainWnd, nullptr);
    Settle();
    EXPECT_EQ(m_app->m_pMainWnd, nullptr);
    EXPECT_EQ(EndProgram(), 0);
    EXPECT_EQ(FirstRecentFile(), InLetting("sample.tvb"));
}

TEST_F(MenuKeysTest, ClosingTheWindowAfterACommandByKeysEndsTheSameWay)
{
    StartOnSample();
    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_V, Qt::Key_G)); // item grid on
    Settle();
    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_V, Qt::Key_G)); // and off
    Settle();
    Frame().GetWidget()->close();
    Settle();
    EXPECT_EQ(m_app->m_pMainWnd, nullptr);
    EXPECT_EQ(EndProgram(), 0);
    EXPECT_EQ(FirstRecentFile(), InLetting("sample.tvb"));
}

// Opening rewrites the Edit menu after the proposal's firm forms and the File menu's recent
// files: the menu that chose the command is rebuilt by it.
TEST_F(MenuKeysTest, OpeningRebuildsTheMenusAndTheRebuiltMenusStillChoose)
{
    StartEmpty();
    m_script.AnswerFile(InLetting("sample.tvb"));
    AnswerAmendmentReport();
    AnswerBidderId();
    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_F, Qt::Key_O));
    Settle();
    ASSERT_NE(Prop(), nullptr) << Unanswered();
    const int firms = DbeFirms();

    // Edit > Add (the DBE form's firm entry, renamed after the form) from the rebuilt menu.
    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_E, Qt::Key_A));
    Settle();
    EXPECT_EQ(DbeFirms(), firms + 1) << Unanswered();

    // File > 1: the recent file the opening put there opens the proposal again.
    m_script.AnswerMessageBox(IDNO); // the added firm is not saved
    AnswerAmendmentReport();
    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_F, Qt::Key_1));
    Settle();
    ASSERT_NE(Prop(), nullptr);
    EXPECT_EQ(DbeFirms(), firms);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();

    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_F, Qt::Key_X));
    Settle();
    EXPECT_EQ(EndProgram(), 0);
    EXPECT_EQ(FirstRecentFile(), InLetting("sample.tvb"));
}

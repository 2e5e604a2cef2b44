// Find and Replace over the grid, through the real dialog: searches that wrap, replacements,
// and the message when nothing is found.
#include <gtest/gtest.h>

#include "platform/ui/dialogs/FindReplaceDialog.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"
#include "tests/controls/grid/GridWindow.h"

namespace {

class GridFind : public ::testing::Test {
protected:
    GridFind()
    {
        const char* texts[] = {"Excavation", "Gravel base", "Asphalt", "Curb", "gravel"};
        for (int row = 0; row < 5; ++row) {
            window.grid.QuickSetText(0, row, texts[row]);
            window.grid.QuickSetText(1, row, "1.00");
        }
    }
    void Press(UINT id) { QTest::mouseClick(Dialog()->GetDlgItem(id)->GetWidget(), Qt::LeftButton); }
    CFindReplaceDialog* Dialog() { return window.grid.GetFindDialog(); }
    void Search(const char* text)
    {
        Dialog()->GetDlgItem(IDC_FIND_WHAT)->SetWindowText(text);
        Press(IDOK);
    }

    GridWindow<CGridCtrl> window{2, 5};
    platform::ScriptedModalServices script;
    platform::ScopedModalServices installed{script};
};

}  // namespace

TEST_F(GridFind, FindNextGoesDownTheColumnAndWrapsToTheTop)
{
    ASSERT_EQ(window.grid.OpenFindDialog(0, 0), 0);
    EXPECT_EQ(window.grid.OpenFindDialog(0, 0), 1);
    EXPECT_TRUE(window.grid.IsFindDialogOpen());
    Search("gravel");
    EXPECT_EQ(window.grid.GetCurrentRow(), 1);
    Press(IDOK);
    EXPECT_EQ(window.grid.GetCurrentRow(), 4);
    Press(IDOK);
    EXPECT_EQ(window.grid.GetCurrentRow(), 1);  // wrapped
    // With match case on, only the exact text answers.
    Press(IDC_MATCH_CASE);
    Press(IDOK);
    EXPECT_EQ(window.grid.GetCurrentRow(), 4);
    EXPECT_TRUE(script.MessageBoxes().empty());
    Press(IDCANCEL);
    EXPECT_FALSE(window.grid.IsFindDialogOpen());
}

TEST_F(GridFind, SearchingUpwardsWrapsToTheBottomAndNothingFoundIsSaid)
{
    window.grid.OpenFindDialog(0, 0);
    Press(IDC_SEARCH_UP);
    Search("a");
    EXPECT_EQ(window.grid.GetCurrentRow(), 4);  // up from row 0 wraps to the last row
    script.AnswerMessageBox(IDOK);
    Search("Bridge deck");
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_EQ(script.MessageBoxes()[0].text, "Item not found");
    EXPECT_EQ(script.MessageBoxes()[0].caption, "Not Found");
    EXPECT_EQ(window.grid.GetCurrentRow(), 4);
    Press(IDCANCEL);
}

TEST_F(GridFind, ReplaceAllChangesEveryMatchOfEveryColumnOnce)
{
    ASSERT_EQ(window.grid.OpenFindDialog(1, 1), 0);
    Dialog()->GetDlgItem(IDC_REPLACE_WITH)->SetWindowText("2.00");
    Press(IDC_WHOLE_WORD);
    script.AnswerMessageBox(IDOK);
    Dialog()->GetDlgItem(IDC_FIND_WHAT)->SetWindowText("1.00");
    Press(IDC_REPLACE_ALL);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(window.Text(1, row), "2.00") << row;
    EXPECT_EQ(window.Text(0, 0), "Excavation");
    // A case-blind replacement by the same word in other letters stops after one round.
    Dialog()->GetDlgItem(IDC_FIND_WHAT)->SetWindowText("gravel");
    Dialog()->GetDlgItem(IDC_REPLACE_WITH)->SetWindowText("GRAVEL");
    script.AnswerMessageBox(IDOK);
    Press(IDC_REPLACE_ALL);
    EXPECT_EQ(window.Text(0, 4), "GRAVEL");
    Press(IDCANCEL);
}

// Copy and paste of cells as tab-separated text through the real clipboard.
#include <gtest/gtest.h>

#include "platform/ui/window/Shell.h"
#include "tests/controls/grid/GridWindow.h"

namespace {

// Refuses to store the text "bad", as an application's check would.
class CheckingGrid : public CGridCtrl {
public:
    int OnEditEnd(int, int, CWnd*, const std::string& text, int) override { return text != "bad"; }
};

}  // namespace

TEST(GridClipboard, ACopiedBlockIsPastedElsewhereAndEditsRulesStillHold)
{
    GridWindow<CheckingGrid> window(4, 6);
    REQUIRE_FOCUS(window);
    CGridCtrl& grid = window.grid;
    grid.SetMultiSelectMode(1);
    grid.QuickSetText(0, 0, "0110-01");
    grid.QuickSetText(1, 0, "12.50");
    grid.QuickSetText(0, 1, "0210-02");
    grid.SelectRange(0, 0, 1, 1);
    window.Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(platform::GetClipboardText().value_or(""), "0110-01\t12.50\r\n0210-02\t\r\n");

    CGridCell locked;
    locked.SetReadOnly(1);
    locked.SetText("kept");
    grid.SetCell(3, 4, &locked);
    ASSERT_EQ(grid.GotoCell(2, 3), 0);
    window.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window.Text(2, 3), "0110-01");
    EXPECT_EQ(window.Text(3, 3), "12.50");
    EXPECT_EQ(window.Text(2, 4), "0210-02");
    EXPECT_EQ(window.Text(3, 4), "kept");  // read-only

    platform::SetClipboardText("bad\tok\tbeyond\r\n1\r\n2\r\n3\r\n");
    grid.GotoCell(2, 4);
    EXPECT_EQ(grid.PasteFromClipboard(), 0);
    EXPECT_EQ(window.Text(2, 4), "0210-02");  // refused by the hook
    EXPECT_EQ(window.Text(2, 5), "1");        // the sheet ends at row 5
    platform::SetClipboardText("");
    EXPECT_EQ(grid.PasteFromClipboard(), 1);
}

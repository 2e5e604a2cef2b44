// Rows inserted or deleted while a cell is being edited: the edit stays with its row's data,
// or ends with its row, so Enter never stores the typed text into a row that took its place.
#include <gtest/gtest.h>

#include "tests/controls/grid/GridWindow.h"

namespace {

// Six rows "r0" to "r5" in column 0 of the grid's own memory source.
class GridEditRows : public ::testing::Test {
protected:
    GridEditRows()
    {
        for (int row = 0; row < 6; ++row)
            window.grid.QuickSetText(0, row, ("r" + std::to_string(row)).c_str());
    }
    // Opens an edit on the row with a typed text.
    void EditRow(int row)
    {
        ASSERT_EQ(window.grid.GotoCell(0, row), 0);
        window.Type("x");
        QApplication::processEvents();
        ASSERT_TRUE(window.grid.IsEditing());
    }
    void Enter()
    {
        window.Key(Qt::Key_Return);
        QApplication::processEvents();
    }
    std::vector<std::string> Column()
    {
        std::vector<std::string> texts;
        for (int row = 0; row < window.grid.GetRowCount(); ++row)
            texts.push_back(window.Text(0, row));
        return texts;
    }
    // The editor lies over the cell.
    bool EditorIsOver(int row)
    {
        int column = 0;
        CRect cell;
        window.grid.GetCellRect(&column, &row, &cell);
        CRect editor;
        window.grid.GetActiveEditor()->GetWindowRect(&editor);
        window.grid.GetCellArea()->ScreenToClient(&editor);
        return editor.TopLeft() == cell.TopLeft();
    }

    GridWindow<TypingGrid> window{2, 6};
};

}  // namespace

TEST_F(GridEditRows, DeletingTheEditedRowEndsItsEditAndEnterStoresNothing)
{
    REQUIRE_FOCUS(window);
    EditRow(3);
    ASSERT_EQ(window.grid.DeleteRow(3), 0);
    QApplication::processEvents();
    EXPECT_FALSE(window.grid.IsEditing());
    EXPECT_FALSE(window.grid.GetDefaultEditor()->IsWindowVisible());
    EXPECT_EQ(CWnd::GetFocus(), window.grid.GetCellArea());
    Enter();
    EXPECT_EQ(Column(), (std::vector<std::string>{"r0", "r1", "r2", "r4", "r5"}));
}

TEST_F(GridEditRows, DeletingARowAboveMovesTheEditUpWithItsRow)
{
    REQUIRE_FOCUS(window);
    EditRow(3);
    ASSERT_EQ(window.grid.DeleteRow(1), 0);
    QApplication::processEvents();
    ASSERT_TRUE(window.grid.IsEditing());
    EXPECT_EQ(window.grid.GetEditRow(), 2);
    EXPECT_EQ(window.grid.GetCurrentRow(), 2);
    EXPECT_TRUE(EditorIsOver(2));
    Enter();
    EXPECT_EQ(Column(), (std::vector<std::string>{"r0", "r2", "x", "r4", "r5"}));
    EXPECT_EQ(window.grid.GetEditRow(), 3);  // editing goes on in the row below, r4
}

TEST_F(GridEditRows, InsertingARowAboveMovesTheEditDownAndOneBelowLeavesItAlone)
{
    REQUIRE_FOCUS(window);
    EditRow(2);
    ASSERT_EQ(window.grid.InsertRow(4), 0);
    QApplication::processEvents();
    EXPECT_EQ(window.grid.GetEditRow(), 2);
    ASSERT_EQ(window.grid.InsertRow(0), 0);
    QApplication::processEvents();
    EXPECT_EQ(window.grid.GetEditRow(), 3);
    EXPECT_TRUE(EditorIsOver(3));
    Enter();
    EXPECT_EQ(Column(), (std::vector<std::string>{"", "r0", "r1", "x", "r3", "", "r4", "r5"}));
}

TEST_F(GridEditRows, DeletingARowBelowLeavesTheEditWhereItIs)
{
    REQUIRE_FOCUS(window);
    EditRow(1);
    ASSERT_EQ(window.grid.DeleteRow(4), 0);
    QApplication::processEvents();
    EXPECT_EQ(window.grid.GetEditRow(), 1);
    Enter();
    EXPECT_EQ(Column(), (std::vector<std::string>{"r0", "x", "r2", "r3", "r5"}));
}

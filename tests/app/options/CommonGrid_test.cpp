// The grid of the option pages as the bidder handles it with the mouse: a row heading picks the
// row, a double click edits, Escape drops the edit but not the sheet, and no border can be dragged.
#include "tests/app/options/OptionsTestSupport.h"

#include "controls/grid/GridSideHdg.h"
#include "controls/grid/GridTopHdg.h"
#include "tests/support/PointerMoves.h"

namespace {

using namespace optionstest;

class CommonGrid : public OptionsTest {
protected:
    COptionsCommonGrid& Grid() { return sheet.m_unitsPage.GetGrid(); }
};

} // namespace

TEST_F(CommonGrid, ARowHeadingClickMakesThatRowCurrentInTheCurrentColumn)
{
    RunOn(2, [&] {
        ClickCell(Grid(), 2, 1);
        QWidget* side = Grid().GetSideHeading()->GetWidget();
        QTest::mouseClick(side, Qt::LeftButton, Qt::NoModifier, QPoint(side->width() / 2, CellPoint(Grid(), 0, 4).y()));
        EXPECT_EQ(Grid().GetCurrentRow(), 4);
        EXPECT_EQ(Grid().GetCurrentColumn(), 2);
        EXPECT_FALSE(Grid().IsEditing());
        EXPECT_FALSE(ApplyEnabled(sheet)); // moving about changes nothing
        Press(sheet, QDialogButtonBox::Cancel);
    });
}

TEST_F(CommonGrid, EscapeDropsTheEditButLeavesTheSheetUp)
{
    RunOn(2, [&] {
        const std::string before = CellText(Grid(), 3, 0);
        QTest::mouseDClick(Grid().GetCellArea()->GetWidget(), Qt::LeftButton, Qt::NoModifier, CellPoint(Grid(), 3, 0));
        ASSERT_TRUE(Grid().IsEditing());
        QWidget* editor = Grid().GetActiveEditor()->GetWidget();
        QTest::keyClicks(editor, " and more");
        QTest::keyClick(editor, Qt::Key_Escape);
        EXPECT_FALSE(Grid().IsEditing());
        EXPECT_FALSE(sheet.HasEnded());
        EXPECT_EQ(CellText(Grid(), 3, 0), before);
        EXPECT_FALSE(ApplyEnabled(sheet));
        Press(sheet, QDialogButtonBox::Cancel);
    });
}

TEST_F(CommonGrid, NoColumnOrRowBorderCanBeDragged)
{
    RunOn(2, [&] {
        const int firstWidth = Grid().GetColumnWidth(0);
        const int rowHeight = Grid().GetRowHeight(0);
        CRect cell;
        int column = 0, row = 0;
        Grid().GetCellRect(&column, &row, &cell);
        QWidget* top = Grid().GetTopHeading()->GetWidget();
        testsupport::DragMouse(top, QPoint(cell.right, top->height() / 2), QPoint(cell.right + 40, top->height() / 2));
        QWidget* side = Grid().GetSideHeading()->GetWidget();
        testsupport::DragMouse(side, QPoint(side->width() / 2, cell.bottom), QPoint(side->width() / 2, cell.bottom + 30));
        EXPECT_EQ(Grid().GetColumnWidth(0), firstWidth);
        EXPECT_EQ(Grid().GetRowHeight(0), rowHeight);
        Press(sheet, QDialogButtonBox::Cancel);
    });
}

// The mouse on the grid with real events: a dragged block selects, a check box ticks, a drop
// list opens and chooses, borders are dragged to size columns and rows.
#include <gtest/gtest.h>

#include "controls/grid/GridLstBox.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"
#include "tests/controls/grid/GridWindow.h"
#include "tests/support/PointerMoves.h"

namespace {

// Writes down the notices of the cell types.
class NoticedGrid : public CGridCtrl {
public:
    int OnCellTypeNotice(int, int column, int row, int message, intptr_t parameter) override
    {
        notices.push_back({column, row, message, message == GRID_NOTICE_CHECK_TOGGLED ? int(parameter) : 0});
        return 1;
    }
    struct Notice {
        int column, row, message, value;
    };
    std::vector<Notice> notices;
};

void Drag(QWidget* widget, QPoint from, QPoint to)
{
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(widget, (from + to) / 2);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, to);
}

}  // namespace

TEST(GridMouse, ADraggedBlockIsSelectedAndTheCurrentCellStaysWhereItStarted)
{
    GridWindow<CGridCtrl> window(5, 8);
    window.grid.SetMultiSelectMode(1);
    Drag(window.Cells(), window.CellCentre(1, 1), window.CellCentre(3, 4));
    CGridSelectionList& selection = window.grid.GetGridInfo()->m_selection;
    int left, top, right, bottom;
    ASSERT_EQ(selection.GetBoundingRange(&left, &top, &right, &bottom), 0);
    EXPECT_EQ(CRect(left, top, right, bottom), CRect(1, 1, 3, 4));
    EXPECT_EQ(window.grid.GetCurrentColumn(), 1);
    EXPECT_EQ(window.grid.GetCurrentRow(), 1);
    // A drag that starts on the current cell selects as well.
    Drag(window.Cells(), window.CellCentre(1, 1), window.CellCentre(2, 2));
    ASSERT_EQ(selection.GetBoundingRange(&left, &top, &right, &bottom), 0);
    EXPECT_EQ(CRect(left, top, right, bottom), CRect(1, 1, 2, 2));
}

TEST(GridMouse, ADragHeldBelowTheCellsKeepsScrolling)
{
    GridWindow<CGridCtrl> window(2, 100);
    window.grid.SetMultiSelectMode(1);
    const QPoint below(20, window.grid.GetGridInfo()->m_gridHeight + 15);
    QTest::mousePress(window.Cells(), Qt::LeftButton, Qt::NoModifier, window.CellCentre(0, 0));
    QTest::mouseMove(window.Cells(), below);
    const int first = window.grid.GetCurrentRow() + window.grid.GetGridInfo()->m_targetRow;
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.grid.GetGridInfo()->m_targetRow > first + 3; }, 5000));
    QTest::mouseRelease(window.Cells(), Qt::LeftButton, Qt::NoModifier, below);
    const int stopped = window.grid.GetGridInfo()->m_targetRow;
    QTest::qWait(50);
    EXPECT_EQ(window.grid.GetGridInfo()->m_targetRow, stopped);
}

TEST(GridCheckBox, TheSpaceBarAndAClickInTheBoxTickAndClearIt)
{
    GridWindow<NoticedGrid> window(2, 3);
    REQUIRE_FOCUS(window);
    CGridCtrl& grid = window.grid;
    for (int row = 0; row < 3; ++row) {
        CGridCell cell;
        cell.SetBool(false);
        cell.SetCellType(GRID_CELLTYPE_CHECKBOX);
        cell.SetReadOnly(row == 2);
        grid.SetCell(0, row, &cell);
    }
    window.Key(Qt::Key_Space);
    EXPECT_EQ(window.Text(0, 0), "1.000000");
    window.Key(Qt::Key_Space);
    CGridCell cell;
    grid.GetCell(0, 0, &cell);
    EXPECT_FALSE(cell.GetBool());

    int c = 0, r = 1;
    CRect rect;
    grid.GetCellRect(&c, &r, &rect);
    const CRect box = CGridCheckBoxType::BoxOf(rect);
    QTest::mouseClick(window.Cells(), Qt::LeftButton, Qt::NoModifier, QPoint(box.left + 3, box.top + 3));
    grid.GetCell(0, 1, &cell);
    EXPECT_TRUE(cell.GetBool());
    // Beside the box the click only makes the cell current.
    QTest::mouseClick(window.Cells(), Qt::LeftButton, Qt::NoModifier, QPoint(rect.right - 5, rect.top + 5));
    grid.GetCell(0, 1, &cell);
    EXPECT_TRUE(cell.GetBool());

    const std::size_t notices = window.grid.notices.size();
    r = 2;
    grid.GetCellRect(&c, &r, &rect);
    const CRect locked = CGridCheckBoxType::BoxOf(rect);
    QTest::mouseClick(window.Cells(), Qt::LeftButton, Qt::NoModifier, QPoint(locked.left + 3, locked.top + 3));
    grid.GetCell(0, 2, &cell);
    EXPECT_FALSE(cell.GetBool());
    EXPECT_EQ(window.grid.notices.size(), notices);  // a read-only box raises nothing
    ASSERT_EQ(notices, 3u);
    EXPECT_EQ(window.grid.notices[0].message, GRID_NOTICE_CHECK_TOGGLED);
    EXPECT_EQ(window.grid.notices[0].value, 1);
    EXPECT_EQ(window.grid.notices[1].value, 0);
}

// A press on a cell that is only partly shown scrolls it into view; the click ticks the box it
// was pressed on, not the one the scrolling brought under the pointer.
TEST(GridCheckBox, AClickOnAPartlyShownLastRowOrColumnTicksThatCell)
{
    GridWindow<NoticedGrid> window(8, 30, 400, 250);
    CGridCtrl& grid = window.grid;
    for (int column = 0; column < 8; ++column)
        for (int row = 0; row < 30; ++row)
            grid.QuickSetCellType(column, row, GRID_CELLTYPE_CHECKBOX);
    const CGridInfo& info = *grid.GetGridInfo();
    const auto rectOf = [&grid](int column, int row) {
        CRect rect;
        grid.GetCellRect(&column, &row, &rect);
        return rect;
    };
    const auto ticked = [&window](int column, int row) { return window.Text(column, row) == "1.000000"; };

    int row = 0;
    while (rectOf(0, row).bottom <= info.m_gridHeight)
        ++row;
    CRect box = CGridCheckBoxType::BoxOf(rectOf(0, row));
    ASSERT_LT(box.top + 2, info.m_gridHeight) << "the partly shown row must show its box";
    QTest::mouseClick(window.Cells(), Qt::LeftButton, Qt::NoModifier, QPoint(box.left + 3, box.top + 2));
    EXPECT_LE(rectOf(0, row).bottom, info.m_gridHeight);  // scrolled into view
    EXPECT_TRUE(ticked(0, row));
    EXPECT_FALSE(ticked(0, row + 1));

    int column = 0;
    while (rectOf(column, row).right <= info.m_gridWidth)
        ++column;
    box = CGridCheckBoxType::BoxOf(rectOf(column, row));
    ASSERT_LT(box.right, info.m_gridWidth) << "the partly shown column must show its box";
    QTest::mouseClick(window.Cells(), Qt::LeftButton, Qt::NoModifier, QPoint(box.left + 3, box.top + 3));
    EXPECT_LE(rectOf(column, row).right, info.m_gridWidth);
    EXPECT_TRUE(ticked(column, row));
    EXPECT_FALSE(ticked(column + 1, row));
    EXPECT_EQ(window.grid.notices.size(), 2u);
}

TEST(GridDropList, TheButtonOpensTheLabelsLinesAndAChoiceBecomesTheText)
{
    GridWindow<NoticedGrid> window(3, 4);
    REQUIRE_FOCUS(window);
    CGridCtrl& grid = window.grid;
    grid.QuickSetCellType(1, 1, GRID_CELLTYPE_DROPLIST);
    grid.QuickSetLabelText(1, 1, "CY\nSY\nLF\nnot offered");
    int c = 1, r = 1;
    CRect rect;
    grid.GetCellRect(&c, &r, &rect);
    const QPoint button(rect.right - 5, rect.top + 5);
    QTest::mouseClick(window.Cells(), Qt::LeftButton, Qt::NoModifier, button);
    auto* type = static_cast<CGridDropListType*>(grid.GetCellType(GRID_CELLTYPE_DROPLIST));
    ASSERT_TRUE(type->IsListOpen());
    CGridLstBox* list = type->GetList();
    EXPECT_EQ(list->GetCount(), 3);
    CRect place;
    list->GetWindowRect(&place);
    EXPECT_EQ(place.Height(), 4 * 12 + 2);  // (3 + 1) lines of the 12-pixel font
    EXPECT_EQ(CWnd::GetFocus(), list);
    window.Key(Qt::Key_End);
    window.Key(Qt::Key_Up);
    window.Key(Qt::Key_Return);
    EXPECT_FALSE(type->IsListOpen());
    EXPECT_EQ(window.Text(1, 1), "SY");
    EXPECT_EQ(CWnd::GetFocus(), grid.GetCellArea());
    // A click on the button of the cell whose list is open closes it, and does not open it again.
    QTest::mouseClick(window.Cells(), Qt::LeftButton, Qt::NoModifier, button);
    ASSERT_TRUE(type->IsListOpen());
    QTest::mouseClick(window.Cells(), Qt::LeftButton, Qt::NoModifier, button);
    EXPECT_FALSE(type->IsListOpen());
}

TEST(GridSizing, DraggingAColumnBorderSizesItAndPastItsLeftEdgeHidesIt)
{
    GridWindow<CGridCtrl> window(4, 3);
    QWidget* heading = window.grid.GetTopHeading()->GetWidget();
    const auto drag = [heading](int from, int to) {
        testsupport::DragMouse(heading, QPoint(from, 10), QPoint(to, 10));
    };
    drag(75, 115);
    EXPECT_EQ(window.grid.GetColumnWidth(0), 115);
    drag(115 + 75, 80);  // column 1 dragged left past its left edge at 115
    EXPECT_EQ(window.grid.GetColumnWidth(1), 0);
    drag(115, 150);  // the hidden column's border lies on column 0's
    EXPECT_EQ(window.grid.GetColumnWidth(1), 35);
    EXPECT_EQ(window.grid.GetColumnWidth(0), 115);
}

TEST(GridSizing, DraggingARowBorderSizesItButNeverBelowZero)
{
    GridWindow<CGridCtrl> window(2, 5);
    QWidget* heading = window.grid.GetSideHeading()->GetWidget();
    const auto drag = [heading](int from, int to) {
        testsupport::DragMouse(heading, QPoint(10, from), QPoint(10, to));
    };
    drag(40, 52);  // the bottom of row 1
    EXPECT_EQ(window.grid.GetRowHeight(1), 32);
    drag(52, 10);  // row 1 pulled above its top
    EXPECT_EQ(window.grid.GetRowHeight(1), 0);
    drag(20, 45);  // the hidden row opens again from the border above it
    EXPECT_EQ(window.grid.GetRowHeight(1), 25);
    EXPECT_EQ(window.grid.GetRowHeight(0), 20);
    window.grid.GetGridInfo()->m_userSizingMode = 0;
    drag(20, 60);
    EXPECT_EQ(window.grid.GetRowHeight(0), 20);
}

TEST(GridSizing, WithUniformHeightsARowDraggedToNearlyNothingHidesTheRows)
{
    GridWindow<CGridCtrl> window(2, 30);
    REQUIRE_FOCUS(window);
    CGridCtrl& grid = window.grid;
    grid.SetUniformRowHeight(1);
    QWidget* heading = grid.GetSideHeading()->GetWidget();
    const auto drag = [heading](int from, int to) {
        testsupport::DragMouse(heading, QPoint(10, from), QPoint(10, to));
        QApplication::processEvents();
    };
    drag(40, 30);  // the bottom of row 1: every row is as high as the drag makes row 1
    EXPECT_EQ(grid.GetRowHeight(1), 15);
    EXPECT_EQ(grid.GetRowHeight(29), 15);
    drag(30, 1);  // half a pixel a row
    EXPECT_EQ(grid.GetRowHeight(1), 0);
    EXPECT_EQ(grid.GetRowHeight(29), 0);
    // Nothing is shown, and moving a page through rows of no height comes to an end.
    window.Key(Qt::Key_PageDown);
    QApplication::processEvents();
    EXPECT_EQ(grid.GetCurrentRow(), 29);
    int column = 0, row = 0;
    CRect cell;
    EXPECT_EQ(grid.GetCellFromPoint(10, 5, &column, &row, &cell), 1);
}

TEST(GridMenu, ARightClickOnAHeadingOpensThePopUpMenuForItsSection)
{
    struct MenuGrid : CGridCtrl {
        int OnPopupMenuShow(int column, int row, int section) override
        {
            shown.push_back({column, row, section});
            return 1;
        }
        void OnPopupMenuCommand(int column, int row, int section, UINT id) override { chosen = {column, row, section, int(id)}; }
        std::vector<std::array<int, 3>> shown;
        std::array<int, 4> chosen{};
    };
    GridWindow<MenuGrid> window(3, 3);
    window.grid.GetGridInfo()->m_popupMenu = 1;
    window.grid.GetPopupMenu()->AppendMenu(MF_STRING, 1001, "Insert Row");
    platform::ScriptedModalServices script;
    platform::ScopedModalServices installed(script);
    script.AnswerMenu(1001);
    QTest::mouseClick(window.grid.GetSideHeading()->GetWidget(), Qt::RightButton, Qt::NoModifier, QPoint(10, 30));
    QCoreApplication::processEvents(); // the choice is posted to the grid
    ASSERT_EQ(window.grid.shown.size(), 1u);
    EXPECT_EQ(window.grid.shown[0], (std::array<int, 3>{-1, 1, GRID_SECTION_SIDE_HEADING}));
    EXPECT_EQ(window.grid.chosen, (std::array<int, 4>{-1, 1, GRID_SECTION_SIDE_HEADING, 1001}));
}

// What the sections show and take: an empty sheet, hidden columns, dragged headings, cursors.
#include <gtest/gtest.h>

#include "platform/ui/controls/ToolTipCtrl.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "tests/controls/grid/GridWindow.h"
#include "tests/support/PointerMoves.h"

TEST(GridSections, ASheetWithoutRowsShowsOnlyItsBackground)
{
    GridWindow<CGridCtrl> window(3, 0);
    const QImage image = window.Cells()->grab().toImage();
    const QColor background = platform::ToQColor(GetSysColor(COLOR_WINDOW));
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            ASSERT_EQ(image.pixelColor(x, y), background) << x << "," << y;
}

TEST(GridSections, HiddenColumnsAndRowsAreNeverHit)
{
    GridWindow<CGridCtrl> window(4, 4);
    CGridCtrl& grid = window.grid;
    grid.SetColumnWidth(1, 0);
    grid.SetRowHeight(1, 0);
    int column = -1, row = -1;
    ASSERT_EQ(grid.GetCellFromPoint(80, 25, &column, &row, nullptr), 0);
    EXPECT_EQ(column, 2);  // just right of column 0: column 2, past the hidden one
    EXPECT_EQ(row, 2);
    EXPECT_EQ(grid.GetCellFromPoint(-1, 5, &column, &row, nullptr), 1);
    EXPECT_EQ(grid.GetCellFromPoint(5, grid.GetGridInfo()->m_gridHeight - 1, &column, &row, nullptr), 1);
    CRect rect;
    int bad = 9;
    EXPECT_EQ(grid.GetCellRect(&bad, &row, &rect), 1);
}

TEST(GridSections, AHeadingDraggedOntoAnotherColumnMovesItsColumn)
{
    GridWindow<CGridCtrl> window(4, 2);
    CGridCtrl& grid = window.grid;
    grid.EnableColumnMove(1);
    for (int column = 0; column < 4; ++column)
        grid.QuickSetText(column, 0, std::to_string(column).c_str());
    QWidget* heading = grid.GetTopHeading()->GetWidget();
    testsupport::HoverMouse(heading, QPoint(30, 10));
    QTest::mousePress(heading, Qt::LeftButton, Qt::NoModifier, QPoint(30, 10));
    QTest::mouseMove(heading, QPoint(150, 10));
    QTest::mouseMove(heading, QPoint(170, 10));  // the left half of column 2
    QTest::mouseRelease(heading, Qt::LeftButton, Qt::NoModifier, QPoint(170, 10));
    EXPECT_EQ(window.Text(0, 0), "1");
    EXPECT_EQ(window.Text(1, 0), "0");
    EXPECT_EQ(window.Text(2, 0), "2");
    EXPECT_EQ(grid.GetTopHeading()->GetDragColumn(), -1);
}

TEST(GridSections, WithoutUserSizingTheRowHeadingKeepsTheArrowCursor)
{
    GridWindow<CGridCtrl> window(2, 4);
    QWidget* heading = window.grid.GetSideHeading()->GetWidget();
    testsupport::HoverMouse(heading, QPoint(10, 20));
    EXPECT_EQ(heading->cursor().shape(), Qt::SizeVerCursor);
    testsupport::HoverMouse(heading, QPoint(10, 30));
    EXPECT_EQ(heading->cursor().shape(), Qt::ArrowCursor);
    window.grid.GetGridInfo()->m_userSizingMode = 0;
    testsupport::HoverMouse(heading, QPoint(10, 40));
    EXPECT_EQ(heading->cursor().shape(), Qt::ArrowCursor);
}

TEST(GridSections, CellTipsAskTheHookForTheCellUnderThePointer)
{
    CGridCtrl grid;
    grid.GetGridInfo()->m_cellTips = 1;
    CWnd host;
    ASSERT_TRUE(host.Create(nullptr, "", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0));
    ASSERT_TRUE(grid.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &host, 1));
    grid.SetColumnCount(3, 0);
    grid.SetRowCount(3, 0);
    grid.RecalcLayout();
    host.ShowWindow(SW_SHOW);
    CToolTipCtrl* tips = grid.GetCellArea()->GetToolTips();
    ASSERT_NE(tips, nullptr);
    testsupport::HoverMouse(grid.GetCellArea()->GetWidget(), QPoint(100, 30));
    EXPECT_EQ(tips->TipTextAt(grid.GetCellArea(), CPoint(100, 30)), "Col:1 Row:1");
}

// The scroll bars, the hint beside a dragged thumb, the corner button and the sheet tabs.
#include <gtest/gtest.h>

#include "tests/controls/grid/GridWindow.h"
#include "tests/support/PointerMoves.h"

namespace {

class HintingGrid : public CGridCtrl {
public:
    int OnVerticalThumbHint(int row, std::string* text) override
    {
        *text = "Row " + std::to_string(row + 1);
        return 1;
    }
    void OnSheetTabSelected(int id) override { selectedTab = id; }
    int selectedTab = -1;
};

void Scroll(CGridCtrl& grid, UINT message, UINT code, int position = 0)
{
    grid.SendMessage(message, MAKEWPARAM(WORD(code), WORD(position)), 0);
}

}  // namespace

TEST(GridBars, ManyRowsRunOverAThousandPositionsOfTheVerticalBar)
{
    GridWindow<HintingGrid> window(3, 5011);  // a view of 11 rows: the largest top row is 5000
    CGridCtrl& grid = window.grid;
    ASSERT_EQ(grid.GetGridInfo()->m_maxTopRow, 5000);
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    grid.GetVScroll()->GetScrollInfo(&info);
    EXPECT_EQ(info.nMax, 1000);
    Scroll(grid, WM_VSCROLL, SB_THUMBPOSITION, 500);
    EXPECT_EQ(grid.GetTopRow(), 2500);
    EXPECT_EQ(grid.GetVScroll()->GetScrollPos(), 500);
    Scroll(grid, WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(grid.GetTopRow(), 2501);
    Scroll(grid, WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(grid.GetTopRow(), 5000);
}

TEST(GridBars, TheFixedBarKeepsItsThumbInTheMiddleWhileItsArrowsMoveTheView)
{
    GridWindow<HintingGrid> window(3, 50);
    CGridCtrl& grid = window.grid;
    grid.SetVScrollMode(2);
    grid.GetVScroll()->Update();
    Scroll(grid, WM_VSCROLL, SB_LINEDOWN);
    Scroll(grid, WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(grid.GetTopRow(), 2);
    EXPECT_EQ(grid.GetVScroll()->GetScrollPos(), 1);
    Scroll(grid, WM_VSCROLL, SB_THUMBPOSITION, 0);
    EXPECT_EQ(grid.GetTopRow(), 2);
}

TEST(GridBars, TheThumbHintShowsTheRowWithoutTakingTheFocus)
{
    GridWindow<HintingGrid> window(3, 100);
    REQUIRE_FOCUS(window);
    CGridCtrl& grid = window.grid;
    grid.GetVScroll()->Update();
    Scroll(grid, WM_VSCROLL, SB_THUMBTRACK, 40);
    CGridHint* hint = grid.GetHint();
    EXPECT_TRUE(hint->IsWindowVisible());
    EXPECT_EQ(hint->GetText(), "Row 41");
    EXPECT_EQ(grid.GetTopRow(), 0);  // the view waits for the thumb to be let go
    EXPECT_EQ(CWnd::GetFocus(), grid.GetCellArea());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), grid.GetCellArea()->GetWidget());
    EXPECT_FALSE(hint->GetWidget()->isActiveWindow());
    Scroll(grid, WM_VSCROLL, SB_THUMBPOSITION, 40);
    EXPECT_FALSE(hint->IsWindowVisible());
    EXPECT_EQ(grid.GetTopRow(), 40);
}

TEST(GridBars, AHintIsPlacedByItsAlignmentAndKeptInsideItsOwner)
{
    GridWindow<HintingGrid> window(3, 3, 300, 200);
    CGridHint* hint = window.grid.GetHint();
    hint->SetText("Sixty wide", false);
    hint->SetAlignment(4);
    hint->MoveHint(100, 50, 60);
    const CRect placed = hint->GetPlacement();
    EXPECT_GE(placed.Width(), 60);
    EXPECT_EQ(placed.left + placed.Width() / 2, 100);
    hint->MoveHint(295, 195, 60);
    EXPECT_LE(hint->GetPlacement().right, 300);
    EXPECT_LE(hint->GetPlacement().bottom, 200);
    hint->MoveHint(-40, -40, 60);
    EXPECT_EQ(hint->GetPlacement().left, 0);
    EXPECT_EQ(hint->GetPlacement().top, 0);
}

TEST(GridCorner, DraggingItsRightEdgeSizesTheRowHeadingBand)
{
    GridWindow<HintingGrid> window(3, 3);
    QWidget* corner = window.grid.GetCornerButton()->GetWidget();
    testsupport::DragMouse(corner, QPoint(38, 5), QPoint(70, 5));
    EXPECT_EQ(window.grid.GetGridInfo()->m_sideHeadingWidth, 70);
    EXPECT_EQ(window.grid.GetGridInfo()->m_cellRect.left, 70);
}

TEST(GridTabs, AClickedTabIsToldToTheHookAndScrolledIntoView)
{
    GridWindow<HintingGrid> window(3, 3);
    CGridTab* tabs = window.grid.GetTab();
    for (int i = 0; i < 6; ++i)
        tabs->AddTab(("Sheet " + std::to_string(i + 1)).c_str(), 60, 10 + i);
    window.grid.GetGridInfo()->m_tabWidth = 200;
    window.grid.RecalcLayout();
    ASSERT_EQ(window.grid.GetGridInfo()->m_tabRect.Width(), 200);
    QTest::mouseClick(tabs->GetWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(34 + 60 + 10, 8));
    EXPECT_EQ(window.grid.selectedTab, 11);
    // The last tab, partly hidden, comes fully into view.
    QTest::mouseClick(tabs->GetWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(195, 8));
    EXPECT_EQ(window.grid.selectedTab, 12);
    EXPECT_GT(tabs->GetScrollOffset(), 0);
    EXPECT_LE(tabs->GetScrollOffset(), tabs->GetLargestOffset());
    for (int i = 6; i < 70; ++i)
        tabs->AddTab("more", 10, i);
    EXPECT_EQ(tabs->GetTabCount(), CGridTab::kMaxTabs);
}

// Layout as a function of size: which bars show and where the sections go.
#include <gtest/gtest.h>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridSections.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "tests/controls/grid/GridSpies.h"

using ::testing::_;
using ::testing::NiceMock;

namespace {

// Default sizes: side heading 40, top heading 20, columns 75, rows 20.
class GridLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.Create(nullptr, "host", WS_POPUP, CRect(0, 0, 800, 600), nullptr, 0));
        ASSERT_TRUE(grid.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 50));
    }
    void Resize(int width, int height)
    {
        grid.MoveWindow(0, 0, width, height);
        grid.RecalcLayout();
    }
    const CGridInfo& Info() const { return *grid.GetGridInfo(); }
    bool HasVBar() const { return Info().m_vScrollRect.Width() > 0; }
    bool HasHBar() const { return Info().m_hScrollRect.Height() > 0; }

    CWnd parent;
    NiceMock<SpyGrid> grid;
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    const int strip = GetSystemMetrics(SM_CYHSCROLL);
};

}  // namespace

TEST_F(GridLayout, SectionsAreWindowsNumberedLikeTheirSections)
{
    EXPECT_EQ(grid.GetDlgItem(GRID_SECTION_CELLS), grid.GetCellArea());
    EXPECT_EQ(grid.GetDlgItem(GRID_SECTION_TOP_HEADING), grid.GetTopHeading());
    EXPECT_EQ(grid.GetDlgItem(GRID_SECTION_SIDE_HEADING), grid.GetSideHeading());
    EXPECT_EQ(grid.GetDlgItem(GRID_SECTION_CORNER), grid.GetCornerButton());
    EXPECT_EQ(grid.GetDlgItem(GRID_SECTION_HSCROLL), grid.GetHScroll());
    EXPECT_EQ(grid.GetDlgItem(GRID_SECTION_VSCROLL), grid.GetVScroll());
    EXPECT_EQ(grid.GetDlgItem(GRID_SECTION_TABS), grid.GetTab());
    EXPECT_EQ(grid.GetDlgItem(CGridCtrl::kEditorId), grid.GetDefaultEditor());
    EXPECT_FALSE(grid.GetDefaultEditor()->IsWindowVisible());
    EXPECT_EQ(grid.GetCellArea()->GetGridInfo(), grid.GetGridInfo());
}

TEST_F(GridLayout, NoBarsWhenEverythingFits)
{
    grid.SetColumnCount(4, 0);  // 300 wide
    grid.SetRowCount(5, 0);     // 100 high
    Resize(340, 120);
    EXPECT_EQ(Info().m_cornerRect, CRect(0, 0, 40, 20));
    EXPECT_EQ(Info().m_topHeadingRect, CRect(40, 0, 340, 20));
    EXPECT_EQ(Info().m_sideHeadingRect, CRect(0, 20, 40, 120));
    EXPECT_EQ(Info().m_gridWidth, 300);
    EXPECT_EQ(Info().m_vScrollWidth, bar);  // the configured size survives the layout
    CRect placed;
    grid.GetCellArea()->GetClientRect(&placed);
    EXPECT_EQ(placed.Width(), 300);
}

struct BarCase {
    int columns, rows, width, height;
    bool vBar, hBar;
};

class GridBars : public GridLayout, public ::testing::WithParamInterface<BarCase> {};

// Columns are 75 wide and rows 20 high, below a 20-high heading beside a 40-wide one; one bar
// can take the room that makes the other needed.
TEST_P(GridBars, ShowWhereTheCellsDoNotFit)
{
    const BarCase& c = GetParam();
    grid.SetColumnCount(c.columns, 0);
    grid.SetRowCount(c.rows, 0);
    Resize(c.width, c.height);
    EXPECT_EQ(HasVBar(), c.vBar);
    EXPECT_EQ(HasHBar(), c.hBar);
    const int right = c.width - (c.vBar ? bar : 0);
    EXPECT_EQ(Info().m_cellRect, CRect(40, 20, right, c.height - (c.hBar ? strip : 0)));
    if (c.vBar) {
        EXPECT_EQ(Info().m_vScrollRect, CRect(right, 0, c.width, c.height - (c.hBar ? strip : 0)));
    }
    grid.SetRowCount(1, 0);  // a new count is laid out at once
    EXPECT_FALSE(HasVBar());
}

INSTANTIATE_TEST_SUITE_P(Sizes, GridBars, ::testing::Values(
    BarCase{4, 5, 340, 120, false, false},
    BarCase{2, 6, 400, 120, true, false},
    BarCase{4, 50, 340, 200, true, true},   // 300 wide fits 300, not 300 - bar
    BarCase{6, 5, 340, 120, true, true}));  // 100 high fits 100, not 100 - strip

TEST_F(GridLayout, LargestLeftColumnAndTopRowKeepTheViewFull)
{
    grid.SetColumnCount(10, 0);
    grid.SetRowCount(30, 0);
    grid.GetGridInfo()->m_leftColumn = 9;
    grid.GetGridInfo()->m_topRow = 29;
    Resize(40 + 200 + bar, 20 + 100 + strip);
    EXPECT_EQ(Info().m_gridWidth, 200);
    EXPECT_EQ(Info().m_maxLeftColumn, 8);  // columns 8 and 9 take 150 of 200; 7 would not fit
    EXPECT_EQ(Info().m_leftColumn, 8);
    EXPECT_EQ(Info().m_maxTopRow, 25);
    EXPECT_EQ(Info().m_topRow, 25);
    grid.LockColumns(2);
    EXPECT_EQ(Info().m_maxLeftColumn, 9);  // 50 left after the locked 150
    EXPECT_EQ(Info().m_leftColumn, 2);
}

TEST_F(GridLayout, TabsAreClampedAndTheHookMayMoveSections)
{
    grid.SetColumnCount(1, 0);
    grid.SetRowCount(1, 0);
    grid.GetGridInfo()->m_tabWidth = 1000;
    EXPECT_CALL(grid, OnLayoutComponents(_, _, _, _, _, _, _))
        .WillRepeatedly([](RECT* cells, RECT*, RECT*, RECT*, RECT*, RECT*, RECT*) { cells->bottom -= 5; });
    Resize(300, 200);
    EXPECT_TRUE(HasHBar());  // tabs keep the bottom strip
    EXPECT_EQ(Info().m_tabRect.Width(), 300 - 40 - 30);
    EXPECT_EQ(Info().m_gridHeight, 200 - 20 - strip - 5);
}

TEST_F(GridLayout, ATinyControlGivesEmptySectionsNotInvertedOnes)
{
    grid.SetColumnCount(3, 0);
    grid.SetRowCount(3, 0);
    Resize(10, 10);
    EXPECT_EQ(Info().m_gridWidth, 0);
    EXPECT_EQ(Info().m_gridHeight, 0);
    for (const CRect& r : {Info().m_cellRect, Info().m_vScrollRect, Info().m_hScrollRect, Info().m_topHeadingRect}) {
        EXPECT_GE(r.Width(), 0);
        EXPECT_GE(r.Height(), 0);
    }
}

TEST_F(GridLayout, ResizingTheWindowLaysItOut)
{
    grid.SetColumnCount(2, 0);
    grid.SetRowCount(2, 0);
    parent.ShowWindow(SW_SHOW);
    grid.MoveWindow(0, 0, 500, 400);
    EXPECT_EQ(Info().m_cellRect.right, 500);
    EXPECT_EQ(Info().m_cellRect.bottom, 400);
}

TEST(GridCreation, AttachingRunsTheSetUpHooksAndCreatingDoesNot)
{
    CWnd dialog;
    ASSERT_TRUE(dialog.Create(nullptr, "dialog", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0));
    CWnd placeholder;
    ASSERT_TRUE(placeholder.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 110), &dialog, 1001));

    NiceMock<SpyGrid> created;
    EXPECT_CALL(created, OnGridSetup()).Times(0);
    EXPECT_CALL(created, OnSetupSheet(_)).Times(0);
    ASSERT_TRUE(created.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 50, 50), &dialog, 1002));

    NiceMock<SpyGrid> attached;
    {
        ::testing::InSequence order;
        EXPECT_CALL(attached, OnGridSetup());
        EXPECT_CALL(attached, OnSetupSheet(0));
    }
    ASSERT_EQ(attached.AttachToDialogItem(1001, &dialog), 0);
    EXPECT_EQ(dialog.GetDlgItem(1001), &attached);
    // The item gains a border, which its client area leaves out.
    EXPECT_EQ(attached.GetGridInfo()->m_cellRect.Width(), 200 - 2 - 40);
    EXPECT_EQ(attached.AttachToDialogItem(1001, &dialog), 1);
    EXPECT_EQ(NiceMock<SpyGrid>().AttachToDialogItem(999, &dialog), 1);
}

TEST(GridSheets, NewSheetsAreSetUpWhileCurrentAndKeepTheirOwnSettings)
{
    NiceMock<SpyGrid> grid;
    grid.SetColumnCount(2, 0);
    EXPECT_CALL(grid, OnSetupSheet(1)).WillOnce([&](int) {
        EXPECT_EQ(grid.GetSheetNumber(), 1);
        grid.SetColumnCount(7, 0);
    });
    EXPECT_CALL(grid, OnSetupSheet(2));
    ASSERT_EQ(grid.SetNumberSheets(3), 0);
    EXPECT_EQ(grid.GetSheetNumber(), 0);
    EXPECT_EQ(grid.GetColumnCount(), 2);
    grid.GetGridInfo()->m_tabWidth = 33;
    ASSERT_EQ(grid.SetSheetNumber(1), 0);
    EXPECT_EQ(grid.GetColumnCount(), 7);
    EXPECT_EQ(grid.GetGridInfo()->m_tabWidth, 33);
    ASSERT_EQ(grid.SetNumberSheets(1), 0);
    EXPECT_EQ(grid.GetSheetNumber(), 0);
    EXPECT_EQ(grid.GetColumnCount(), 2);
}

// What the item grid shows: two rows an item, section rows, which cells take an entry, the
// alternate units, and the current item's highlight.
#include "app/grids/GridColors.h"
#include "app/startup/BidApp.h"
#include "model/settings/UnitTable.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "tests/app/grids/ItemGridTestSupport.h"

namespace {

struct ShownCell {
    int column;
    int row;
    const char* text;
};

class ItemGridCells : public ItemGridTest, public ::testing::WithParamInterface<ShownCell> {};

struct EntryCell {
    const char* what;
    int column;
    int row;
    bool takesEntry;
};

class ItemGridEntries : public ItemGridTest, public ::testing::WithParamInterface<EntryCell> {};

} // namespace

TEST_P(ItemGridCells, ShowTheProposalsValues)
{
    const ShownCell cell = GetParam();
    EXPECT_EQ(m_hosted.Text(cell.column, cell.row), cell.text);
}

INSTANTIATE_TEST_SUITE_P(
    Schedule, ItemGridCells,
    ::testing::Values(ShownCell{COLUMN_LINE, -1, "Line"}, ShownCell{COLUMN_PRICE, -1, "Unit Price"},
                      ShownCell{COLUMN_EXTENSION, -1, "Extension"}, ShownCell{0, 0, "  Section 0001"},
                      ShownCell{1, 1, "EARTHWORK"}, ShownCell{COLUMN_EXTENSION, 0, ""},
                      ShownCell{COLUMN_LINE, 2, "0010"}, ShownCell{COLUMN_ITEM, 2, "I0010"},
                      ShownCell{COLUMN_QUANTITY, 2, "100.000"}, ShownCell{COLUMN_UNIT, 2, "EA"},
                      ShownCell{COLUMN_PRICE, 2, "$2.50"}, ShownCell{COLUMN_EXTENSION, 2, "$250.00"},
                      ShownCell{0, 3, "01A"}, ShownCell{1, 3, "EXCAVATION"},
                      // Lump sum whatever its quantity; no price and no extension: empty.
                      ShownCell{COLUMN_QUANTITY, 4, "LUMP"}, ShownCell{COLUMN_PRICE, 4, ""},
                      ShownCell{COLUMN_EXTENSION, 4, ""}, ShownCell{COLUMN_PRICE, 6, "$5.00"},
                      ShownCell{1, 7, "FORCE ACCOUNT"}, ShownCell{4, 7, "1"}, ShownCell{0, 10, "  Section 0002"}));

TEST_P(ItemGridEntries, AreTheCellsTheBidderMayType)
{
    const EntryCell entry = GetParam();
    const CGridCell cell = m_hosted.Cell(entry.column, entry.row);
    EXPECT_EQ(cell.GetReadOnly() == 0, entry.takesEntry) << entry.what;
    if (entry.takesEntry) {
        EXPECT_EQ(cell.GetBackColor(), GetSysColor(COLOR_WINDOW)) << entry.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Schedule, ItemGridEntries,
    ::testing::Values(EntryCell{"unit price", COLUMN_PRICE, 2, true}, EntryCell{"given quantity", COLUMN_QUANTITY, 2, false},
                      EntryCell{"line", COLUMN_LINE, 2, false}, EntryCell{"extension", COLUMN_EXTENSION, 2, false},
                      EntryCell{"fixed unit price", COLUMN_PRICE, 6, false}, EntryCell{"use this item", 4, 7, true},
                      EntryCell{"open quantity", COLUMN_QUANTITY, 8, true}, EntryCell{"section", COLUMN_PRICE, 0, false},
                      EntryCell{"description", 1, 3, false}));

TEST_F(ItemGridTest, HasTwoRowsAnItemAndNoneWithoutAProposal)
{
    EXPECT_EQ(m_grid.GetRowCount(), 2 * m_prop->m_items.GetSize());
    EXPECT_EQ(m_grid.GetColumnCount(), 6);
    m_grid.SetProposal(nullptr);
    EXPECT_EQ(m_grid.GetRowCount(), 0);
    EXPECT_EQ(m_grid.GetItemOfRow(2), nullptr);
}

TEST_F(ItemGridTest, SectionTotalsShowOnlyWhenTheProposalAsks)
{
    ChangeFlagBit(&m_prop->m_wNumberFormatFlags, 2, 1);
    EXPECT_EQ(m_hosted.Text(COLUMN_EXTENSION, 0), "$300.00");
}

TEST_F(ItemGridTest, AFixedPriceItemNotOnOfferHasNoUseBox)
{
    // With bit 4 of the number formats only option items offer it.
    ChangeFlagBit(&m_prop->m_wNumberFormatFlags, 4, 1);
    EXPECT_NE(m_hosted.Cell(4, 7).GetCellType(), GRID_CELLTYPE_CHECKBOX);
    EXPECT_EQ(m_hosted.Text(1, 7), "FORCE ACCOUNT");
    ChangeFlagBit(&Row(ROW_FIXED).m_wFlags, ITEM_IS_OPTION, 1);
    EXPECT_EQ(m_hosted.Cell(4, 7).GetCellType(), GRID_CELLTYPE_CHECKBOX);
}

TEST_F(ItemGridTest, AValueTooWideForItsFormatShowsAsterisks)
{
    Row(ROW_PLAIN).m_fUnitPrice = 1e10;
    EXPECT_EQ(m_hosted.Text(COLUMN_PRICE, 2), "**********");
}

TEST_F(ItemGridTest, AlternateUnitsShowTheConvertedQuantityAndPrice)
{
    SetUnitList({CUnitRow{"EA", "PR", "2", "", 2.0}});
    ChangeFlagBit(&m_prop->m_wFlags, PROP_SHOW_ALT_UNITS, 1);
    EXPECT_EQ(m_hosted.Text(COLUMN_UNIT, 2), "PR");
    EXPECT_EQ(m_hosted.Text(COLUMN_QUANTITY, 2), "200.000");
    EXPECT_EQ(m_hosted.Text(COLUMN_PRICE, 2), "$1.25");
    EXPECT_EQ(m_hosted.Text(COLUMN_EXTENSION, 2), "$250.00");
    ClearUnitList();
}

TEST_F(ItemGridTest, TheCurrentItemsRowsAreHighlighted)
{
    ASSERT_EQ(m_grid.GotoCell(COLUMN_PRICE, FirstRow(ROW_LAST)), 0);
    const COLORREF highlight = GridHighlightColor(true);
    EXPECT_EQ(m_grid.GetCurrentRecord(), ROW_LAST);
    EXPECT_EQ(m_hosted.Cell(COLUMN_LINE, FirstRow(ROW_LAST)).GetBackColor(), highlight);
    EXPECT_EQ(m_hosted.Cell(1, FirstRow(ROW_LAST) + 1).GetBackColor(), highlight);
    // The entry cell stays white; other items and sections keep their colours.
    EXPECT_EQ(m_hosted.Cell(COLUMN_PRICE, FirstRow(ROW_LAST)).GetBackColor(), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(m_hosted.Cell(COLUMN_LINE, 2).GetBackColor(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(m_hosted.Cell(COLUMN_LINE, 0).GetBackColor(), GetSysColor(COLOR_ACTIVECAPTION));
}

TEST_F(ItemGridTest, InColourModeRowsShadeFromTheTopColourToTheBottomColour)
{
    CBidApp app;
    app.m_iBackgroundType = 1;
    app.m_crGridTopColor = RGB(0, 0, 0);
    app.m_crGridBottomColor = RGB(140, 70, 210);
    app.m_crGridLabelColor = RGB(1, 2, 3);
    const int count = m_prop->m_items.GetSize();
    EXPECT_EQ(m_hosted.Cell(COLUMN_LINE, FirstRow(ROW_LUMP)).GetBackColor(),
              RGB(140 * ROW_LUMP / count, 70 * ROW_LUMP / count, 210 * ROW_LUMP / count));
    EXPECT_EQ(m_hosted.Cell(COLUMN_LINE, 0).GetBackColor(), RGB(1, 2, 3));
    EXPECT_EQ(GridShadeColor(count + 5, count), RGB(140, 70, 210));
}

TEST(GridHighlight, LightensTheButtonFaceHalfwayToWhite)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF expected = face == 0xFFFFFF ? COLORREF(0xE0E0E0)
                                               : RGB(GetRValue(face) + (255 - GetRValue(face)) / 2,
                                                     GetGValue(face) + (255 - GetGValue(face)) / 2,
                                                     GetBValue(face) + (255 - GetBValue(face)) / 2);
    EXPECT_EQ(GridHighlightColor(true), expected);
    EXPECT_EQ(GridHighlightColor(false), COLORREF(0xFFFF40));
}

// The bidder at the keyboard in the item grid: prices typed and entered, the keys that move
// between the cells that take an entry, text refused, Escape, and "Use this item".
#include "tests/app/grids/ItemGridTestSupport.h"
#include "tests/app/grids/RealMessageBox.h"

#include "model/eval/Evaluator.h"

namespace {

struct Step {
    int fromRow;
    bool backwards;
    int column; // -1: nothing found, the cursor stays
    int row;
};

class PriceCellSteps : public ItemGridTest, public ::testing::WithParamInterface<Step> {};

} // namespace

TEST_P(PriceCellSteps, SkipSectionsAndFixedPriceItemsNotOnOffer)
{
    const Step step = GetParam();
    int column = COLUMN_LINE, row = step.fromRow;
    EXPECT_EQ(m_grid.FindNextPriceCell(&column, &row, step.backwards), step.column >= 0);
    if (step.column < 0) {
        EXPECT_EQ(row, step.fromRow);
        return;
    }
    EXPECT_EQ(column, step.column);
    EXPECT_EQ(row, step.row);
}

INSTANTIATE_TEST_SUITE_P(
    Schedule, PriceCellSteps,
    ::testing::Values(Step{0, false, COLUMN_PRICE, 2}, Step{2, false, COLUMN_PRICE, 4},
                      // The fixed-price item's "Use this item" box, on its second row.
                      Step{5, false, 4, 7}, Step{7, false, COLUMN_PRICE, 8}, Step{8, false, COLUMN_PRICE, 12},
                      Step{12, false, -1, 0}, Step{12, true, COLUMN_PRICE, 8}, Step{3, true, -1, 0},
                      Step{2, true, -1, 0}));

TEST_F(ItemGridTest, APriceTypedAndEnteredIsStoredRecalculatedAndTheNextEntryOpens)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_PRICE, 2), 0);
    m_hosted.Enter("12.5");
    EXPECT_DOUBLE_EQ(Row(ROW_PLAIN).m_fUnitPrice, 12.5);
    EXPECT_DOUBLE_EQ(Row(ROW_PLAIN).m_fExtension, 1250);
    EXPECT_EQ(m_hosted.Text(COLUMN_EXTENSION, 2), "$1,250.00");
    EXPECT_EQ(m_hosted.Host().m_changes, 1);
    // On to the lump-sum item's price.
    EXPECT_TRUE(m_grid.IsEditing());
    EXPECT_EQ(m_grid.GetEditRow(), 4);
    EXPECT_EQ(m_grid.GetEditColumn(), COLUMN_PRICE);
    m_hosted.Enter("(2*3)+1");
    EXPECT_DOUBLE_EQ(Row(ROW_LUMP).m_fUnitPrice, 7);
    // Past the fixed-price item to the open quantity, then its price.
    EXPECT_EQ(m_grid.GetEditRow(), 8);
    EXPECT_EQ(m_grid.GetEditColumn(), COLUMN_QUANTITY);
    m_hosted.Enter("40");
    EXPECT_EQ(m_grid.GetEditColumn(), COLUMN_PRICE);
    m_hosted.Enter("@QUAN/8");
    EXPECT_DOUBLE_EQ(Row(ROW_QUANTITY).m_fQuan, 40);
    EXPECT_DOUBLE_EQ(Row(ROW_QUANTITY).m_fUnitPrice, 5);
    EXPECT_TRUE(m_hosted.Focus() != nullptr);
    EXPECT_TRUE(m_script.MessageBoxes().empty());
}

TEST_F(ItemGridTest, ShiftTabGoesBackToTheQuantityBeforeThePriceAndTheItemBefore)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_PRICE, 8), 0);
    m_hosted.Type("9");
    m_hosted.Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(Row(ROW_QUANTITY).m_fUnitPrice, 9);
    EXPECT_EQ(m_grid.GetEditColumn(), COLUMN_QUANTITY);
    m_hosted.Key(Qt::Key_Up);
    EXPECT_EQ(m_grid.GetEditRow(), 4);
    EXPECT_EQ(m_grid.GetEditColumn(), COLUMN_PRICE);
}

TEST_F(ItemGridTest, ALetterIsRefusedWithTheFieldNamedAndThePriceStays)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_PRICE, 2), 0);
    m_hosted.Enter("12x");
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].caption, "Invalid Unit Price");
    EXPECT_NE(m_script.MessageBoxes()[0].text.find("\"12x\""), std::string::npos);
    EXPECT_NE(m_script.MessageBoxes()[0].text.find("line 0010 stays as it was"), std::string::npos);
    EXPECT_DOUBLE_EQ(Row(ROW_PLAIN).m_fUnitPrice, 2.5);
    EXPECT_EQ(m_hosted.Text(COLUMN_PRICE, 2), "$2.50");
    // The edit is over, the cursor where it was, nothing told to the host.
    EXPECT_FALSE(m_grid.IsEditing());
    EXPECT_EQ(m_grid.GetCurrentRow(), 2);
    EXPECT_EQ(m_hosted.Host().m_changes, 0);
}

// A decimal comma, as a European keyboard habit types it, would store 19,050.00: it is refused.
TEST_F(ItemGridTest, ADecimalCommaIsRefusedWithItsReasonAndThousandsStillGroup)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_PRICE, 2), 0);
    for (const char* typed : {"190,50", "1,190.50"}) {
        ASSERT_EQ(m_grid.GotoCell(COLUMN_PRICE, 2), 0);
        m_hosted.Enter(typed);
    }
    EXPECT_DOUBLE_EQ(Row(ROW_PLAIN).m_fUnitPrice, 1190.5);
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    const std::string& refusal = m_script.MessageBoxes()[0].text;
    EXPECT_NE(refusal.find("Unit Price must be a number or a formula that gives one.\n\"190,50\": a comma may only "
                           "separate groups of three digits before the decimal point."),
              std::string::npos)
        << refusal;
}

TEST_F(ItemGridTest, AfterTheRealRefusalBoxTheKeyboardIsBackOnTheEditedCell)
{
    REQUIRE_FOCUS(m_hosted);
    RealMessageBoxes boxes;
    ASSERT_EQ(m_grid.GotoCell(COLUMN_PRICE, 2), 0);
    boxes.AnswerNext();
    m_hosted.Enter("abc");
    ASSERT_EQ(boxes.Answered(), 1);
    EXPECT_EQ(boxes.Caption(), "Invalid Unit Price");
    EXPECT_TRUE(boxes.HadFocus());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_grid.GetWidget()->window()));
    EXPECT_EQ(m_hosted.Focus(), m_grid.GetCellArea()->GetWidget());
    EXPECT_EQ(m_grid.GetCurrentRow(), 2);
    EXPECT_EQ(m_grid.GetCurrentColumn(), COLUMN_PRICE);
    m_hosted.Enter("7");
    EXPECT_DOUBLE_EQ(Row(ROW_PLAIN).m_fUnitPrice, 7);
}

TEST_F(ItemGridTest, AZeroPriceTheProposalDoesNotAllowIsRefused)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_PRICE, 2), 0);
    m_hosted.Enter("0");
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_NE(m_script.MessageBoxes()[0].text.find("does not allow a zero Unit Price"), std::string::npos);
    EXPECT_DOUBLE_EQ(Row(ROW_PLAIN).m_fUnitPrice, 2.5);
    ChangeFlagBit(&m_prop->m_wNumberFormatFlags, NUMFMT_ZERO_PRICE_ALLOWED, 1);
    m_hosted.Enter("0");
    EXPECT_DOUBLE_EQ(Row(ROW_PLAIN).m_fUnitPrice, 0);
}

TEST_F(ItemGridTest, ABlankPriceClearsIt)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_PRICE, 2), 0);
    m_hosted.Type(" ");
    m_hosted.Key(Qt::Key_Backspace);
    m_hosted.Key(Qt::Key_Return);
    EXPECT_FALSE(IsEvalValueValid(Row(ROW_PLAIN).m_fUnitPrice));
    EXPECT_EQ(m_hosted.Text(COLUMN_EXTENSION, 2), "");
}

TEST_F(ItemGridTest, EscapeAbandonsTheEntry)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_PRICE, 2), 0);
    m_hosted.Type("99");
    m_hosted.Key(Qt::Key_Escape);
    EXPECT_FALSE(m_grid.IsEditing());
    EXPECT_DOUBLE_EQ(Row(ROW_PLAIN).m_fUnitPrice, 2.5);
    EXPECT_EQ(m_hosted.Host().m_changes, 0);
    EXPECT_TRUE(m_script.MessageBoxes().empty());
}

TEST_F(ItemGridTest, LeavingTheCellByAnyMeansStoresTheEntry)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_PRICE, 2), 0);
    m_hosted.Type("4");
    m_hosted.Click(COLUMN_LINE, 12);
    EXPECT_DOUBLE_EQ(Row(ROW_PLAIN).m_fUnitPrice, 4);
    m_hosted.Click(COLUMN_PRICE, 12);
    m_hosted.Type("6");
    m_grid.EndEditing(); // the view closing, another node chosen, a command
    EXPECT_FALSE(m_grid.IsEditing());
    EXPECT_DOUBLE_EQ(Row(ROW_LAST).m_fUnitPrice, 6);
}

TEST_F(ItemGridTest, TextLeftUnchangedIsNoEntry)
{
    REQUIRE_FOCUS(m_hosted);
    // "LUMP" in an open quantity would not read as a number; the shown price would be rounded.
    ChangeFlagBit(&Row(ROW_LUMP).m_wFlags, ITEM_FIXED_FULLY_BID, 1);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_QUANTITY, 4), 0);
    ASSERT_EQ(m_grid.StartEditCurrent(), 0);
    m_hosted.Key(Qt::Key_Return);
    EXPECT_TRUE(m_script.MessageBoxes().empty());
    EXPECT_EQ(m_hosted.Host().m_changes, 0);
}

TEST_F(ItemGridTest, TheCursorKeysMoveBetweenPriceCellsAndAreTakenEvenAtTheEnds)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_PRICE, 2), 0);
    m_hosted.Key(Qt::Key_Up);
    EXPECT_EQ(m_grid.GetCurrentRow(), 2);
    m_hosted.Key(Qt::Key_Down);
    m_hosted.Key(Qt::Key_Down);
    EXPECT_EQ(m_grid.GetCurrentRow(), 7);
    EXPECT_EQ(m_grid.GetCurrentColumn(), 4);
    m_hosted.Key(Qt::Key_Tab);
    m_hosted.Key(Qt::Key_Return);
    EXPECT_EQ(m_grid.GetCurrentRow(), 12);
    m_hosted.Key(Qt::Key_Down);
    EXPECT_EQ(m_grid.GetCurrentRow(), 12);
    m_hosted.Key(Qt::Key_Home);
    EXPECT_EQ(m_grid.GetCurrentRow(), 0);
    m_hosted.Key(Qt::Key_End);
    EXPECT_EQ(m_grid.GetCurrentRow(), m_grid.GetRowCount() - 1);
    EXPECT_FALSE(m_grid.IsEditing());
}

TEST_F(ItemGridTest, UseThisItemIsTickedNotTyped)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(4, 7), 0);
    m_hosted.Type(" ");
    EXPECT_FALSE(TestFlagBit(Row(ROW_FIXED).m_wFlags, ITEM_FIXED_COUNTS_PRICED));
    EXPECT_EQ(m_hosted.Host().m_changes, 1);
    m_hosted.Type("x");
    EXPECT_FALSE(m_grid.IsEditing());
    m_hosted.Click(4, 7);
    EXPECT_FALSE(m_grid.IsEditing());
    // A click off the box starts no text editor over it either.
    EXPECT_EQ(m_hosted.Text(4, 7), "0");
}

TEST_F(ItemGridTest, TypingInAReadOnlyCellOpensNothing)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_PRICE, 6), 0); // the fixed price
    m_hosted.Type("7");
    EXPECT_FALSE(m_grid.IsEditing());
    EXPECT_DOUBLE_EQ(Row(ROW_FIXED).m_fUnitPrice, 5);
}

TEST(ItemGridEmpty, AProposalWithoutItemsHasNoRowsAndKeysDoNothing)
{
    auto prop = MakeBidProp();
    HostedGrid<CItemGrid> hosted(prop.get());
    EXPECT_EQ(hosted.grid.GetRowCount(), 0);
    REQUIRE_FOCUS(hosted);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Return, Qt::Key_Home, Qt::Key_End, Qt::Key_5})
        hosted.Key(key);
    hosted.Click(COLUMN_PRICE, 0);
    EXPECT_FALSE(hosted.grid.IsEditing());
    EXPECT_EQ(hosted.Host().m_changes, 0);
}

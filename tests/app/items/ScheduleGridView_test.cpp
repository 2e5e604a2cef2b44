// The bidder prices the sample in the schedule grid: prices typed and entered, a letter refused,
// Escape, the price reference file (Ctrl+R), alternate units, the typed price kept whatever the
// way out of the cell, and the clipboard keys that belong to a cell's entry alone.
#include "model/check/Recalc.h"
#include "model/files/TvbFile.h"
#include "model/settings/UnitTable.h"
#include "platform/ui/window/Shell.h"
#include "resources/ResourceIds.h"
#include "tests/app/MenuKeys.h"
#include "tests/app/items/ItemViewTestSupport.h"

#include <fstream>

namespace {

class ScheduleGridTest : public ItemViewTest {
protected:
    // The grid view on the schedule, the cursor on the first item's unit price.
    void OpenGrid()
    {
        Store("Misc", "FloppySave", "0");
        OpenSample(true);
        m_view = Show<CDV_ItemScheduleGrid>({NODE_SCHEDULE, 0});
        ASSERT_NE(m_view, nullptr);
        m_first = FindNextItem(*Prop(), -1, 1);
        m_view->ShowItem(m_first);
        Settle();
    }
    CItemGrid& Grid() { return m_view->GetItemGrid(); }

    CDV_ItemScheduleGrid* m_view = nullptr;
    int m_first = 0;
};

} // namespace

TEST_F(ScheduleGridTest, PricingTenItemsByTypingGivesTheTotalsTheModelComputes)
{
    OpenGrid();
    REQUIRE_ACTIVE_WINDOW();
    std::vector<int> priced;
    for (int n = 1; n <= 10; ++n) {
        priced.push_back(Grid().GetEditRow() >= 0 && Grid().IsEditing() ? Grid().GetEditRow() / 2 : Grid().GetCurrentRow() / 2);
        Enter(std::to_string(n) + ".25");
    }
    for (int n = 1; n <= 10; ++n)
        EXPECT_DOUBLE_EQ(Row(priced[size_t(n - 1)]).m_fUnitPrice, n + 0.25) << n;
    const std::unique_ptr<CProp> recalculated = CProp::MakeWholeCopy(*Prop());
    RecalcBidTotals(recalculated.get());
    EXPECT_DOUBLE_EQ(Prop()->m_dProposalTotal, recalculated->m_dProposalTotal);
    EXPECT_EQ(StatusTotal(), "\t\t" + Formatted(recalculated->m_dProposalTotal) + " ");
    EXPECT_EQ(m_view->GetDlgItem(CDV_ItemScheduleGrid::IDC_TOTAL)->GetWindowText(), Formatted(recalculated->m_dItemsTotal) + " ");
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(m_script.MessageBoxes().empty());
}

TEST_F(ScheduleGridTest, ALetterIsRefusedAndEscapeAbandonsLeavingTheBidAsItWas)
{
    OpenGrid();
    REQUIRE_ACTIVE_WINDOW();
    const double price = Row(m_first).m_fUnitPrice;
    const std::string total = StatusTotal();
    Enter("1O0");
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].caption, "Invalid Unit Price");
    Type("250");
    Key(Qt::Key_Escape);
    EXPECT_DOUBLE_EQ(Row(m_first).m_fUnitPrice, price);
    EXPECT_EQ(StatusTotal(), total);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(ScheduleGridTest, CtrlRPricesTheCurrentItemFromTheReferenceFileOrSaysWhyNot)
{
    std::ofstream(m_folder / "ZOD.REF") << "; prices of our own\n" << "999.999 1\n";
    testsupport::ScopedEnvironment bid("TVB_BID", m_folder.Path().c_str());
    OpenGrid();
    REQUIRE_ACTIVE_WINDOW();
    {
        std::ofstream(m_folder / "ZOD.REF") << Row(m_first).m_strItemNum << " @QUAN*0+12.34\n";
    }
    Key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(Row(m_first).m_fUnitPrice, 12.34);
    EXPECT_EQ(StatusTotal(), "\t\t" + Formatted(Prop()->m_dProposalTotal) + " ");
    EXPECT_TRUE(Doc().IsModified());
    Grid().GotoCell(Grid().GetCurrentColumn(), 2 * FindNextItem(*Prop(), m_first, 1));
    Key(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].caption, "Price Reference");
}

TEST_F(ScheduleGridTest, InAlternateUnitsPricesShowAndAreTypedPerAlternateUnit)
{
    OpenGrid();
    REQUIRE_ACTIVE_WINDOW();
    const std::string unit = Row(m_first).m_strUnit;
    SetUnitList({CUnitRow{unit, "HALF", "0.5", "", 0.5}});
    ChangeFlagBit(&Prop()->m_wFlags, PROP_SHOW_ALT_UNITS, 1);
    Doc().UpdateAllViews(nullptr, 0);
    const int unitColumn = Grid().GetDisplayColumn(CBidDataSource::COL_UNIT);
    std::string shown;
    Grid().QuickGetText(unitColumn, 2 * m_first, &shown);
    EXPECT_EQ(shown, "HALF");
    Enter("10");
    EXPECT_DOUBLE_EQ(Row(m_first).m_fUnitPrice, 5);
    ClearUnitList();
}

TEST_F(ScheduleGridTest, APriceBeingTypedIsStoredBeforeSavingAndWhenAnotherNodeIsChosen)
{
    OpenGrid();
    REQUIRE_ACTIVE_WINDOW();
    Type("321");
    ASSERT_TRUE(Grid().IsEditing());
    ASSERT_TRUE(Frame().SendCommand(ID_FILE_SAVE));
    EXPECT_DOUBLE_EQ(Row(m_first).m_fUnitPrice, 321);
    std::unique_ptr<CProp> saved;
    ASSERT_EQ(LoadTvbFile(saved, InLetting("sample.tvb"), false), 0);
    EXPECT_DOUBLE_EQ(saved->m_items[m_first]->m_fUnitPrice, 321);

    const int next = FindNextItem(*Prop(), m_first, 1);
    m_view->ShowItem(next);
    Type("654");
    ASSERT_TRUE(Tree().SelectNode({NODE_SITES, 0}));
    Settle();
    EXPECT_DOUBLE_EQ(Row(next).m_fUnitPrice, 654);
}

TEST_F(ScheduleGridTest, TheCellsTakeNoClipboardKeysAndTheEditMenuCopiesNothingFromThem)
{
    OpenGrid();
    REQUIRE_ACTIVE_WINDOW();
    ASSERT_FALSE(Grid().IsEditing());
    const std::unique_ptr<CProp> before = CProp::MakeWholeCopy(*Prop());
    const std::string column = "1.11\r\n2.22\r\n3.33\r\n4.44\r\n";
    ASSERT_TRUE(platform::SetClipboardText(column));
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_Insert, Qt::ControlModifier);
    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_E, Qt::Key_C));
    testsupport::RunPending();
    EXPECT_EQ(platform::GetClipboardText().value_or(""), column);
    for (int i = 0; i < Prop()->m_items.GetSize(); ++i) {
        EXPECT_EQ(Row(i).m_fUnitPrice, before->m_items[i]->m_fUnitPrice) << Row(i).m_strLineNum;
        EXPECT_EQ(Row(i).m_wFlags, before->m_items[i]->m_wFlags) << Row(i).m_strLineNum;
    }
    EXPECT_DOUBLE_EQ(Prop()->m_dItemsTotal, before->m_dItemsTotal);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_TRUE(m_script.MessageBoxes().empty());
}

TEST_F(ScheduleGridTest, AnEntryInACellCopiesAndPastesItsOwnText)
{
    OpenGrid();
    REQUIRE_ACTIVE_WINDOW();
    Type("123.45");
    ASSERT_TRUE(Grid().IsEditing());
    Key(Qt::Key_Home, Qt::ShiftModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(platform::GetClipboardText().value_or(""), "123.45");
    ASSERT_TRUE(platform::SetClipboardText("67.5"));
    Key(Qt::Key_Home, Qt::ShiftModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(Row(m_first).m_fUnitPrice, 67.5);
}

TEST_F(ScheduleGridTest, ClosingTheWindowWithAPriceBeingTypedAsksToSaveIt)
{
    OpenGrid();
    REQUIRE_ACTIVE_WINDOW();
    Type("432");
    ASSERT_TRUE(Grid().IsEditing());
    m_script.AnswerMessageBox(IDCANCEL); // keep the window open
    Frame().SendMessage(WM_CLOSE);
    Settle();
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_DOUBLE_EQ(Row(m_first).m_fUnitPrice, 432);
    EXPECT_TRUE(Doc().IsModified());
}

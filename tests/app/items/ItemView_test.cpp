// The bidder prices the sample item by item in the tree: a price or a formula typed and left,
// a letter refused, alternate units, a lump-sum and a fixed-price item, the Prev and Next buttons.
#include "app/grids/ItemDisplay.h"
#include "model/check/Recalc.h"
#include "model/settings/UnitTable.h"
#include "platform/ui/controls/Button.h"
#include "tests/app/items/ItemViewTestSupport.h"

namespace {

class ItemFormTest : public ItemViewTest {
protected:
    void OpenItem(int index)
    {
        if (!Prop())
            OpenSample(false);
        m_index = index;
        m_view = Show<CDV_Item>({NODE_ITEM, index});
        ASSERT_NE(m_view, nullptr);
    }
    CWnd& Control(UINT id) { return *m_view->GetDlgItem(id); }
    std::string Text(UINT id) { return Control(id).GetWindowText(); }
    // Typed over the edit's text, then Tab to the next control.
    void TypeInto(UINT id, const std::string& text)
    {
        Control(id).SetFocus();
        Settle();
        QTest::keyClick(Focus(), Qt::Key_A, Qt::ControlModifier);
        Type(text);
        Key(Qt::Key_Tab);
        Settle();
    }
    CItem& Item() { return Row(m_index); }

    CDV_Item* m_view = nullptr;
    int m_index = 0;
};

} // namespace

TEST_F(ItemFormTest, APriceOrAFormulaTypedIsStoredWhenTheBidderMovesOn)
{
    OpenSample(false);
    OpenItem(FindNextItem(*Prop(), -1, 1));
    REQUIRE_ACTIVE_WINDOW();
    TypeInto(CDV_Item::IDC_UNIT_PRICE, "12.5*2");
    EXPECT_DOUBLE_EQ(Item().m_fUnitPrice, 25);
    EXPECT_TRUE(Doc().IsModified());
    const std::unique_ptr<CProp> recalculated = CProp::MakeWholeCopy(*Prop());
    RecalcBidTotals(recalculated.get());
    EXPECT_DOUBLE_EQ(Prop()->m_dProposalTotal, recalculated->m_dProposalTotal);
    EXPECT_EQ(StatusTotal(), "\t\t" + Formatted(recalculated->m_dProposalTotal) + " ");
    EXPECT_EQ(Text(CDV_Item::IDC_EXTENSION), ExtensionText(*Prop(), Item().m_fExtension));
    EXPECT_TRUE(m_script.MessageBoxes().empty());
}

TEST_F(ItemFormTest, ALetterIsRefusedWithTheFieldNamedAndThePriceStays)
{
    OpenSample(false);
    OpenItem(FindNextItem(*Prop(), -1, 1));
    REQUIRE_ACTIVE_WINDOW();
    const double price = Item().m_fUnitPrice;
    const std::string shown = Text(CDV_Item::IDC_UNIT_PRICE);
    TypeInto(CDV_Item::IDC_UNIT_PRICE, "4x");
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].caption, "Invalid Unit Price");
    EXPECT_DOUBLE_EQ(Item().m_fUnitPrice, price);
    EXPECT_EQ(Text(CDV_Item::IDC_UNIT_PRICE), shown);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(ItemFormTest, InAlternateUnitsTheItemShowsAndTakesItsPricePerAlternateUnit)
{
    OpenSample(false);
    const int index = FindNextItem(*Prop(), -1, 1);
    ChangeFlagBit(&Row(index).m_wFlags, ITEM_LUMP_SUM, 0);
    Row(index).m_fQuan = 10;
    Row(index).m_fUnitPrice = 8;
    SetUnitList({CUnitRow{Row(index).m_strUnit, "DOUBLE", "2", "", 2}});
    ChangeFlagBit(&Prop()->m_wFlags, PROP_SHOW_ALT_UNITS, 1);
    OpenItem(index);
    REQUIRE_ACTIVE_WINDOW();
    EXPECT_EQ(Text(CDV_Item::IDC_UNIT), "DOUBLE");
    EXPECT_NE(Text(CDV_Item::IDC_QUANTITY).find("20"), std::string::npos) << Text(CDV_Item::IDC_QUANTITY);
    EXPECT_NE(Text(CDV_Item::IDC_UNIT_PRICE).find("4.00"), std::string::npos) << Text(CDV_Item::IDC_UNIT_PRICE);
    TypeInto(CDV_Item::IDC_UNIT_PRICE, "3");
    EXPECT_DOUBLE_EQ(Item().m_fUnitPrice, 6);
    ClearUnitList();
}

TEST_F(ItemFormTest, ALumpSumItemShowsLumpForItsQuantityWhateverItIs)
{
    OpenSample(false);
    const int index = FindNextItem(*Prop(), -1, 1);
    ChangeFlagBit(&Row(index).m_wFlags, ITEM_LUMP_SUM, 0);
    Row(index).m_fQuan = 7;
    OpenItem(index);
    EXPECT_NE(Text(CDV_Item::IDC_QUANTITY).find('7'), std::string::npos);
    ChangeFlagBit(&Row(index).m_wFlags, ITEM_LUMP_SUM, 1);
    Doc().UpdateAllViews(nullptr, 0);
    EXPECT_EQ(Text(CDV_Item::IDC_QUANTITY), "LUMP");
}

TEST_F(ItemFormTest, AFixedPriceItemCannotBeTypedAndUseItCountsItInTheTotal)
{
    OpenSample(false);
    const int index = FindNextItem(*Prop(), -1, 1);
    CItem& item = Row(index);
    ChangeFlagBit(&item.m_wFlags, ITEM_FIXED_PRICE, 1);
    ChangeFlagBit(&item.m_wFlags, ITEM_FIXED_COUNTS_PRICED, 0);
    item.m_fQuan = 3;
    item.m_fUnitPrice = 100;
    RecalcBidTotals(Prop());
    OpenItem(index);
    REQUIRE_ACTIVE_WINDOW();
    EXPECT_TRUE(Control(CDV_Item::IDC_FIXED_PRICE).IsWindowVisible());
    EXPECT_FALSE(Control(CDV_Item::IDC_UNIT_PRICE).IsWindowEnabled());
    EXPECT_FALSE(Control(CDV_Item::IDC_QUANTITY).IsWindowEnabled());
    CWnd& useIt = Control(CDV_Item::IDC_USE_IT);
    ASSERT_TRUE(useIt.IsWindowVisible());
    const double before = Prop()->m_dProposalTotal;
    QTest::mouseClick(useIt.GetWidget(), Qt::LeftButton);
    Settle();
    EXPECT_TRUE(TestFlagBit(item.m_wFlags, ITEM_FIXED_COUNTS_PRICED));
    EXPECT_DOUBLE_EQ(Prop()->m_dProposalTotal, before + 300);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(ItemFormTest, PrevIsOffOnTheFirstItemNextOnTheLastAndTheButtonsStepThroughTheItems)
{
    OpenSample(false);
    const int first = FindNextItem(*Prop(), -1, 1);
    OpenItem(first);
    EXPECT_FALSE(Control(CDV_Item::IDC_PREV_ITEM).IsWindowEnabled());
    EXPECT_TRUE(Control(CDV_Item::IDC_NEXT_ITEM).IsWindowEnabled());
    QTest::mouseClick(Control(CDV_Item::IDC_NEXT_ITEM).GetWidget(), Qt::LeftButton);
    Settle();
    ASSERT_TRUE(Tree().SelectedNode());
    EXPECT_EQ(Tree().SelectedNode()->index, FindNextItem(*Prop(), first, 1));

    const int last = FindNextItem(*Prop(), Prop()->m_items.GetSize(), -1);
    OpenItem(last);
    EXPECT_TRUE(Control(CDV_Item::IDC_PREV_ITEM).IsWindowEnabled());
    EXPECT_FALSE(Control(CDV_Item::IDC_NEXT_ITEM).IsWindowEnabled());
}

#include "model/eval/Evaluator.h"
#include "model/records/ItemColumns.h"
#include "tests/model/support/ItemTestSupport.h"

#include <gtest/gtest.h>

TEST(ItemColumns, NamesIgnoreCaseAndUnknownIdsGetTheDefaultSize)
{
    EXPECT_EQ(GetItemColumnId("unitprice"), 6);
    EXPECT_EQ(GetItemColumnId("CONTRACTID"), 18);
    EXPECT_EQ(GetItemColumnId("Line"), 0);
    EXPECT_EQ(GetItemColumnDefaultSize(13), 80);
    EXPECT_EQ(GetItemColumnDefaultSize(19), 8);
    EXPECT_EQ(GetItemColumnDefaultSize(-4), 8);
    EXPECT_EQ(GetItemColumnName(99), "");
}

TEST(ItemColumns, ValuesOfAnItemItsSectionAndTheProposal)
{
    CItemColumnContext proposal;
    proposal.callOrder = "042";
    proposal.quantityWidth = 10;
    proposal.quantityDecimals = 1;
    proposal.priceWidth = 2;
    proposal.priceDecimals = 2;
    auto item = MakeItem("0010", "201-A", "Clearing");
    item->m_fQuan = 1234.56;
    item->m_fUnitPrice = 5.5;
    ChangeFlagBit(&item->m_wFlags, ITEM_LUMP_SUM, 1);
    auto section = MakeSection("0001", "Earthwork");

    const CItemColumnValue quantity = GetItemColumnValue(proposal, *item, section.get(), ITEM_COL_QUANTITY, 3);
    EXPECT_EQ(quantity.text, "1234.6");
    EXPECT_TRUE(quantity.numeric);
    EXPECT_EQ(quantity.pricedValue, ITEM_VALUE_QUANTITY);
    EXPECT_EQ(quantity.decimals, 1);
    EXPECT_EQ(GetItemColumnValue(proposal, *item, nullptr, ITEM_COL_UNIT_PRICE, 3).text, "5.50");
    item->m_fUnitPrice = 123;
    EXPECT_EQ(GetItemColumnValue(proposal, *item, nullptr, ITEM_COL_UNIT_PRICE, 3).text, "**") << "wider than its field";
    item->m_fUnitPrice = MakeEvalErrorValue();
    const CItemColumnValue notEntered = GetItemColumnValue(proposal, *item, nullptr, ITEM_COL_UNIT_PRICE, 3);
    EXPECT_EQ(notEntered.text, "");
    EXPECT_EQ(notEntered.pricedValue, ITEM_VALUE_UNIT_PRICE);

    EXPECT_EQ(GetItemColumnValue(proposal, *item, nullptr, ITEM_COL_LUMP_SUM_FLAG, 3).text, "TRUE");
    EXPECT_EQ(GetItemColumnValue(proposal, *section, nullptr, ITEM_COL_LUMP_SUM_FLAG, 3).text, "FALSE");
    EXPECT_EQ(GetItemColumnValue(proposal, *item, section.get(), ITEM_COL_SECTION_DESC, 3).text, "Earthwork");
    EXPECT_FALSE(GetItemColumnValue(proposal, *item, nullptr, ITEM_COL_SECTION_NUMBER, 3).text.has_value());
    EXPECT_FALSE(GetItemColumnValue(proposal, *item, nullptr, ITEM_COL_SKIP, 3).text.has_value());
    EXPECT_FALSE(GetItemColumnValue(proposal, *item, nullptr, 77, 3).text.has_value());
    EXPECT_EQ(GetItemColumnValue(proposal, *item, nullptr, ITEM_COL_CALL_ORDER, 3).text, "042");

    const CItemColumnValue index = GetItemColumnValue(proposal, *item, nullptr, ITEM_COL_INDEX, 17);
    EXPECT_EQ(index.text, "17");
    EXPECT_TRUE(index.numeric);
    EXPECT_EQ(index.number, 17);
}

#include "model/records/ItemColumns.h"

#include "model/text/Dates.h"
#include "model/eval/Evaluator.h"
#include "model/text/FlagWord.h"
#include "model/text/NumberFormat.h"

#include <array>

namespace {

struct ColumnSpec {
    std::string_view name;
    int size;
};

constexpr std::array<ColumnSpec, 18> kColumns{{
    {"LineNumber", 6}, {"AltCode", 6}, {"ItemNumber", 15}, {"Quantity", 16}, {"Unit", 6},
    {"UnitPrice", 16}, {"LumpSumFlag", 6}, {"ShortDesc", 40}, {"LongDesc", 80}, {"Skip", 4},
    {"SectionNumber", 6}, {"SectionAlt", 6}, {"SectionDesc", 80}, {"Index", 4}, {"LettingDate", 10},
    {"LettingID", 16}, {"CallOrder", 8}, {"ContractID", 16},
}};

constexpr int kOtherColumnSize = 8;

const ColumnSpec* FindColumn(int id)
{
    return id >= 1 && id <= static_cast<int>(kColumns.size()) ? &kColumns[static_cast<size_t>(id - 1)] : nullptr;
}

// Quantities and prices: plain digits with the proposal's width and decimals; nothing entered
// gives the empty text.
CItemColumnValue PricedValue(double value, int width, int decimals, ItemPricedValue which)
{
    CItemColumnValue result;
    result.numeric = true;
    result.number = value;
    result.decimals = decimals;
    result.pricedValue = which;
    result.text = IsEvalValueValid(value) ? FormatDollars(value, width, decimals, false, false) : std::string();
    return result;
}

CItemColumnValue Text(std::string text)
{
    CItemColumnValue result;
    result.text = std::move(text);
    return result;
}

std::optional<std::string> SectionText(const CItem* section, const std::string CItem::*field)
{
    if (!section)
        return std::nullopt;
    return section->*field;
}

} // namespace

int GetItemColumnId(std::string_view name)
{
    for (size_t i = 0; i < kColumns.size(); ++i)
        if (EqualsIgnoringCase(kColumns[i].name, name))
            return static_cast<int>(i) + 1;
    return 0;
}

int GetItemColumnDefaultSize(int id)
{
    const ColumnSpec* column = FindColumn(id);
    return column ? column->size : kOtherColumnSize;
}

std::string_view GetItemColumnName(int id)
{
    const ColumnSpec* column = FindColumn(id);
    return column ? column->name : std::string_view();
}

CItemColumnValue GetItemColumnValue(const CItemColumnContext& proposal, const CItem& item,
                                    const CItem* section, int columnId, int index)
{
    switch (columnId) {
    case ITEM_COL_LINE_NUMBER: return Text(item.m_strLineNum);
    case ITEM_COL_ALT_CODE: return Text(item.m_strAltCode);
    case ITEM_COL_ITEM_NUMBER: return Text(item.m_strItemNum);
    case ITEM_COL_QUANTITY:
        return PricedValue(item.m_fQuan, proposal.quantityWidth, proposal.quantityDecimals, ITEM_VALUE_QUANTITY);
    case ITEM_COL_UNIT: return Text(item.m_strUnit);
    case ITEM_COL_UNIT_PRICE:
        return PricedValue(item.m_fUnitPrice, proposal.priceWidth, proposal.priceDecimals, ITEM_VALUE_UNIT_PRICE);
    case ITEM_COL_LUMP_SUM_FLAG: return Text(TestFlagBit(item.m_wFlags, ITEM_LUMP_SUM) ? "TRUE" : "FALSE");
    case ITEM_COL_SHORT_DESC: return Text(item.m_strShortDesc);
    case ITEM_COL_LONG_DESC: return Text(item.m_strLongDesc);
    case ITEM_COL_SECTION_NUMBER: return {SectionText(section, &CItem::m_strLineNum)};
    case ITEM_COL_SECTION_ALT: return {SectionText(section, &CItem::m_strAltCode)};
    case ITEM_COL_SECTION_DESC: return {SectionText(section, &CItem::m_strLongDesc)};
    case ITEM_COL_INDEX: {
        CItemColumnValue result = Text(std::to_string(index));
        result.numeric = true;
        result.number = index;
        return result;
    }
    case ITEM_COL_LETTING_DATE: return Text(FormatDate(proposal.lettingDate, 0));
    case ITEM_COL_LETTING_ID: return Text(proposal.lettingId);
    case ITEM_COL_CALL_ORDER: return Text(proposal.callOrder);
    case ITEM_COL_CONTRACT_ID: return Text(proposal.contractId);
    default: return {}; // "Skip" and ids outside the table have no value
    }
}

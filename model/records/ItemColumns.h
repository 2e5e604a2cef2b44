#pragma once

#include "model/records/Item.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

// Columns by which flat files and the grids address an item's values (ids 1 to 18).
enum ItemColumnId {
    ITEM_COL_LINE_NUMBER = 1,
    ITEM_COL_ALT_CODE,
    ITEM_COL_ITEM_NUMBER,
    ITEM_COL_QUANTITY,
    ITEM_COL_UNIT,
    ITEM_COL_UNIT_PRICE,
    ITEM_COL_LUMP_SUM_FLAG,
    ITEM_COL_SHORT_DESC,
    ITEM_COL_LONG_DESC,
    ITEM_COL_SKIP,
    ITEM_COL_SECTION_NUMBER,
    ITEM_COL_SECTION_ALT,
    ITEM_COL_SECTION_DESC,
    ITEM_COL_INDEX,
    ITEM_COL_LETTING_DATE,
    ITEM_COL_LETTING_ID,
    ITEM_COL_CALL_ORDER,
    ITEM_COL_CONTRACT_ID,
};

// 1..18 for a column name (ignoring case), 0 for any other name.
int GetItemColumnId(std::string_view name);
// The column's default field width; 8 for an id outside the table.
int GetItemColumnDefaultSize(int id);
// The column's name; empty for an id outside the table.
std::string_view GetItemColumnName(int id);

// What the proposal contributes to an item's columns.
struct CItemColumnContext {
    std::time_t lettingDate = 0;
    std::string lettingId;
    std::string callOrder;
    std::string contractId;
    uint8_t quantityWidth = 0, quantityDecimals = 0; // number-format pair 1
    uint8_t priceWidth = 0, priceDecimals = 0;       // number-format pair 2
};

enum ItemPricedValue { ITEM_VALUE_OTHER = 0, ITEM_VALUE_QUANTITY = 1, ITEM_VALUE_UNIT_PRICE = 2 };

struct CItemColumnValue {
    std::optional<std::string> text; // none for "Skip" and ids outside the table
    bool numeric = false;
    double number = 0;               // quantity, unit price or index, when numeric
    int decimals = 3;
    ItemPricedValue pricedValue = ITEM_VALUE_OTHER;
};

// One column of `item` (at `index` in the list, under `section`, which may be null).
CItemColumnValue GetItemColumnValue(const CItemColumnContext& proposal, const CItem& item,
                                    const CItem* section, int columnId, int index);

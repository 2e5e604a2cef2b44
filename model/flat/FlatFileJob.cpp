#include "model/flat/FlatFileJob.h"

#include "model/flat/FlatImportState.h"
#include "model/records/ItemColumns.h"

#include <algorithm>

std::span<const int32_t> ActiveFlatFields(const FlatFieldList& list)
{
    const auto end = std::find(list.begin(), list.begin() + kMaxFlatFields, 0);
    return {list.begin(), end};
}

FlatFieldList MakeFlatFieldList(std::initializer_list<int32_t> entries)
{
    FlatFieldList list{};
    std::copy_n(entries.begin(), std::min<std::size_t>(entries.size(), kMaxFlatFields), list.begin());
    return list;
}

FlatFieldList DefaultFlatFields()
{
    return MakeFlatFieldList({ITEM_COL_LINE_NUMBER, ITEM_COL_ALT_CODE, ITEM_COL_ITEM_NUMBER, ITEM_COL_QUANTITY,
                              ITEM_COL_UNIT, ITEM_COL_UNIT_PRICE, ITEM_COL_SHORT_DESC});
}

FlatFieldList DefaultFlatWidths(const FlatFieldList& fields)
{
    FlatFieldList widths{};
    const auto active = ActiveFlatFields(fields);
    for (std::size_t i = 0; i < active.size(); ++i)
        widths[i] = GetItemColumnDefaultSize(active[i]);
    return widths;
}

int FlatFieldWidth(const FlatFieldList& widths, std::size_t column)
{
    if (column >= kMaxFlatFields)
        return 0;
    return std::clamp<int>(widths[column], 0, kMaxFlatFieldWidth);
}

const char* GetFlatRowResultText(int result)
{
    switch (result) {
    case FLAT_ROW_APPLIED: return "No Error";
    case FLAT_ROW_NO_ITEM: return "No item of the proposal has this line number";
    case FLAT_ROW_END: return "End of file";
    case FLAT_ROW_BAD_VALUE: return "The price or quantity cannot be evaluated";
    case FLAT_ROW_FIXED_PRICE: return "The agency fixes the price of this item";
    default: return "Unknown Error";
    }
}

const char* GetFlatExportResultText(int result)
{
    switch (result) {
    case FLAT_EXPORT_DONE: return "No Error";
    case FLAT_EXPORT_WRITE_FAILED: return "The file could not be written completely";
    case FLAT_EXPORT_TOO_MANY_ROWS: return "The proposal has more items than a 1-2-3 worksheet has rows";
    case FLAT_EXPORT_NUMBER_TOO_WIDE: return "Numbers do not fit their columns and would be cut";
    default: return "Unknown Error";
    }
}

FlatFileJob::FlatFileJob() = default;
FlatFileJob::~FlatFileJob() = default;

CFlatImportState& FlatFileJob::ImportState()
{
    if (!m_pImportState)
        m_pImportState = std::make_unique<CFlatImportState>(m_pFile);
    return *m_pImportState;
}

#include "model/flat/FlatRow.h"

#include "model/records/ItemColumns.h"

void CFlatRow::Clear(const char* placeKind, long place)
{
    m_pszPlaceKind = placeKind;
    m_iPlace = place;
    m_lineNumber.reset();
    m_unitPrice.reset();
    m_quantity.reset();
}

std::optional<CFlatValue>* CFlatRow::ValueSlot(int fieldId)
{
    switch (fieldId) {
    case ITEM_COL_UNIT_PRICE: return &m_unitPrice;
    case ITEM_COL_QUANTITY: return &m_quantity;
    default: return nullptr;
    }
}

void CFlatRow::Assign(int fieldId, std::string_view text)
{
    if (fieldId == ITEM_COL_LINE_NUMBER)
        m_lineNumber.emplace(text);
    else if (std::optional<CFlatValue>* slot = ValueSlot(fieldId))
        slot->emplace().m_strText.assign(text);
}

void CFlatRow::Assign(int fieldId, double number)
{
    if (std::optional<CFlatValue>* slot = ValueSlot(fieldId))
        slot->emplace().m_number = number;
}

bool CFlatRow::IsUsedField(int fieldId)
{
    return fieldId == ITEM_COL_LINE_NUMBER || fieldId == ITEM_COL_UNIT_PRICE || fieldId == ITEM_COL_QUANTITY;
}

bool CFlatRow::IsHeader() const
{
    return m_lineNumber && EqualsIgnoringCase(*m_lineNumber, GetItemColumnName(ITEM_COL_LINE_NUMBER));
}

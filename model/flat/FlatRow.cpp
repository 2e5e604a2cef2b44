#include "model/flat/FlatRow.h"

#include "model/records/ItemColumns.h"

void CFlatRow::Clear(std::string place)
{
    m_strPlace = std::move(place);
    m_lineNumber.reset();
    m_unitPrice.reset();
    m_quantity.reset();
}

void CFlatRow::Assign(int fieldId, CFlatValue value)
{
    switch (fieldId) {
    case ITEM_COL_LINE_NUMBER: m_lineNumber = std::move(value.m_strText); break;
    case ITEM_COL_UNIT_PRICE: m_unitPrice = std::move(value); break;
    case ITEM_COL_QUANTITY: m_quantity = std::move(value); break;
    default: break;
    }
}

bool CFlatRow::IsHeader() const
{
    return m_lineNumber && EqualsIgnoringCase(*m_lineNumber, GetItemColumnName(ITEM_COL_LINE_NUMBER));
}

#include "app/firms/DBEItemDataSource.h"

#include "app/firms/DBEItemGrid.h"
#include "app/firms/FirmItemEntries.h"
#include "app/firms/FirmItemPane.h"
#include "controls/grid/GridCtrl.h"
#include "controls/views/ViewColorScheme.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/settings/UnitConversion.h"
#include "model/text/FlagWord.h"
#include "model/text/NumberFormat.h"

#include <numeric>

namespace {

constexpr const char* kFontFace = "MS Sans Serif";
constexpr int kDataFontHeight = 12;
constexpr int kBoldFontHeight = 14;
constexpr int kBold = 700;
// A sunken box with a cross for a tick.
constexpr int kUseBoxStyle = 0x1100;
constexpr const char* kSectionMark = "==Section==";

double Scaled(double value, double factor, bool multiply)
{
    if (!IsEvalValueValid(value))
        return value;
    return multiply ? value * factor : value / factor;
}

} // namespace

void CDBEItemDataSource::SetupCells(CDBEItemGrid* grid, CProp* prop, int firmIndex)
{
    m_pGrid = grid;
    SetGrid(grid);
    m_iDataFont = grid->AddFont(kFontFace, kDataFontHeight, kBold);
    m_iBoldFont = grid->AddFont(kFontFace, kBoldFontHeight, kBold);
    m_pProp = prop;
    m_iFirmIndex = firmIndex;
    m_iRowCount = prop ? prop->m_items.GetSize() : 0;
    m_rowToItem.resize(size_t(m_iRowCount));
    std::iota(m_rowToItem.begin(), m_rowToItem.end(), 0);
    m_bManyColors = ScreenHasColors();
    // Entries read from a file are found by line number only once the lookup is built.
    if (prop)
        for (int kind : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
            RebuildFirmItemLines(*prop, kind);
}

int CDBEItemDataSource::ItemOfRow(int row) const
{
    return row >= 0 && row < int(m_rowToItem.size()) ? m_rowToItem[size_t(row)] : -1;
}

int CDBEItemDataSource::RowCount()
{
    return m_iRowCount;
}

int CDBEItemDataSource::ColumnCount()
{
    return kColumnCount;
}

int CDBEItemDataSource::ReadCell(int column, int row, CGridCell* cell)
{
    if (!m_pProp || column < 0 || column >= kColumnCount)
        return 1;
    if (row == -1) {
        cell->SetText(m_strHeadings[size_t(column)]);
        Format(column, row, HEADING, cell);
        return 0;
    }
    const int index = ItemOfRow(row);
    const CItem* item = m_pProp->m_items.GetAtOrNull(index);
    if (!item)
        return 1;
    const Kind kind = item->IsSection() ? SECTION_ROW : ITEM_ROW;
    if (kind == SECTION_ROW)
        ReadSectionCell(column, *item, cell);
    else
        ReadItemCell(column, index, *item, cell);
    Format(column, row, kind, cell);
    return 0;
}

std::string CDBEItemDataSource::Money(double value, int format) const
{
    const CNumberFormat& shape = m_pProp->m_numberFormats[size_t(format)];
    return FormatAmount(value, shape.m_byWidth, shape.m_byDecimals, true,
                        format == NUMFMT_QUANTITY ? std::string_view() : m_pProp->GetCurrencySymbol(0));
}

void CDBEItemDataSource::ReadSectionCell(int column, const CItem& section, CGridCell* cell) const
{
    cell->SetReadOnly(1);
    switch (column) {
    case LINE: cell->SetText(section.m_strLineNum); break;
    case ITEM: cell->SetText(kSectionMark); break;
    case EXTENSION: cell->SetText(Money(section.m_fExtension, NUMFMT_AMOUNT)); break;
    case DESCRIPTION: cell->SetText(section.m_strLongDesc); break;
    default: cell->SetText(""); break;
    }
}

CDBEItemDataSource::Shown CDBEItemDataSource::ShownValues(const CItem& item, const CDBEItem* entry) const
{
    Shown shown = entry ? Shown{entry->m_dQuantity, entry->m_dUnitPrice, entry->m_dExtension, item.m_strUnit}
                        : Shown{m_pProp->GetUncommittedQuantity(&item, m_iFirmType), item.m_fUnitPrice,
                                item.m_fExtension, item.m_strUnit};
    if (!TestFlagBit(m_pProp->m_wFlags, PROP_SHOW_ALT_UNITS))
        return shown;
    double factor = 1;
    shown.unit = FindUnitConversion(&item, factor);
    if (!IsEvalValueValid(factor) || factor == 0) {
        shown.quantity = shown.unitPrice = MakeEvalErrorValue();
        return shown;
    }
    shown.quantity = Scaled(shown.quantity, factor, true);
    shown.unitPrice = Scaled(shown.unitPrice, factor, false);
    return shown;
}

void CDBEItemDataSource::ReadItemCell(int column, int index, const CItem& item, CGridCell* cell) const
{
    const CDBEItem* entry = FindFirmItemEntry(*m_pProp, m_iFirmType, m_iFirmIndex, index);
    cell->SetCellType(column == USE ? GRID_CELLTYPE_CHECKBOX : GRID_CELLTYPE_NORMAL);
    cell->SetReadOnly(column == USE ? !IsCommittableItem(*m_pProp, index) : 1);
    if (column == USE) {
        cell->SetCellTypeEx(kUseBoxStyle);
        cell->SetLabelText("");
        cell->SetBool(entry != nullptr);
        return;
    }
    const Shown shown = ShownValues(item, entry);
    switch (column) {
    case LINE: cell->SetText(item.m_strLineNum); break;
    case ITEM: cell->SetText(item.m_strItemNum); break;
    case QUANTITY: cell->SetText(Money(shown.quantity, NUMFMT_QUANTITY)); break;
    case UNIT: cell->SetText(shown.unit); break;
    case UNIT_PRICE: cell->SetText(Money(shown.unitPrice, NUMFMT_UNIT_PRICE)); break;
    case EXTENSION: cell->SetText(Money(shown.extension, NUMFMT_AMOUNT)); break;
    default: cell->SetText(item.m_strShortDesc); break;
    }
}

int CDBEItemDataSource::WriteCell(int column, int row, CGridCell* cell)
{
    const int item = ItemOfRow(row);
    if (!m_pProp || !m_pGrid || column != USE || !IsCommittableItem(*m_pProp, item))
        return 0;
    // What the bidder typed in the form below is stored (or refused) before the item changes.
    CFirmItemPane* pane = m_pGrid->GetFirmItemView();
    if (pane && !pane->StoreTypedValues())
        return 0;
    if (SetItemCommitted(*m_pProp, m_iFirmType, m_iFirmIndex, item, cell->GetNumber() > 0)) {
        RecheckCommitments(*m_pProp, m_iFirmIndex);
        m_pGrid->OnFirmItemsChanged();
    }
    if (pane)
        pane->RefreshFirmItem();
    m_pGrid->OnCommitmentStored(row);
    return 1;
}

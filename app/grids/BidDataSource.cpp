// The item grid's cells: templates made once, then each cell read from the proposal on demand.
#include "app/grids/BidDataSource.h"

#include "app/grids/GridColors.h"
#include "app/grids/ItemDisplay.h"
#include "app/grids/ItemGrid.h"
#include "model/records/Prop.h"
#include "platform/ui/draw/SystemMetrics.h"

namespace {

constexpr int kSecondRow = 8;
constexpr int kFixedDescription = 14;
constexpr int kFixedSecondHalf = 15;
constexpr int kSectionSecondRow = 6;
constexpr short kRightAligned = 2;
constexpr short kBottomLine = 8;
constexpr short kSunkenEdge = 0x1000;
constexpr int kCheckBoxStyle = 0x1100;
constexpr const char* kHeadings[] = {"Line", "Item", "Quantity", "Unit", "Unit Price", "Extension"};

void MakeEntryCell(CGridCell& cell)
{
    cell.SetReadOnly(0);
    cell.SetBorderStyle(kSunkenEdge);
}

// The cell at origin spans `more` columns to its right; those point back to it.
template <class Cells>
void Join(Cells& cells, int origin, int more)
{
    cells[size_t(origin)].SetJoinInfo(1, more, 0);
    for (int i = 1; i <= more; ++i)
        cells[size_t(origin + i)].SetJoinInfo(0, -i, 0);
}

} // namespace

CItemGrid& CBidDataSource::Grid() const
{
    return static_cast<CItemGrid&>(*m_pGrid);
}

int CBidDataSource::RowCount()
{
    return m_pProp ? 2 * m_pProp->m_items.GetSize() : 0;
}

void CBidDataSource::SetupCells()
{
    AddDefaultFont();
    CFont* section = m_pGrid->GetFont(AddBoldFont());
    CFont* heading = m_pGrid->GetFont(AddBoldFont());
    SetupItemCells(section);
    for (int column = 0; column < kColumns; ++column) {
        CGridCell& cell = m_headingCells[size_t(column)];
        m_pGrid->GetHeadingDefaultCell(&cell);
        cell.SetFont(heading);
        cell.SetText(kHeadings[column]);
    }
    SetupJoins();
    TakeColors();
}

void CBidDataSource::SetupItemCells(CFont* section)
{
    for (int place = 0; place < kColumns; ++place) {
        for (CGridCell* cell : {&m_itemCells[size_t(place)], &m_itemCells[size_t(kSecondRow + place)]}) {
            cell->SetTextColor(GetSysColor(COLOR_BTNTEXT));
            cell->SetReadOnly(1);
        }
        m_itemCells[size_t(kSecondRow + place)].SetBorderStyle(kBottomLine);
        for (CGridCell* cell : {&m_sectionCells[size_t(place)], &m_sectionCells[size_t(kSectionSecondRow + place)]}) {
            cell->SetTextColor(GetSysColor(COLOR_CAPTIONTEXT));
            cell->SetReadOnly(1);
            cell->SetFont(section);
        }
        m_sectionCells[size_t(kSectionSecondRow + place)].SetBorderStyle(kBottomLine);
    }
    for (const int column : {COL_QUANTITY, COL_UNIT_PRICE, COL_EXTENSION})
        m_itemCells[size_t(column)].SetAlignment(kRightAligned);
    m_sectionCells[COL_EXTENSION].SetAlignment(kRightAligned);
    MakeEntryCell(m_itemCells[COL_UNIT_PRICE]);
    // The fixed-price item's description is narrower, beside "Use this item".
    m_itemCells[kFixedDescription].CopyFrom(m_itemCells[kSecondRow + 1]);
    m_itemCells[kFixedSecondHalf].CopyFrom(m_itemCells[kSecondRow + 2]);
    m_checkCell.CopyFrom(m_itemCells[kSecondRow]);
    m_checkCell.SetBool(false);
    m_checkCell.SetReadOnly(0);
    m_checkCell.SetCellType(GRID_CELLTYPE_CHECKBOX);
    m_checkCell.SetCellTypeEx(kCheckBoxStyle);
    m_checkCell.SetLabelText("Use this item");
}

void CBidDataSource::SetupJoins()
{
    Join(m_itemCells, kFixedDescription, 1);
    Join(m_itemCells, kSecondRow + 1, 4);
    Join(m_sectionCells, kSectionSecondRow + 1, 4);
    Join(m_sectionCells, 0, 4);
}

int CBidDataSource::ReadCell(int column, int row, CGridCell* cell)
{
    if (!m_pProp || column < 0 || column >= kColumns)
        return 1;
    if (row == -1) {
        cell->CopyFrom(m_headingCells[size_t(Grid().GetLogicalColumn(column))]);
        return 0;
    }
    const CItem* found = Grid().GetItemOfRow(row);
    if (!found)
        return 1;
    const CItem& item = *found;
    const int index = row / 2;
    if (item.IsSection())
        ReadSectionRow(column, row, item, cell);
    else if (row % 2 == 0)
        ReadFirstRow(column, item, index, cell);
    else
        ReadSecondRow(column, item, index, cell);
    return 0;
}

void CBidDataSource::ReadFirstRow(int column, const CItem& item, int index, CGridCell* cell)
{
    const int logical = Grid().GetLogicalColumn(column);
    const bool fixedPrice = IsFixedPrice(item);
    cell->CopyFrom(m_itemCells[size_t(logical == COL_UNIT_PRICE && fixedPrice ? COL_EXTENSION : logical)]);
    bool editable = logical == COL_UNIT_PRICE && !fixedPrice;
    if (logical == COL_QUANTITY) {
        editable = MayEnterQuantity(item);
        cell->SetReadOnly(editable ? 0 : 1);
        cell->SetBorderStyle(editable ? kSunkenEdge : 0);
    }
    SetCellColor(cell, item, index, editable);
    switch (logical) {
    case COL_LINE: cell->SetText(item.m_strLineNum); break;
    case COL_ITEM: cell->SetText(item.m_strItemNum); break;
    case COL_QUANTITY: cell->SetText(ShownQuantityText(*m_pProp, item)); break;
    case COL_UNIT: cell->SetText(ShowItemValues(*m_pProp, item).unit); break;
    case COL_UNIT_PRICE: cell->SetText(ShownUnitPriceText(*m_pProp, item)); break;
    default: cell->SetText(ExtensionText(*m_pProp, item.m_fExtension)); break;
    }
}

void CBidDataSource::ReadSecondRow(int column, const CItem& item, int index, CGridCell* cell)
{
    const bool useBox = OffersUseThisItem(*m_pProp, item);
    if (useBox && column == kUseColumn) {
        cell->CopyFrom(m_checkCell);
        cell->SetBool(TestFlagBit(item.m_wFlags, ITEM_FIXED_COUNTS_PRICED));
        SetCellColor(cell, item, index, true);
        return;
    }
    int cellIndex = kSecondRow + column;
    if (useBox && column > 0)
        cellIndex = column == 1 ? kFixedDescription : column == 2 ? kFixedSecondHalf : kSecondRow;
    cell->CopyFrom(m_itemCells[size_t(cellIndex)]);
    SetCellColor(cell, item, index, false);
    if (column == 0)
        cell->SetText(item.m_strAltCode);
    else if (column == 1)
        cell->SetText(item.m_strShortDesc);
}

void CBidDataSource::ReadSectionRow(int column, int row, const CItem& item, CGridCell* cell)
{
    const bool firstRow = row % 2 == 0;
    cell->CopyFrom(m_sectionCells[size_t(firstRow ? column : kSectionSecondRow + column)]);
    SetCellColor(cell, item, row / 2, false);
    if (firstRow && column == 0)
        cell->SetText("  Section " + item.m_strLineNum);
    else if (firstRow && column == COL_EXTENSION && TestFlagBit(m_pProp->m_wNumberFormatFlags, NUMFMT_SECTION_TOTALS))
        cell->SetText(ExtensionText(*m_pProp, item.m_fExtension));
    else if (!firstRow && column == 0)
        cell->SetText(item.m_strAltCode);
    else if (!firstRow && column == 1)
        cell->SetText(item.m_strLongDesc);
}

void CBidDataSource::SetCellColor(CGridCell* cell, const CItem& item, int index, bool editable) const
{
    const bool colorMode = IsGridColorMode(m_bManyColors);
    if (item.IsSection())
        cell->SetBackColor(colorMode ? GridLabelColor() : GetSysColor(COLOR_ACTIVECAPTION));
    else if (editable)
        cell->SetBackColor(GetSysColor(COLOR_WINDOW));
    else if (index == m_pGrid->GetCurrentRecord())
        cell->SetBackColor(colorMode ? GridSelectionColor() : m_crHighlight);
    else
        cell->SetBackColor(colorMode ? GridShadeColor(index, m_pProp->m_items.GetSize()) : GetSysColor(COLOR_BTNFACE));
}

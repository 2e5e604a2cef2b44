// Reading and writing cells: column defaults, the data source, the hook, then the
// cell's own adjust object and style cell.
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridDataSource.h"
#include "controls/grid/GridInfo.h"

CGridDataSource* CGridCtrl::SourceOfColumn(int column) const
{
    const CGridInfo* info = GetGridInfo();
    if (column >= 0 && column < info->m_columnCount && info->m_columns[column].m_dataSource)
        return info->m_columns[column].m_dataSource;
    return info->m_defaultSource;
}

int CGridCtrl::MapColumn(int column) const
{
    const CGridInfo* info = GetGridInfo();
    if (column >= 0 && column < info->m_columnCount)
        return info->m_columns[column].m_mappedColumn;
    return column;
}

int CGridCtrl::GetCell(int column, int row, CGridCell* cell)
{
    CGridInfo* info = GetGridInfo();
    cell->SetPropertyMask(0);
    const bool dataColumn = column >= 0 && column < info->m_columnCount;
    if (dataColumn && row >= 0)
        cell->CopyFrom(*info->m_columns[column].m_defaultCell);
    else
        cell->CopyFrom(info->m_headingDefaultCell);
    const int mapped = MapColumn(column);
    if (row < info->m_rowCount) {
        // Row headings always come from the sheet's default source.
        CGridDataSource* source = column < 0 ? info->m_defaultSource : SourceOfColumn(column);
        source->ReadCell(mapped, row, cell);
    }
    OnBeforeGetCell(mapped, row, cell);
    if (CGridCellAdjust* adjust = cell->GetCellAdjust())
        adjust->AdjustCell(cell);
    if (CGridCell* style = cell->GetStyleCell(); style && style != cell)
        cell->AddFrom(*style);
    return 0;
}

int CGridCtrl::SetCell(int column, int row, CGridCell* cell)
{
    OnBeforeSetCell(column, row, cell);
    CGridDataSource* source = column < 0 ? GetGridInfo()->m_defaultSource : SourceOfColumn(column);
    return source->WriteCell(MapColumn(column), row, cell);
}

int CGridCtrl::ReadDataSourceCell(int column, int row, CGridCell* cell)
{
    if (column >= GetGridInfo()->m_columnCount)
        return 1;
    CGridDataSource* source = column < 0 ? GetGridInfo()->m_defaultSource : SourceOfColumn(column);
    return source->ReadCell(MapColumn(column), row, cell);
}

namespace {

// Read a cell straight from its source into an emptied work cell.
template <typename Change>
int ChangeStoredCell(CGridCtrl& grid, CGridCell& work, int column, int row, Change change)
{
    work.ClearAll();
    grid.ReadDataSourceCell(column, row, &work);
    change(work);
    grid.SetCell(column, row, &work);
    return 0;
}

}  // namespace

int CGridCtrl::QuickSetText(int column, int row, const char* text)
{
    return ChangeStoredCell(*this, m_workCell, column, row, [text](CGridCell& c) { c.SetText(text); });
}

int CGridCtrl::QuickSetLabelText(int column, int row, const char* text)
{
    return ChangeStoredCell(*this, m_workCell, column, row, [text](CGridCell& c) { c.SetLabelText(text); });
}

int CGridCtrl::QuickSetCellType(int column, int row, int type)
{
    return ChangeStoredCell(*this, m_workCell, column, row, [type](CGridCell& c) { c.SetCellType(type); });
}

int CGridCtrl::QuickSetCellTypeEx(int column, int row, int style)
{
    return ChangeStoredCell(*this, m_workCell, column, row, [style](CGridCell& c) { c.SetCellTypeEx(style); });
}

int CGridCtrl::QuickGetText(int column, int row, std::string* text)
{
    GetCell(column, row, &m_workCell);
    const char* value = m_workCell.GetText();
    *text = value ? value : "";
    return 0;
}

int CGridCtrl::GetHeadingDefaultCell(CGridCell* cell) const
{
    cell->CopyFrom(GetGridInfo()->m_headingDefaultCell);
    return 0;
}

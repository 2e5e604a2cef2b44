// Cells kept in memory: reading, writing, and rows and columns put in or taken out.
#include "controls/grid/GridMem.h"

#include <algorithm>
#include <climits>

#include "controls/grid/GridCell.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"

namespace {
constexpr int kDone = 0;
constexpr int kNotDone = 1;
}  // namespace

CGridMem::CGridMem() = default;

CGridMem::~CGridMem() = default;

const CGridMem::Row* CGridMem::FindRow(int row) const
{
    const auto found = m_rows.find(row);
    return found == m_rows.end() ? nullptr : &found->second;
}

const CGridCell* CGridMem::StoredCell(const Row* row, int column) const
{
    if (!row)
        return nullptr;
    const auto found = row->cells.find(column);
    return found == row->cells.end() ? nullptr : found->second.get();
}

int CGridMem::AppendRow() { return kDone; }
int CGridMem::AppendColumn() { return kDone; }

int CGridMem::ReadCell(int column, int row, CGridCell* cell)
{
    const CGridCell* stored = StoredCell(FindRow(row), column);
    if (!stored || !cell)
        return kNotDone;
    // Stored properties win; the defaults the caller put in fill the rest.
    cell->AddFrom(*stored);
    return kDone;
}

int CGridMem::WriteCell(int column, int row, CGridCell* cell)
{
    if (!cell || column == INT_MAX)
        return kNotDone;
    if (!m_hasRows) {
        m_hasRows = true;
        m_firstRow = m_lastRow = 0;
    }
    m_firstRow = std::min(m_firstRow, row);
    m_lastRow = std::max(m_lastRow, row);
    Row& stored = m_rows[row];
    if (column >= 0)
        stored.nodeCount = std::max(stored.nodeCount, column + 1);
    auto& slot = stored.cells[column];
    if (!slot)
        slot = std::make_unique<CGridCell>();
    slot->CopyFrom(*cell);
    return kDone;
}

int CGridMem::ClearCell(int column, int row)
{
    const Row* stored = FindRow(row);
    const bool hasNode = HasRowNode(row) && (column < 0 ? StoredCell(stored, column) != nullptr
                                                         : stored && column < stored->nodeCount);
    if (!hasNode)
        return kNotDone;
    m_rows[row].cells.erase(column);
    return kDone;
}

// Moves every row from `from` on by one place (by +1 or -1), keeping their order.
void CGridMem::ShiftRows(int from, int by)
{
    std::map<int, Row> shifted;
    for (auto& [index, row] : m_rows)
        shifted.emplace(index >= from ? index + by : index, std::move(row));
    m_rows = std::move(shifted);
}

int CGridMem::InsertRowAt(int row)
{
    // Nothing is stored at or after a row without a node: nothing moves.
    if (!HasRowNode(row) || m_lastRow == INT_MAX)
        return kDone;
    ShiftRows(row, 1);
    ++m_lastRow;
    return kDone;
}

int CGridMem::DeleteRowAt(int row)
{
    if (!HasRowNode(row))
        return kDone;
    m_rows.erase(row);
    ShiftRows(row + 1, -1);
    if (--m_lastRow < m_firstRow) {
        m_hasRows = false;
        m_firstRow = 0;
        m_lastRow = -1;
    }
    return kDone;
}

int CGridMem::InsertColumnAt(int column)
{
    if (!m_hasRows)
        return kNotDone;
    std::vector<CGridColumn>* records = GetGrid() ? &GetGrid()->GetGridInfo()->m_columns : nullptr;
    int position = column;
    if (records) {
        const auto mapsHere = [column](const CGridColumn& c) { return c.m_mappedColumn == column; };
        const auto found = std::find_if(records->begin(), records->end(), mapsHere);
        if (found != records->end())
            position = static_cast<int>(found - records->begin());
    }
    if (position < 0)
        return kNotDone;
    for (auto& [index, row] : m_rows) {
        if (position >= row.nodeCount || row.nodeCount == INT_MAX)
            continue;
        std::map<int, std::unique_ptr<CGridCell>> moved;
        for (auto& [c, cell] : row.cells)
            moved.emplace(c >= position ? c + 1 : c, std::move(cell));
        row.cells = std::move(moved);
        ++row.nodeCount;
    }
    if (records) {
        for (CGridColumn& record : *records)
            if (record.m_mappedColumn >= position && record.m_mappedColumn < INT_MAX)
                ++record.m_mappedColumn;
    }
    return kDone;
}

int CGridMem::DeleteColumnAt(int column)
{
    if (!m_hasRows)
        return kNotDone;
    if (column < 0)
        return kDone;
    for (auto& [index, row] : m_rows) {
        if (column >= row.nodeCount)
            continue;
        row.cells.erase(column);
        // The last node of a row stays, emptied.
        if (column == row.nodeCount - 1)
            continue;
        std::map<int, std::unique_ptr<CGridCell>> moved;
        for (auto& [c, cell] : row.cells)
            moved.emplace(c > column ? c - 1 : c, std::move(cell));
        row.cells = std::move(moved);
        --row.nodeCount;
    }
    if (GetGrid()) {
        for (CGridColumn& record : GetGrid()->GetGridInfo()->m_columns)
            if (record.m_mappedColumn >= column && record.m_mappedColumn > INT_MIN)
                --record.m_mappedColumn;
    }
    return kDone;
}

int CGridMem::RemoveAllData()
{
    m_rows.clear();
    m_hasRows = false;
    m_firstRow = 0;
    m_lastRow = -1;
    return kDone;
}

int CGridMem::FindPreviousFilledCell(int* column, int row)
{
    const Row* stored = FindRow(row);
    if (!column || !stored || *column <= 0)
        return kNotDone;
    // From the given column, or the row's last node when it has none there, towards column 0.
    const int start = std::min(*column - 1, stored->nodeCount - 1);
    for (auto it = stored->cells.upper_bound(start); it != stored->cells.begin();) {
        --it;
        if (it->first < 0)
            break;
        if (it->second && it->second->GetTextLength() > 0) {
            *column = it->first;
            return kDone;
        }
    }
    return kNotDone;
}

#include "model/records/WinMeta.h"

#include "model/text/FlagWord.h"
#include "model/text/TextUtil.h"

#include <memory>

CRowData* CWinMeta::AddRow(int index, int cellCount)
{
    if (index < -1 || index > m_rows.GetSize())
        return nullptr;
    auto row = std::make_unique<CRowData>();
    const int cells = cellCount < 0 ? m_fields.GetSize() : cellCount;
    for (int i = 0; i < cells; ++i)
        row->m_cells.Add(std::make_unique<CCellData>());
    return index == -1 ? m_rows.Add(std::move(row)) : m_rows.InsertAt(index, std::move(row));
}

bool CWinMeta::IsRowComplete(int row) const
{
    const CRowData* data = m_rows.GetAtOrNull(row);
    return data && TestFlagBit(data->m_wFlags, ROW_COMPLETE);
}

CFieldInfo* CWinMeta::FindField(std::string_view patterns) const
{
    if (patterns.empty())
        return nullptr;
    for (const auto& field : m_fields)
        if (field && MatchesAnyPattern(field->m_strName, patterns, false))
            return field.get();
    return nullptr;
}

int CWinMeta::GetColumnOfField(int id) const
{
    return id >= 0 && id < kFieldIdCount ? m_wColumnOfId[size_t(id)] : kNoColumn;
}

CFieldInfo* CWinMeta::GetFieldById(int id) const
{
    return m_fields.GetAtOrNull(GetColumnOfField(id));
}

CCellData* CWinMeta::GetCell(int row, int column) const
{
    const CRowData* data = m_rows.GetAtOrNull(row);
    return data ? data->m_cells.GetAtOrNull(column) : nullptr;
}

CCellData* CWinMeta::GetCellById(int row, int id) const
{
    return GetCell(row, GetColumnOfField(id));
}

CDBEItem* CWinMeta::GetRowDbeItem(int row, int n) const
{
    const CRowData* data = m_rows.GetAtOrNull(row);
    return data ? data->m_dbeItems.GetAtOrNull(n) : nullptr;
}

bool CWinMeta::IsCellRequired(int row, int column) const
{
    const CFieldInfo* field = m_fields.GetAtOrNull(column);
    if (!field || field->m_iRequirement == kFieldNeverRequired)
        return false;
    if (field->m_iRequirement == kFieldAlwaysRequired)
        return true;
    const CCellData* decider = GetCell(row, field->m_iRequirement);
    if (!decider)
        return false;
    std::string answer = decider->m_strText;
    return ParseYesNo(answer);
}

bool CWinMeta::CheckRowComplete(int row)
{
    CRowData* data = m_rows.GetAtOrNull(row);
    if (!data)
        return false;
    bool complete = true;
    for (int column = 0; column < m_fields.GetSize() && complete; ++column) {
        if (!IsCellRequired(row, column))
            continue;
        const CCellData* cell = data->m_cells.GetAtOrNull(column);
        complete = cell && !cell->m_strText.empty();
    }
    ChangeFlagBit(&data->m_wFlags, ROW_COMPLETE, complete ? 1 : 0);
    return complete;
}

bool CWinMeta::CheckRowsComplete(int row)
{
    if (row != -1)
        return CheckRowComplete(row);
    bool allComplete = true;
    for (int i = 0; i < m_rows.GetSize(); ++i)
        if (m_rows.GetAt(i))
            allComplete = CheckRowComplete(i) && allComplete;
    return allComplete;
}

#include "model/flat/FlatImportState.h"

#include "model/records/ItemArray.h"

CFlatLineReader& CFlatImportState::Lines()
{
    if (!m_lines)
        m_lines.emplace(m_file);
    return *m_lines;
}

CWk1CellReader& CFlatImportState::Cells()
{
    if (!m_cells)
        m_cells.emplace(m_file);
    return *m_cells;
}

int CFlatImportState::FindItemIndex(const CItemArray& items, const std::string& line)
{
    if (!m_itemIndex) {
        m_itemIndex.emplace();
        m_itemIndex->reserve(std::size_t(items.GetSize()));
        for (int i = 0; i < items.GetSize(); ++i)
            if (const CItem* row = items.GetAt(i); row && !row->IsSection())
                m_itemIndex->try_emplace(row->m_strLineNum, i); // the first row of a line number wins
    }
    const auto found = m_itemIndex->find(line);
    return found == m_itemIndex->end() ? -1 : found->second;
}

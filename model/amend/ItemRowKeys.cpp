#include "model/amend/ItemRowKeys.h"

#include "model/records/ItemArray.h"

#include <functional>

size_t RowKeyHash::operator()(const RowKey& key) const
{
    return std::hash<std::string_view>()(key.m_line) ^ size_t(key.m_section);
}

CRowsByKey::CRowsByKey(const CItemArray& list)
{
    m_rows.reserve(size_t(list.GetSize()));
    for (const auto& row : list)
        if (row)
            Add(*row);
}

void CRowsByKey::Add(CItem& row)
{
    Rows& rows = m_rows[KeyOf(row)];
    rows.m_sole = &row;
    ++rows.m_count;
}

CItem* CRowsByKey::Find(const CItemArray& list, const CItem& change) const
{
    const auto found = m_rows.find(KeyOf(change));
    if (found == m_rows.end())
        return nullptr;
    return found->second.m_count == 1 ? found->second.m_sole : list.FindItem(change, nullptr, 0);
}

#include "model/flat/FlatImportState.h"

#include "model/records/ItemArray.h"
#include "model/text/CharClass.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace {

std::string InCapitals(std::string_view line)
{
    std::string capitals(line);
    std::ranges::transform(capitals, capitals.begin(), AsciiToUpper);
    return capitals;
}

uint32_t HashOf(std::string_view line)
{
    return uint32_t(std::hash<std::string_view>()(line));
}

// Shorter first, then byte by byte: line numbers without leading zeros ("90", "100") rise in this
// order as well as padded ones.
bool LineBefore(std::string_view a, std::string_view b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

} // namespace

CItemLineIndex::CItemLineIndex(const CItemArray& items) : m_items(items)
{
    std::string_view previous;
    int32_t index = 0;
    for (const auto& row : items) {
        if (row != nullptr && !row->IsSection()) {
            if (!m_firstItems.empty() && !LineBefore(previous, row->m_strLineNum))
                m_bRising = false;
            previous = row->m_strLineNum;
            m_firstItems.push_back(index);
        }
        ++index;
    }
    if (!m_bRising)
        BuildTable();
}

const std::string& CItemLineIndex::LineOf(std::size_t order) const
{
    return m_items.GetAt(m_firstItems[order])->m_strLineNum;
}

// Keeps in m_firstItems only the first item of each line number.
void CItemLineIndex::BuildTable()
{
    // At most half full, so that probes stay short.
    const std::size_t size = std::bit_ceil(m_firstItems.size() * 2 + 2);
    m_slots.resize(size);
    m_mask = size - 1;
    std::vector<int32_t> firstItems;
    for (const int32_t index : m_firstItems) {
        const std::string& line = m_items.GetAt(index)->m_strLineNum;
        const uint32_t hash = HashOf(line);
        Slot& slot = m_slots[SlotOf(line, hash)];
        if (slot.index >= 0)
            continue; // an earlier item has the line number
        slot = {hash, index, int32_t(firstItems.size())};
        firstItems.push_back(index);
    }
    m_firstItems.swap(firstItems);
}

int CItemLineIndex::Find(std::string_view line)
{
    std::size_t found = m_expected;
    if (found >= m_firstItems.size() || LineOf(found) != line)
        found = Search(line);
    if (found == m_firstItems.size())
        return -1;
    m_expected = found + 1;
    return m_firstItems[found];
}

std::size_t CItemLineIndex::Search(std::string_view line) const
{
    if (m_bRising) {
        const auto at = std::lower_bound(m_firstItems.begin(), m_firstItems.end(), line,
                                         [&](int32_t index, std::string_view wanted) {
                                             return LineBefore(m_items.GetAt(index)->m_strLineNum, wanted);
                                         });
        const auto order = std::size_t(at - m_firstItems.begin());
        return order < m_firstItems.size() && LineOf(order) == line ? order : m_firstItems.size();
    }
    const Slot& slot = m_slots[SlotOf(line, HashOf(line))];
    return slot.index < 0 ? m_firstItems.size() : std::size_t(slot.order);
}

// The slot that holds the line number, or the empty slot where it would go.
std::size_t CItemLineIndex::SlotOf(std::string_view line, uint32_t hash) const
{
    std::size_t at = hash & m_mask;
    for (;; at = (at + 1) & m_mask) {
        const Slot& slot = m_slots[at];
        if (slot.index < 0 || (slot.hash == hash && m_items.GetAt(slot.index)->m_strLineNum == line))
            return at;
    }
}

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

int CFlatImportState::FindItemIndex(const CItemArray& items, std::string_view line)
{
    if (!m_itemIndex)
        m_itemIndex.emplace(items);
    const int index = m_itemIndex->Find(line);
    return index >= 0 ? index : FindItemIndexWithoutCase(items, line);
}

int CFlatImportState::FindItemIndexWithoutCase(const CItemArray& items, std::string_view line)
{
    if (!m_foldedLines) {
        m_foldedLines.emplace();
        int32_t index = 0;
        for (const auto& row : items) {
            if (row != nullptr && !row->IsSection())
                m_foldedLines->emplace(InCapitals(row->m_strLineNum), index); // the first one stays
            ++index;
        }
    }
    const auto find = [this](std::string_view wanted) {
        const auto found = m_foldedLines->find(InCapitals(wanted));
        return found == m_foldedLines->end() ? -1 : int(found->second);
    };
    const int index = find(line);
    return index >= 0 || line.size() >= 4 ? index : find(AsFourDigitLine(line));
}

// Sorting the rows kept in memory through the control's comparison hook. A merge sort that
// takes the later row first only when the hook answers above 0 keeps rows the hook calls equal
// in their order, as exchanging neighbours does, and ends after n log n questions whatever the
// hook answers.
#include <algorithm>
#include <vector>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridMem.h"

namespace {
constexpr int kDone = 0;
constexpr int kNotDone = 1;
// The rows are sorted as a list of places; beyond this many the list would take too much memory.
constexpr int kMaxSortedRows = 4'000'000;
}  // namespace

int CGridMem::CompareRows(const Row& first, const Row& second, const int* columns, int count, int flags) const
{
    for (int i = 0; i < count; ++i) {
        // The hook is handed the stored cells, or none, as the grid passes cells.
        auto* a = const_cast<CGridCell*>(StoredCell(&first, columns[i]));
        auto* b = const_cast<CGridCell*>(StoredCell(&second, columns[i]));
        if (const int answer = GetGrid()->OnCompareCells(a, b, flags); answer != 0)
            return answer;
    }
    return 0;
}

void CGridMem::MergeSortRows(std::vector<Row*>& rows, const int* columns, int count, int flags) const
{
    static const Row kEmpty;
    const auto rowAt = [&rows](std::size_t i) -> const Row& { return rows[i] ? *rows[i] : kEmpty; };
    std::vector<Row*> merged(rows.size());
    const std::size_t size = rows.size();
    for (std::size_t width = 1; width < size; width *= 2) {
        for (std::size_t left = 0; left < size; left += 2 * width) {
            const std::size_t middle = std::min(left + width, size);
            const std::size_t end = std::min(left + 2 * width, size);
            std::size_t a = left, b = middle, out = left;
            while (a < middle && b < end) {
                const bool laterFirst = CompareRows(rowAt(a), rowAt(b), columns, count, flags) > 0;
                merged[out++] = laterFirst ? rows[b++] : rows[a++];
            }
            while (a < middle)
                merged[out++] = rows[a++];
            while (b < end)
                merged[out++] = rows[b++];
        }
        rows.swap(merged);
    }
}

int CGridMem::SortByColumns(const int* columns, int count, int flags)
{
    if (!GetGrid() || (count > 0 && !columns))
        return kNotDone;
    // Rows before row 0, the headings, stay where they are.
    if (!m_hasRows || m_lastRow < 1 || count <= 0)
        return kDone;
    if (m_lastRow >= kMaxSortedRows)
        return kNotDone;
    std::vector<Row*> order(static_cast<std::size_t>(m_lastRow) + 1, nullptr);
    for (auto it = m_rows.lower_bound(0); it != m_rows.end(); ++it)
        order[static_cast<std::size_t>(it->first)] = &it->second;
    MergeSortRows(order, columns, count, flags);
    std::map<int, Row> sorted;
    for (auto it = m_rows.begin(); it != m_rows.end() && it->first < 0; ++it)
        sorted.emplace(it->first, std::move(it->second));
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i])
            sorted.emplace(static_cast<int>(i), std::move(*order[i]));
    }
    m_rows = std::move(sorted);
    return kDone;
}

int CGridMem::SortByColumn(int column, int flags)
{
    return SortByColumns(&column, 1, flags);
}

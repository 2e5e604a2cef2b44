#include "model/amend/ItemPlacement.h"

#include "model/amend/ItemRowKeys.h"
#include "model/records/ItemArray.h"
#include "model/records/RecordText.h"
#include "model/text/FlagWord.h"

#include <string_view>
#include <unordered_map>

namespace {

bool IsDeletion(const CItem& row) { return TestFlagBit(row.m_wFlags, ITEM_TO_DELETE) != 0; }

// A new row's place: after its anchor, or at the top without one.
struct NewRow {
    RowKey m_inserted;
    RowKey m_anchor;
    bool m_anchored = false;
};

NewRow NewRowOf(const CItem& row)
{
    const std::string_view line = row.m_strLineNum;
    const size_t separator = line.find(kAnchorSeparator);
    std::string_view own = line.substr(0, separator);
    // An inserted row loses the unchanged marker.
    if (IsUnchangedMarker(own))
        own = {};
    NewRow place{{own, row.IsSection()}, {}, false};
    if (separator != std::string_view::npos && separator + 1 < line.size()) {
        place.m_anchor = {line.substr(separator + 1), TestFlagBit(row.m_wFlags, ITEM_ANCHOR_IS_SECTION) != 0};
        place.m_anchored = true;
    }
    return place;
}

// How many rows of each key the list holds, for the keys the amendment names only.
class KeyCounts {
public:
    explicit KeyCounts(const CItemArray& amendment)
    {
        for (const auto& row : amendment) {
            if (!row)
                continue;
            m_counts.emplace(KeyOf(*row), 0);
            if (IsDeletion(*row))
                continue;
            const NewRow place = NewRowOf(*row);
            m_counts.emplace(place.m_inserted, 0);
            if (place.m_anchored)
                m_counts.emplace(place.m_anchor, 0);
        }
    }

    void CountRowsOf(const CItemArray& list)
    {
        for (const auto& row : list)
            if (row)
                if (auto found = m_counts.find(KeyOf(*row)); found != m_counts.end())
                    ++found->second;
    }

    int& operator[](const RowKey& key) { return m_counts[key]; }

private:
    std::unordered_map<RowKey, int, RowKeyHash> m_counts;
};

} // namespace

bool CanPlaceNewRows(const CItemArray& list, const CItemArray& amendment)
{
    KeyCounts counts(amendment);
    counts.CountRowsOf(list);
    // Deletions first; a marker that matches no row deletes nothing.
    for (const auto& row : amendment)
        if (row && IsDeletion(*row))
            if (int& count = counts[KeyOf(*row)]; count > 0)
                --count;
    // A change to a row the list holds keeps its key; any other row is inserted.
    for (const auto& row : amendment) {
        if (!row || IsDeletion(*row) || counts[KeyOf(*row)] > 0)
            continue;
        const NewRow place = NewRowOf(*row);
        if (place.m_anchored && counts[place.m_anchor] == 0)
            return false;
        ++counts[place.m_inserted];
    }
    return true;
}

#pragma once

#include "model/records/Item.h"

#include <cstddef>
#include <string_view>
#include <unordered_map>

class CItemArray;

// What an amendment matches item rows by: the line number's exact bytes and the section bit.
// The key views the row's line number and is valid while that text is not changed.
struct RowKey {
    std::string_view m_line;
    bool m_section = false;

    bool operator==(const RowKey&) const = default;
};

struct RowKeyHash {
    size_t operator()(const RowKey& key) const;
};

inline RowKey KeyOf(const CItem& row) { return {row.m_strLineNum, row.IsSection()}; }

// The rows of an item list by key, so that a change finds its row without walking the list. Kept
// up to date by the caller as rows go in; rows changed in place keep their keys. A key that
// several rows share is looked up in the list, where the first of them counts.
class CRowsByKey {
public:
    explicit CRowsByKey(const CItemArray& list);

    void Add(CItem& row);
    // The first row of `list` with the key of `change`, or null.
    CItem* Find(const CItemArray& list, const CItem& change) const;

private:
    struct Rows {
        CItem* m_sole = nullptr;
        int m_count = 0;
    };
    std::unordered_map<RowKey, Rows, RowKeyHash> m_rows;
};

#pragma once

#include "model/flat/FlatTextReader.h"
#include "model/flat/Wk1Records.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CItemArray;

// The items of a list by line number: for each line number the first item (not a section row)
// that has it. Files mostly list the items in schedule order, so the item after the one found
// last is tried first. Line numbers mostly rise through the list (shorter ones first, those of a
// length byte by byte); then each is unique and the others are found by binary search. Otherwise
// an open-addressing table of item indices with the hash of their line numbers finds them,
// copying no text and rarely visiting an item.
class CItemLineIndex {
public:
    explicit CItemLineIndex(const CItemArray& items);
    // The index of the item with exactly this line number, or -1.
    int Find(std::string_view line);

private:
    struct Slot {
        uint32_t hash = 0;
        int32_t index = -1; // -1 for an empty slot
        int32_t order = 0;  // the item's place in m_firstItems
    };

    const std::string& LineOf(std::size_t order) const;
    void BuildTable();
    std::size_t SlotOf(std::string_view line, uint32_t hash) const;
    // The place in m_firstItems of the item with this line number, or m_firstItems.size().
    std::size_t Search(std::string_view line) const;

    const CItemArray& m_items;
    std::vector<int32_t> m_firstItems; // each line number's first item, in list order
    bool m_bRising = true;             // the line numbers rise through m_firstItems
    std::vector<Slot> m_slots;         // only when they do not
    std::size_t m_mask = 0;
    std::size_t m_expected = 0;        // the place in m_firstItems of the likely next item
};

// What an import keeps from one row to the next: the reader of its file and the items by line
// number.
class CFlatImportState {
public:
    explicit CFlatImportState(std::FILE* file) : m_file(file) {}

    CFlatLineReader& Lines();
    CWk1CellReader& Cells();

    // The index of the first item (not a section row) whose line number is `line`, byte for byte;
    // failing that, as the proposal's own lookup reads a typed line number: in any case, then a
    // text shorter than four characters as its four digits ("10" finds "0010", as a spreadsheet
    // writes it). -1 when there is none. The items are indexed at the first call: an import
    // changes prices and quantities, never line numbers or the order of the rows.
    int FindItemIndex(const CItemArray& items, std::string_view line);

    bool m_bFinished = false; // the reader has reported the end; every further row is the end too
    CFlatFieldSplitter m_splitter;

private:
    std::FILE* m_file;
    std::optional<CFlatLineReader> m_lines;
    std::optional<CWk1CellReader> m_cells;
    std::optional<CItemLineIndex> m_itemIndex;
    // By line number in capitals; built at the first line number not found exactly.
    std::optional<std::unordered_map<std::string, int32_t>> m_foldedLines;

    int FindItemIndexWithoutCase(const CItemArray& items, std::string_view line);
};

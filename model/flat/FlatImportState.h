#pragma once

#include "model/flat/FlatLineReader.h"
#include "model/flat/Wk1CellReader.h"

#include <cstdio>
#include <optional>
#include <string>
#include <unordered_map>

class CItemArray;

// What an import keeps from one row to the next: the reader of its file and the items by line
// number.
class CFlatImportState {
public:
    explicit CFlatImportState(std::FILE* file) : m_file(file) {}

    CFlatLineReader& Lines();
    CWk1CellReader& Cells();

    // The index of the first item (not a section row) whose line number is `line`, byte for byte;
    // -1 when there is none. The items are indexed at the first call: an import changes prices
    // and quantities, never line numbers or the order of the rows.
    int FindItemIndex(const CItemArray& items, const std::string& line);

    bool m_bFinished = false; // the reader has reported the end; every further row is the end too

private:
    std::FILE* m_file;
    std::optional<CFlatLineReader> m_lines;
    std::optional<CWk1CellReader> m_cells;
    std::optional<std::unordered_map<std::string, int>> m_itemIndex;
};

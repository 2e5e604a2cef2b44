// Text from the clipboard pasted into a grid: read as rows of cells within the grid's room,
// written back out and read again, it must come back the same.
#include "controls/grid/text/GridText.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes choose the room the grid has.
    const int rows = data[0] % 40;
    const int columns = data[1] % 40;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    const gridtext::Block block = gridtext::SplitBlock(text, rows, columns);
    if (static_cast<int>(block.size()) > rows)
        __builtin_trap();
    for (const auto& row : block)
        if (row.empty() || static_cast<int>(row.size()) > columns)
            __builtin_trap();
    if (gridtext::SplitBlock(gridtext::JoinBlock(block), rows, columns) != block)
        __builtin_trap();
    if (gridtext::UpperCase(text).size() != text.size())
        __builtin_trap();
    return 0;
}

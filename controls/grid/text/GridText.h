#pragma once
// Text rules of the grid that need no window: Windows-1252 upper case for searches, and a
// block of cells as the tab-separated text the clipboard carries between programs.
#include <string>
#include <string_view>
#include <vector>

namespace gridtext {

using Block = std::vector<std::vector<std::string>>;

// Upper case as the Windows-1252 character table has it (accented letters included).
std::string UpperCase(std::string_view text);

// Rows of cells as tab-separated lines, each ended by CR LF. A tab or line break inside a cell
// becomes a space, so that the block keeps its shape when read back.
std::string JoinBlock(const Block& rows);

// Tab-separated text read as rows of cells; lines end with CR LF, LF or CR, and a break at the
// very end makes no empty row. At most maxRows rows of at most maxColumns cells are kept; what
// lies beyond is skipped unread.
Block SplitBlock(std::string_view text, int maxRows, int maxColumns);

}  // namespace gridtext

#pragma once
// Text rules of the grid that need no window: Windows-1252 upper case for searches.
#include <string>
#include <string_view>

namespace gridtext {

// Upper case as the Windows-1252 character table has it (accented letters included).
std::string UpperCase(std::string_view text);

}  // namespace gridtext

#pragma once

#include <string>
#include <string_view>

// Characters first..last (counted from 1) of a text; to the end when last is 0; empty when the
// text is shorter than first or the range is empty.
std::string ExtractColumns(std::string_view text, int first, int last);

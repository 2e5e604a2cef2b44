#include "model/text/ColumnText.h"

std::string ExtractColumns(std::string_view text, int first, int last)
{
    const size_t start = first > 1 ? size_t(first - 1) : 0;
    if (start >= text.size() || (last != 0 && size_t(last < 1 ? 0 : last) <= start))
        return {};
    const size_t length = last == 0 ? std::string_view::npos : size_t(last) - start;
    return std::string(text.substr(start, length));
}

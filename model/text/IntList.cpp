#include "model/text/TextUtil.h"

#include <algorithm>

std::string FormatIntList(const std::vector<int>& values, std::size_t count)
{
    const bool stopAtZero = count == 0;
    const std::size_t limit = stopAtZero ? values.size() : std::min(count, values.size());
    std::string out;
    for (std::size_t i = 0; i < limit; ++i) {
        if (values[i] == 0 && stopAtZero)
            break;
        if (i > 0)
            out += ',';
        if (values[i] != 0)
            out += std::to_string(values[i]);
    }
    return out;
}

std::size_t ParseIntList(std::vector<int>& values, std::string_view text, std::size_t maximum)
{
    values.clear();
    if (text.empty())
        return 0;
    while (values.size() < maximum) {
        const std::size_t comma = text.find(',');
        values.push_back(ParseLeadingInt(text.substr(0, comma)));
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    return values.size();
}

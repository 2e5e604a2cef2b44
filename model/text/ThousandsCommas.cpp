#include "model/text/Dates.h"

#include <cstddef>

std::string& InsertThousandsCommas(std::string& text)
{
    std::size_t runEnd = text.find('.');
    if (runEnd == std::string::npos)
        runEnd = text.size();
    std::size_t runStart = runEnd;
    while (runStart > 0 && text[runStart - 1] >= '0' && text[runStart - 1] <= '9')
        --runStart;
    // Walk left from the decimal point so each insertion leaves the positions still to visit intact.
    for (std::size_t cut = runEnd; cut > runStart + 3; ) {
        cut -= 3;
        text.insert(cut, 1, ',');
    }
    return text;
}

#include "model/text/ColorSpec.h"

#include "model/text/TextUtil.h"

SystemColors& CurrentSystemColors()
{
    static SystemColors colors;
    return colors;
}

std::string FormatColorSpec(ColorRef color)
{
    return std::to_string(color & 0xFF) + ',' + std::to_string(color >> 8 & 0xFF) + ',' +
           std::to_string(color >> 16 & 0xFF);
}

ColorRef ParseColorSpec(std::string_view text)
{
    int values[4] = {0, 0, 0, 0};
    for (int& value : values) {
        value = ParseLeadingInt(text);
        const std::size_t comma = text.find(',');
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    switch (values[0]) {
    case -1: return CurrentSystemColors().window;
    case -2: return CurrentSystemColors().buttonFace;
    case -3: return MakeColorRef(200, 214, 234);
    case -4: return MakeColorRef(51, 204, 255);
    default: return MakeColorRef(values[0], values[1], values[2]);
    }
}

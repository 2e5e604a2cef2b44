#include "platform/ui/draw/DCRecord.h"

#include <cstdio>
#include <cstring>

namespace platform::dcrecord {

std::string Rect(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

std::string Point(int x, int y)
{
    return std::to_string(x) + "," + std::to_string(y);
}

std::string Color(COLORREF c)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
    return buffer;
}

std::string Pen(const CPen& pen)
{
    static const char* const kStyles[] = {"solid", "dash", "dot", "dashdot"};
    int style = pen.Style();
    std::string name = style >= 0 && style < 4 ? kStyles[style] : "solid";
    return name + " " + std::to_string(pen.Width()) + " " + Color(pen.Color());
}

std::string Font(const CFont& font)
{
    LOGFONT log{};
    font.GetLogFont(&log);
    return "SelectFont " + Quoted(std::string(log.lfFaceName, strnlen(log.lfFaceName, LF_FACESIZE))) +
           " " + std::to_string(log.lfHeight) + " " + std::to_string(log.lfWeight) +
           (log.lfItalic ? " italic" : "") + (log.lfUnderline ? " underline" : "");
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::string Region(const QRegion& region)
{
    std::string out;
    for (const QRect& r : region) {
        if (!out.empty())
            out += ";";
        out += Rect(RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    }
    return out.empty() ? "empty" : out;
}

std::string Hex(UINT value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%x", value);
    return buffer;
}

} // namespace platform::dcrecord

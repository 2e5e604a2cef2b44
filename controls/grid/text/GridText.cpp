#include "controls/grid/text/GridText.h"

#include <algorithm>

namespace gridtext {

namespace {

unsigned char UpperOf(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 0x20);
    // Accented small letters sit 0x20 above their capitals, all but the division sign.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A: return 0x8A;  // s caron
    case 0x9C: return 0x8C;  // oe
    case 0x9E: return 0x8E;  // z caron
    case 0xFF: return 0x9F;  // y diaeresis
    default: return c;
    }
}

bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

// The length of the line break at position i (0 when there is none).
std::size_t BreakLength(std::string_view text, std::size_t i)
{
    if (i >= text.size() || !IsLineBreak(text[i]))
        return 0;
    return text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
}

std::vector<std::string> SplitLine(std::string_view line, int maxColumns)
{
    std::vector<std::string> cells;
    std::size_t start = 0;
    while (static_cast<int>(cells.size()) < maxColumns) {
        const std::size_t tab = line.find('\t', start);
        cells.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    return cells;
}

}  // namespace

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(UpperOf(static_cast<unsigned char>(c)));
    return upper;
}

std::string JoinBlock(const Block& rows)
{
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += '\t';
            std::string cell = row[i];
            std::replace_if(cell.begin(), cell.end(), [](char c) { return c == '\t' || IsLineBreak(c); }, ' ');
            text += cell;
        }
        text += "\r\n";
    }
    return text;
}

Block SplitBlock(std::string_view text, int maxRows, int maxColumns)
{
    Block rows;
    if (maxRows <= 0 || maxColumns <= 0)
        return rows;
    std::size_t start = 0;
    while (start < text.size() && static_cast<int>(rows.size()) < maxRows) {
        std::size_t end = start;
        while (end < text.size() && !IsLineBreak(text[end]))
            ++end;
        rows.push_back(SplitLine(text.substr(start, end - start), maxColumns));
        start = end + BreakLength(text, end);
    }
    return rows;
}

}  // namespace gridtext

#include "controls/grid/GridMask.h"

#include <string_view>

namespace {

constexpr char kOther = 8;
constexpr std::string_view kMaskCharacters = "09#L?Aa&C";

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// Letters of Windows-1252, accented ones included.
bool IsLetter(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return true;
    if (c >= 0xC0 && c != 0xD7 && c != 0xF7)
        return true;
    return c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F;
}

bool IsPrintable(unsigned char c) { return c >= ' ' && c != 0x7F; }

}  // namespace

CGridMask::CGridMask(std::string_view mask)
{
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        if (c == '\\' && i + 1 < mask.size()) {
            m_pattern += kOther;
            m_literals += mask[++i];
        } else if (kMaskCharacters.find(c) != std::string_view::npos) {
            m_pattern += c;
            m_literals += kOther;
        } else {
            m_pattern += kOther;
            m_literals += c;
        }
    }
}

bool CGridMask::IsLiteralAt(std::size_t position) const
{
    return position < m_pattern.size() && m_pattern[position] == kOther;
}

char CGridMask::LiteralAt(std::size_t position) const
{
    return IsLiteralAt(position) ? m_literals[position] : '\0';
}

bool CGridMask::Accepts(std::size_t position, unsigned char c) const
{
    if (position >= m_pattern.size())
        return false;
    switch (m_pattern[position]) {
    case '0': return IsDigit(c);
    case '9': return IsDigit(c) || c == ' ';
    // A sign too: a number position of a signed amount.
    case '#': return IsDigit(c) || c == ' ' || c == '+' || c == '-';
    case 'L': return IsLetter(c);
    case '?': return IsLetter(c) || c == ' ';
    case 'A': return IsLetter(c) || IsDigit(c);
    case 'a': return IsLetter(c) || IsDigit(c) || c == ' ';
    case '&':
    case 'C': return IsPrintable(c);
    default: return true;
    }
}

std::string CGridMask::Remask(std::string_view text) const
{
    std::string fitted;
    std::size_t next = 0;
    for (std::size_t position = 0; position < m_pattern.size() && next < text.size(); ++position) {
        if (IsLiteralAt(position)) {
            fitted += m_literals[position];
            continue;
        }
        while (next < text.size() && !Accepts(position, static_cast<unsigned char>(text[next])))
            ++next;
        if (next < text.size())
            fitted += text[next++];
    }
    return fitted;
}

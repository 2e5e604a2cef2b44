#include "platform/core/IniLine.h"

#include <algorithm>

namespace platform {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineBreaks{"\r\n\0", 3};

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

bool HasEnclosingBlank(std::string_view text)
{
    return !text.empty() && (kBlanks.find(text.front()) != std::string_view::npos ||
                             kBlanks.find(text.back()) != std::string_view::npos);
}

bool IsQuoted(std::string_view text)
{
    return text.size() >= 2 && text.front() == text.back() &&
           (text.front() == '"' || text.front() == '\'');
}

} // namespace

std::string_view TrimIniBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view WithoutTrailingCr(std::string_view line)
{
    while (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

IniLine ParseIniLine(std::string_view line)
{
    line = WithoutTrailingCr(line.substr(0, line.find('\0')));
    const std::string_view text = TrimIniBlanks(line);
    IniLine parsed;
    if (text.empty())
        return parsed;
    if (text.front() == ';') {
        parsed.kind = IniLine::Kind::Comment;
    } else if (text.front() == '[') {
        const std::size_t close = text.find(']');
        parsed.kind = close == std::string_view::npos ? IniLine::Kind::BrokenSection
                                                      : IniLine::Kind::Section;
        if (close != std::string_view::npos)
            parsed.name = TrimIniBlanks(text.substr(1, close - 1));
    } else if (const std::size_t equals = text.find('='); equals != std::string_view::npos) {
        parsed.kind = IniLine::Kind::Entry;
        parsed.name = TrimIniBlanks(text.substr(0, equals));
        parsed.value = TrimIniBlanks(text.substr(equals + 1));
    } else {
        parsed.kind = IniLine::Kind::Other;
    }
    return parsed;
}

bool SameIniName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::string LowerIniName(std::string_view name)
{
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
    return lower;
}

bool IsIniSubSection(std::string_view name, std::string_view section)
{
    if (name.size() <= section.size())
        return SameIniName(name, section);
    return name[section.size()] == '\\' && SameIniName(name.substr(0, section.size()), section);
}

std::string_view UnquoteIniValue(std::string_view value)
{
    return IsQuoted(value) ? value.substr(1, value.size() - 2) : value;
}

std::string QuoteIniValue(std::string_view value)
{
    if (HasEnclosingBlank(value) || IsQuoted(value))
        return '"' + std::string(value) + '"';
    return std::string(value);
}

bool IsStorableIniSection(std::string_view section)
{
    return IsStorableIniValue(section) && section.find(']') == std::string_view::npos &&
           !HasEnclosingBlank(section);
}

bool IsStorableIniKey(std::string_view key)
{
    return !key.empty() && IsStorableIniValue(key) && key.find('=') == std::string_view::npos &&
           !HasEnclosingBlank(key) && key.front() != ';' && key.front() != '[';
}

bool IsStorableIniValue(std::string_view value)
{
    return value.find_first_of(kLineBreaks) == std::string_view::npos;
}

} // namespace platform

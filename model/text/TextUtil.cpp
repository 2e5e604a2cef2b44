#include "model/text/TextUtil.h"

#include "model/text/CharClass.h"

#include <algorithm>

std::string SubstituteArgs(std::string_view pattern, const std::vector<std::string>& args)
{
    const std::size_t count = std::min<std::size_t>(args.size(), 10);
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool isArg = pattern[i] == '%' && i + 1 < pattern.size() &&
                           IsAsciiDigit(pattern[i + 1]) && std::size_t(pattern[i + 1] - '0') < count;
        if (isArg)
            out += args[std::size_t(pattern[++i] - '0')];
        else
            out += pattern[i];
    }
    return out;
}

std::string SplitPath(std::string_view path, int flags)
{
    const bool hasDrive = path.size() >= 2 && IsAsciiAlpha(path[0]) && path[1] == ':';
    const std::size_t folderStart = hasDrive ? 2 : 0;
    const std::size_t lastSeparator = path.find_last_of("\\/");
    const std::size_t nameStart =
        (lastSeparator == std::string_view::npos || lastSeparator < folderStart) ? folderStart
                                                                                  : lastSeparator + 1;
    const std::string_view fileName = path.substr(nameStart);
    const std::size_t dot = fileName.rfind('.');

    std::string out;
    if ((flags & kPathDrive) && hasDrive)
        out += path.substr(0, 2);
    if (flags & kPathFolder)
        out += path.substr(folderStart, nameStart - folderStart);
    if (dot != std::string_view::npos) {
        if (flags & kPathName)
            out += fileName.substr(0, dot);
        if (flags & kPathExtension)
            out += fileName.substr(flags >= 9 ? dot : dot + 1);
    }
    return out;
}

std::size_t SkipCharsOfSet(std::string_view text, std::string_view set)
{
    return text.find_first_not_of(set);
}

std::size_t FindFirstOfSet(std::string_view text, std::string_view set)
{
    return text.find_first_of(set);
}

void TrimRightChars(std::string& text, std::string_view set)
{
    const std::size_t last = text.find_last_not_of(set);
    text.erase(last == std::string::npos ? 0 : last + 1);
}

void TrimLeftChars(std::string& text, std::string_view set)
{
    text.erase(0, std::min(text.find_first_not_of(set), text.size()));
}

bool IsBlankString(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

void RemoveChars(std::string& text, std::string_view set)
{
    std::erase_if(text, [set](char c) { return set.find(c) != std::string_view::npos; });
}

void ConcatStrings(std::string& destination, std::initializer_list<std::string_view> texts)
{
    for (std::string_view text : texts)
        destination += text;
}

bool ParseYesNo(std::string& text)
{
    TrimLeftChars(text, " \t");
    TrimRightChars(text, " \t");
    if (text.empty())
        return false;
    const char first = AsciiToUpper(text[0]);
    return first == 'T' || first == 'Y' || first == '1';
}

int StringsDiffer(std::string_view a, std::string_view b)
{
    return a == b ? 0 : 1;
}

std::optional<std::string> GetTextLine(std::string_view text, int n)
{
    if (n < 0)
        return std::nullopt;
    std::size_t start = 0;
    for (int line = 0; line < n; ++line) {
        const std::size_t feed = text.find('\n', start);
        if (feed == std::string_view::npos)
            return std::nullopt;
        start = feed + 1;
    }
    const std::size_t end = text.find('\n', start);
    return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

int HexDigitValue(char c)
{
    if (IsAsciiDigit(c))
        return c - '0';
    const char upper = AsciiToUpper(c);
    return (upper >= 'A' && upper <= 'F') ? upper - 'A' + 10 : 0;
}

int HexByteValue(std::string_view text)
{
    if (text.size() < 2)
        return 0;
    return HexDigitValue(text[0]) * 16 + HexDigitValue(text[1]);
}

int ChooseAboveLow(int value, int low, int high)
{
    return value > low ? value : std::min(low, high);
}

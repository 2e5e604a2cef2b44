#include "model/text/TextUtil.h"

#include "model/text/CharClass.h"

#include <algorithm>

namespace {

// Blanks and tabs, but only blanks when a tab separates the fields (an empty tab field must stay).
std::string_view BlankSetFor(std::string_view separators)
{
    return separators.find('\t') != std::string_view::npos ? " " : " \t";
}

bool IsIdentifierChar(char c)
{
    return IsAsciiAlnum(c) || c == '_';
}

void Trim(std::string& text, std::string_view set)
{
    TrimLeftChars(text, set);
    TrimRightChars(text, set);
}

} // namespace

int NextToken(std::string_view& cursor, std::string& token, const char* skipSet,
              std::string_view separators, bool quoted, bool advance)
{
    token.clear();
    if (cursor.empty())
        return -1;
    const std::string_view skip = skipSet != nullptr ? std::string_view(skipSet) : BlankSetFor(separators);
    std::size_t i = std::min(cursor.find_first_not_of(skip), cursor.size());
    bool inQuotes = false;
    for (; i < cursor.size(); ++i) {
        const char c = cursor[i];
        if (quoted && c == '"') {
            if (inQuotes && i + 1 < cursor.size() && cursor[i + 1] == '"')
                token += cursor[++i];
            else
                inQuotes = !inQuotes;
            continue;
        }
        if (!inQuotes && separators.find(c) != std::string_view::npos)
            break;
        token += c;
    }
    if (i == cursor.size()) {
        cursor.remove_prefix(i);
        return 0;
    }
    const unsigned char separator = static_cast<unsigned char>(cursor[i]);
    cursor.remove_prefix(advance ? i + 1 : i);
    return separator;
}

char ExpectChar(std::string_view& cursor, std::string_view set, std::string_view skipSet)
{
    cursor.remove_prefix(std::min(cursor.find_first_not_of(skipSet), cursor.size()));
    if (cursor.empty() || set.find(cursor.front()) == std::string_view::npos)
        return 0;
    const char found = cursor.front();
    cursor.remove_prefix(1);
    return found;
}

char NextIdentifier(std::string_view& cursor, std::string& identifier, bool anyFirst, bool advance)
{
    identifier.clear();
    cursor.remove_prefix(std::min(cursor.find_first_not_of(" \t"), cursor.size()));
    if (cursor.empty())
        return 0;
    std::size_t i = 0;
    if (!IsIdentifierChar(cursor[0])) {
        if (!anyFirst)
            return cursor[0];
        identifier += cursor[i++];
    }
    while (i < cursor.size() && IsIdentifierChar(cursor[i]))
        identifier += cursor[i++];
    if (i == cursor.size()) {
        cursor.remove_prefix(i);
        return 0;
    }
    const char next = cursor[i];
    cursor.remove_prefix(advance ? i + 1 : i);
    return next;
}

std::string QuoteCsvField(std::string_view text)
{
    if (text.find('"') != std::string_view::npos) {
        std::string out = "\"";
        for (char c : text) {
            out += c;
            if (c == '"')
                out += '"';
        }
        return out + '"';
    }
    if (text.find(',') != std::string_view::npos)
        return "\"" + std::string(text) + "\"";
    return std::string(text);
}

std::string UnquoteField(std::string_view text)
{
    text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
    if (text.empty() || text.front() != '"')
        return std::string(text);
    std::string out;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '"') {
            if (i + 1 >= text.size() || text[i + 1] != '"')
                break;
            ++i;
        }
        out += text[i];
    }
    return out;
}

std::vector<std::string> SplitToList(std::string_view text, std::string_view separators,
                                     bool quoted, bool trim)
{
    std::vector<std::string> list;
    std::string token;
    for (;;) {
        const int separator = NextToken(text, token, nullptr, separators, quoted, true);
        if (separator == -1)
            break;
        if (trim)
            Trim(token, BlankSetFor(separators));
        list.push_back(token);
        if (separator == 0)
            break;
        if (text.empty()) { // the text ended in a separator: one more, empty, field
            list.emplace_back();
            break;
        }
    }
    return list;
}

#include "model/flat/FlatFieldSplit.h"

#include <cstring>

namespace {

// An empty tab-separated field must stay, so tabs are no blanks there.
bool IsBlank(char c, char separator)
{
    return c == ' ' || (c == '\t' && separator != '\t');
}

std::string_view Trimmed(std::string_view field, char separator)
{
    while (!field.empty() && IsBlank(field.back(), separator))
        field.remove_suffix(1);
    while (!field.empty() && IsBlank(field.front(), separator))
        field.remove_prefix(1);
    return field;
}

std::size_t Find(std::string_view line, char c, std::size_t from, std::size_t end)
{
    const void* found = std::memchr(line.data() + from, c, end - from);
    return found ? std::size_t(static_cast<const char*>(found) - line.data()) : end;
}

// The field that starts at `i` with its quoting undone, up to its separator (or the end of the
// line); returns the position of that separator.
std::size_t Unquote(std::string_view line, std::size_t i, char separator, std::string& field)
{
    bool inQuotes = false;
    for (;;) {
        std::size_t run = Find(line, inQuotes ? '"' : separator, i, line.size());
        if (!inQuotes)
            run = Find(line, '"', i, run);
        field.append(line.data() + i, run - i);
        i = run;
        if (i == line.size() || (!inQuotes && line[i] == separator))
            return i;
        if (inQuotes && i + 1 < line.size() && line[i + 1] == '"') {
            field += '"';
            i += 2;
        } else {
            inQuotes = !inQuotes;
            ++i;
        }
    }
}

} // namespace

std::span<const std::string_view> CFlatFieldSplitter::Split(std::string_view line, char separator, bool quoted,
                                                            std::size_t wanted)
{
    m_fields.clear();
    if (m_unquoted.size() < wanted)
        m_unquoted.resize(wanted);
    // Most lines hold no quote at all; their fields end at the next separator.
    quoted = quoted && Find(line, '"', 0, line.size()) < line.size();
    std::size_t i = 0;
    while (i < line.size() && m_fields.size() < wanted) {
        while (i < line.size() && IsBlank(line[i], separator))
            ++i;
        const std::size_t start = i;
        if (quoted)
            while (i < line.size() && line[i] != separator && line[i] != '"')
                ++i;
        else
            i = Find(line, separator, i, line.size());
        if (i < line.size() && line[i] == '"') {
            std::string& storage = m_unquoted[m_fields.size()];
            storage.clear();
            i = Unquote(line, start, separator, storage);
            m_fields.push_back(Trimmed(storage, separator));
        } else {
            m_fields.push_back(Trimmed(line.substr(start, i - start), separator));
        }
        if (i < line.size() && ++i == line.size() && m_fields.size() < wanted)
            m_fields.emplace_back(); // a line ending in a separator has one more, empty, field
    }
    return m_fields;
}

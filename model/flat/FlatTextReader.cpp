#include "model/flat/FlatTextReader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kBlockSize = 1 << 16;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Lines are read by the thousand: plain loops beat the library's searches over short runs.
std::string_view WithoutLeadingBlanks(std::string_view line)
{
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    return line;
}

bool IsComment(std::string_view line)
{
    return WithoutLeadingBlanks(line).starts_with(';');
}

// An empty tab-separated field must stay, so tabs are no blanks there.
bool IsBlank(char c, char separator)
{
    return c == ' ' || (c == '\t' && separator != '\t');
}

std::size_t Find(std::string_view line, char c, std::size_t from, std::size_t end)
{
    if (from >= end)
        return end;
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

std::string_view WithoutTrailingBlanks(std::string_view text, char separator)
{
    while (!text.empty() && IsBlank(text.back(), separator))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string_view TrimmedOfBlanks(std::string_view text, char separator)
{
    text = WithoutTrailingBlanks(text, separator);
    while (!text.empty() && IsBlank(text.front(), separator))
        text.remove_prefix(1);
    return text;
}

CFlatLineReader::CFlatLineReader(std::FILE* file) : m_file(file), m_block(kBlockSize) {}

bool CFlatLineReader::Next(std::string_view& line, bool keepLeadingBlanks)
{
    do {
        if (!ReadRawLine(line))
            return false;
        // Spreadsheets save "CSV UTF-8" with a byte order mark before the first row.
        if (m_lineNumber == 1 && line.starts_with(kUtf8ByteOrderMark))
            line.remove_prefix(kUtf8ByteOrderMark.size());
    } while (IsComment(line));
    while (line.ends_with('\r'))
        line.remove_suffix(1);
    if (!keepLeadingBlanks)
        line = WithoutLeadingBlanks(line);
    return true;
}

// A line within the block is handed out where it lies; only one that crosses the block's end is
// gathered in the carry.
bool CFlatLineReader::ReadRawLine(std::string_view& line)
{
    if (!m_error.empty())
        return false;
    ++m_lineNumber;
    m_carry.clear();
    for (;;) {
        if (m_position == m_end && !Refill()) {
            line = m_carry; // the last line may lack its line feed
            return m_error.empty() && !m_carry.empty();
        }
        const char* start = m_block.data() + m_position;
        const std::size_t available = m_end - m_position;
        const auto* feed = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t length = feed ? std::size_t(feed - start) : available;
        if (m_carry.size() + length > kMaxLineLength) {
            m_error = "line " + std::to_string(m_lineNumber) + " is longer than " +
                      std::to_string(kMaxLineLength) + " bytes";
            return false;
        }
        m_position += length;
        if (feed && m_carry.empty()) {
            ++m_position;
            line = std::string_view(start, length);
            return true;
        }
        m_carry.append(start, length);
        if (feed) {
            ++m_position;
            line = m_carry;
            return true;
        }
    }
}

bool CFlatLineReader::Refill()
{
    if (m_file == nullptr)
        return false;
    m_position = 0;
    m_end = std::fread(m_block.data(), 1, m_block.size(), m_file);
    if (m_end == 0 && std::ferror(m_file))
        m_error = "the file cannot be read";
    return m_end > 0;
}

std::span<const std::string_view> CFlatFieldSplitter::Split(std::string_view line, char separator, bool quoted,
                                                            std::size_t wanted)
{
    if (m_fields.size() < wanted) {
        m_fields.resize(wanted);
        m_unquoted.resize(wanted);
    }
    // Most lines hold no quote, and most fields none where a line does: a field that ends before
    // the next quote is handed out where it lies, with only its end to trim.
    std::size_t quote = quoted ? Find(line, '"', 0, line.size()) : line.size();
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < line.size() && count < wanted) {
        while (i < line.size() && IsBlank(line[i], separator))
            ++i;
        const std::size_t start = i;
        // Fields are short: a plain search beats a call of memchr here.
        i = std::size_t(std::find(line.begin() + std::ptrdiff_t(i), line.end(), separator) - line.begin());
        if (quote < i) {
            std::string& storage = m_unquoted[count];
            storage.clear();
            i = Unquote(line, start, separator, storage);
            m_fields[count++] = TrimmedOfBlanks(storage, separator);
            quote = Find(line, '"', i, line.size());
        } else {
            m_fields[count++] = WithoutTrailingBlanks(line.substr(start, i - start), separator);
        }
        if (i < line.size() && ++i == line.size() && count < wanted)
            m_fields[count++] = {}; // a line ending in a separator has one more, empty, field
    }
    return std::span(m_fields).first(count);
}

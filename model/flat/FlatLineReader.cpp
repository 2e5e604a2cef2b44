#include "model/flat/FlatLineReader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kBlockSize = 1 << 16;

bool IsComment(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    return first != std::string_view::npos && line[first] == ';';
}

} // namespace

CFlatLineReader::CFlatLineReader(std::FILE* file) : m_file(file), m_block(kBlockSize) {}

bool CFlatLineReader::Next(std::string_view& line, bool keepLeadingBlanks)
{
    do {
        if (!ReadRawLine(line))
            return false;
    } while (IsComment(line));
    while (line.ends_with('\r'))
        line.remove_suffix(1);
    if (!keepLeadingBlanks)
        line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
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

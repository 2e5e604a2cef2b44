#include "model/flat/FlatLineReader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kBlockSize = 1 << 16;

bool IsComment(const std::string& line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    return first != std::string::npos && line[first] == ';';
}

} // namespace

CFlatLineReader::CFlatLineReader(std::FILE* file) : m_file(file), m_block(kBlockSize) {}

bool CFlatLineReader::Next(std::string& line, bool keepLeadingBlanks)
{
    do {
        if (!ReadRawLine(line))
            return false;
    } while (IsComment(line));
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (!keepLeadingBlanks)
        line.erase(0, std::min(line.find_first_not_of(" \t"), line.size()));
    return true;
}

bool CFlatLineReader::ReadRawLine(std::string& line)
{
    line.clear();
    if (!m_error.empty())
        return false;
    ++m_lineNumber;
    for (;;) {
        if (m_position == m_end && !Refill())
            return m_error.empty() && !line.empty(); // the last line may lack its line feed
        const char* start = m_block.data() + m_position;
        const std::size_t available = m_end - m_position;
        const auto* feed = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t length = feed ? std::size_t(feed - start) : available;
        if (line.size() + length > kMaxLineLength) {
            m_error = "line " + std::to_string(m_lineNumber) + " is longer than " +
                      std::to_string(kMaxLineLength) + " bytes";
            return false;
        }
        line.append(start, length);
        m_position += length;
        if (feed) {
            ++m_position;
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

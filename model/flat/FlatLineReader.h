#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Reads the lines of a text file for the flat-file imports, block by block. A line ends at a line
// feed; carriage returns before it are dropped, so files from Windows read like any other.
class CFlatLineReader {
public:
    // No real row comes near this; a longer line is a damaged or foreign file.
    static constexpr std::size_t kMaxLineLength = 1 << 20;

    explicit CFlatLineReader(std::FILE* file);

    // The next line that is not a comment (";" first after blanks and tabs), without its line end;
    // it stays valid until the next call. Leading blanks and tabs are removed unless
    // keepLeadingBlanks. False at the end of the file, or when reading failed or met an overlong
    // line (Error() says which).
    bool Next(std::string_view& line, bool keepLeadingBlanks = false);

    long LineNumber() const { return m_lineNumber; } // of the line last returned, from 1
    const std::string& Error() const { return m_error; }

private:
    bool ReadRawLine(std::string_view& line);
    bool Refill();

    std::FILE* m_file;
    std::vector<char> m_block;
    std::size_t m_position = 0;
    std::size_t m_end = 0;
    std::string m_carry; // a line that runs over the end of the block
    long m_lineNumber = 0;
    std::string m_error;
};

#pragma once

#include <cstddef>
#include <cstdio>
#include <span>
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

    // The next line that is not a comment (";" first after blanks and tabs), without its line end
    // and, for the first line, without a UTF-8 byte order mark; it stays valid until the next call.
    // Leading blanks and tabs are removed unless keepLeadingBlanks. False at the end of the file,
    // or when reading failed or met an overlong line (Error() says which).
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

// Splits lines of separated fields as SplitToList(line, separator, quoted, true) does: with
// quoted, '"' toggles quoting and '""' inside quotes gives one quote; each field loses its blanks
// and tabs around it (only blanks when the separator is a tab). A field without quotes is handed
// out where it lies in the line; only quoted ones are copied, into storage kept from row to row.
class CFlatFieldSplitter {
public:
    // At most the first `wanted` fields; they stay valid until the next call and while the line does.
    std::span<const std::string_view> Split(std::string_view line, char separator, bool quoted, std::size_t wanted);

private:
    std::vector<std::string_view> m_fields; // room for the wanted fields, the line's at the front
    std::vector<std::string> m_unquoted; // one per field position
};

// The text without the blanks and tabs around it; only blanks when `separator` is a tab.
std::string_view TrimmedOfBlanks(std::string_view text, char separator = 0);

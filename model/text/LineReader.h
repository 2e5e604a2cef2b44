#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// Reads a stream byte by byte and counts the line feeds it has read, for messages that name a line.
class CCountingReader {
public:
    explicit CCountingReader(std::FILE* file) : m_file(file) {}

    int Get();            // the next byte (0-255) or EOF
    void PushBack(int c); // gives back the byte just read; a line feed is uncounted

    long LineCount() const { return m_lineCount; }
    void SetLineCount(long count) { m_lineCount = count; }

private:
    std::FILE* m_file;
    long m_lineCount = 0;
};

constexpr std::size_t kNoLimit = SIZE_MAX;

// Reads up to one of the terminators or the end, keeping at most maximum - 1 bytes (reading
// stops there). The terminator is consumed with consume, else pushed back. Returns the count kept.
std::size_t ReadUntil(CCountingReader& reader, std::string& text, std::string_view terminators,
                      std::size_t maximum, bool consume);

// The next line that is not a comment (its first byte after blanks and tabs is one of
// commentChars), without its line feed; leading blanks and tabs are kept. At most maximum - 1
// bytes are kept and the rest of a longer line is skipped. Returns the length, -1 at the end.
long ReadLine(CCountingReader& reader, std::string& line, std::string_view commentChars,
              std::size_t maximum = kNoLimit);

// The bytes up to a NUL or the end of the stream.
std::string ReadNulTerminated(CCountingReader& reader);

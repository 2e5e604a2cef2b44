#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Buffered output of an export that remembers whether every byte reached the file. Text lines
// end with CR LF, as the agency's and spreadsheet users' Windows tools expect.
class CFlatOutput {
public:
    explicit CFlatOutput(std::FILE* file) : m_file(file) { m_buffer.reserve(kBufferSize); }

    void Write(std::string_view bytes);
    void EndLine() { Write("\r\n"); }
    void WriteLine(std::string_view text)
    {
        Write(text);
        EndLine();
    }
    // Writes what is buffered and flushes the file: FLAT_EXPORT_DONE, or FLAT_EXPORT_WRITE_FAILED
    // when any write failed.
    int Finish();

private:
    static constexpr std::size_t kBufferSize = 1 << 16;

    void Flush();

    std::FILE* m_file;
    std::string m_buffer;
    bool m_failed = false;
};

// A field's text on one line: each line break, and each character of `alsoBlank`, becomes a blank.
std::string OnOneLine(std::string_view text, std::string_view alsoBlank = {});

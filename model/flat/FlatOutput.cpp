#include "model/flat/FlatOutput.h"

#include "model/flat/FlatFileJob.h"

void CFlatOutput::Write(std::string_view bytes)
{
    m_buffer.append(bytes);
    if (m_buffer.size() >= kBufferSize)
        Flush();
}

void CFlatOutput::Flush()
{
    if (m_file == nullptr || std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size())
        m_failed = true;
    m_buffer.clear();
}

int CFlatOutput::Finish()
{
    Flush();
    if (m_file == nullptr || std::fflush(m_file) != 0 || std::ferror(m_file))
        m_failed = true;
    return m_failed ? FLAT_EXPORT_WRITE_FAILED : FLAT_EXPORT_DONE;
}

std::string OnOneLine(std::string_view text, std::string_view alsoBlank)
{
    std::string line(text);
    for (char& c : line)
        if (c == '\r' || c == '\n' || alsoBlank.find(c) != std::string_view::npos)
            c = ' ';
    return line;
}

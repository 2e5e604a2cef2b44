#include "model/text/LineReader.h"

int CCountingReader::Get()
{
    const int c = std::getc(m_file);
    if (c == '\n')
        ++m_lineCount;
    return c;
}

void CCountingReader::PushBack(int c)
{
    if (c == EOF)
        return;
    if (std::ungetc(c, m_file) != EOF && c == '\n')
        --m_lineCount;
}

std::size_t ReadUntil(CCountingReader& reader, std::string& text, std::string_view terminators,
                      std::size_t maximum, bool consume)
{
    text.clear();
    while (text.size() + 1 < maximum) {
        const int c = reader.Get();
        if (c == EOF)
            break;
        if (terminators.find(char(c)) != std::string_view::npos) {
            if (!consume)
                reader.PushBack(c);
            break;
        }
        text += char(c);
    }
    return text.size();
}

namespace {

void SkipRestOfLine(CCountingReader& reader)
{
    for (int c = reader.Get(); c != EOF && c != '\n'; c = reader.Get()) {
    }
}

} // namespace

long ReadLine(CCountingReader& reader, std::string& line, std::string_view commentChars,
              std::size_t maximum)
{
    for (;;) {
        line.clear();
        int c = reader.Get();
        for (; c == ' ' || c == '\t'; c = reader.Get()) {
            if (line.size() + 1 < maximum)
                line += char(c);
        }
        if (c == EOF)
            return -1;
        if (c != '\n' && commentChars.find(char(c)) != std::string_view::npos) {
            SkipRestOfLine(reader);
            continue;
        }
        reader.PushBack(c);
        std::string rest;
        ReadUntil(reader, rest, "\n", maximum - line.size(), true);
        line += rest;
        // An overlong line is cut, never split into two lines.
        if (line.size() + 1 >= maximum)
            SkipRestOfLine(reader);
        return long(line.size());
    }
}

std::string ReadNulTerminated(CCountingReader& reader)
{
    std::string text;
    for (int c = reader.Get(); c != EOF && c != '\0'; c = reader.Get())
        text += char(c);
    return text;
}

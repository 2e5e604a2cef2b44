#include "model/reports/TemplateScanner.h"

#include "model/reports/TemplateError.h"

void CTemplateScanner::SkipBlanks()
{
    while (!AtEnd() && (m_line[m_position] == ' ' || m_line[m_position] == '\t'))
        ++m_position;
}

bool CTemplateScanner::Accept(std::string_view token)
{
    SkipBlanks();
    if (m_line.substr(m_position, token.size()) != token)
        return false;
    m_position += token.size();
    return true;
}

void CTemplateScanner::Expect(std::string_view token)
{
    if (Accept(token))
        return;
    const std::string expected(token);
    if (AtEnd() || Peek() == '\r')
        Fail(FormatTemplateMessage("Found end of line where %s was expected in template [%s]", expected.c_str(),
                                   m_templateName.c_str()));
    const std::string found(1, Peek());
    Fail(FormatTemplateMessage("Found %s where %s was expected in template [%s]", found.c_str(), expected.c_str(),
                               m_templateName.c_str()));
}

std::string_view CTemplateScanner::ReadUntil(std::string_view stops)
{
    const std::size_t start = m_position;
    while (!AtEnd() && stops.find(m_line[m_position]) == std::string_view::npos)
        ++m_position;
    return m_line.substr(start, m_position - start);
}

std::string_view CTemplateScanner::ReadQuoted()
{
    const std::size_t start = m_position;
    const std::size_t close = m_line.find('"', start);
    if (close == std::string_view::npos) {
        m_position = m_line.size();
        Expect("\"");
    }
    m_position = close + 1;
    return m_line.substr(start, close - start);
}

void CTemplateScanner::FailAt(int column, const std::string& message) const
{
    throw CTemplateError(message, m_templateName, m_lineNumber, column);
}

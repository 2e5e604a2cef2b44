#pragma once

#include <string>
#include <string_view>

// The cursor over one template line that the parser reads with; every failure names the
// template, the line and the column.
class CTemplateScanner {
public:
    CTemplateScanner(std::string_view line, const std::string& templateName, int lineNumber)
        : m_line(line), m_templateName(templateName), m_lineNumber(lineNumber)
    {
    }

    bool AtEnd() const { return m_position >= m_line.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_line[m_position]; }
    std::size_t Position() const { return m_position; }
    int Column() const { return int(m_position) + 1; }
    const std::string& TemplateName() const { return m_templateName; }

    void SkipBlanks();
    // After blanks: consumes the token when it stands next.
    bool Accept(std::string_view token);
    // After blanks: consumes the token, or fails naming what was expected.
    void Expect(std::string_view token);
    // Consumes up to the first character of `stops` or the end of the line.
    std::string_view ReadUntil(std::string_view stops);
    // A quoted text after its opening quote, up to the closing one, which is consumed.
    std::string_view ReadQuoted();

    [[noreturn]] void Fail(const std::string& message) const { FailAt(Column(), message); }
    [[noreturn]] void FailAt(int column, const std::string& message) const;

private:
    std::string_view m_line;
    const std::string& m_templateName;
    int m_lineNumber;
    std::size_t m_position = 0;
};

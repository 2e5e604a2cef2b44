#pragma once

#include <stdexcept>
#include <string>

// A template that cannot be parsed or evaluated. It names the template and the place in it; the
// report is abandoned and the proposal is left as it was.
class CTemplateError : public std::runtime_error {
public:
    CTemplateError(std::string message, std::string templateName, int line, int column);

    const std::string& GetMessage() const { return m_strMessage; }
    const std::string& GetTemplateName() const { return m_strTemplate; }
    int GetLine() const { return m_iLine; }     // from 1
    int GetColumn() const { return m_iColumn; } // from 1

private:
    std::string m_strMessage;
    std::string m_strTemplate;
    int m_iLine;
    int m_iColumn;
};

// A printf-style message of any length.
std::string FormatTemplateMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

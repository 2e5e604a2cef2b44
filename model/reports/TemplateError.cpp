#include "model/reports/TemplateError.h"

#include "platform/core/FormatText.h"

#include <cstdarg>

namespace {

std::string Describe(const std::string& message, const std::string& templateName, int line, int column)
{
    return message + " (template [" + templateName + "], line " + std::to_string(line) + ", column " +
           std::to_string(column) + ")";
}

} // namespace

CTemplateError::CTemplateError(std::string message, std::string templateName, int line, int column)
    : std::runtime_error(Describe(message, templateName, line, column)),
      m_strMessage(std::move(message)),
      m_strTemplate(std::move(templateName)),
      m_iLine(line),
      m_iColumn(column)
{
}

std::string FormatTemplateMessage(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = platform::FormatTextV(format, args);
    va_end(args);
    return text;
}

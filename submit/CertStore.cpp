#include "submit/CertStore.h"

#include "submit/SessionLog.h"

#include <cstdarg>
#include <cstdio>

namespace {

std::string FormatText(const char* format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0)
        return {};
    std::string text(std::size_t(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(std::size_t(length));
    return text;
}

} // namespace

CCertStore::CCertStore() : m_errorText("No system certificate store is available on this platform.")
{
}

int CCertStore::SetLog(CSessionLog* log)
{
    m_log = log;
    m_workFolder = log != nullptr && !log->GetFolder().empty() ? log->GetFolder() : ".";
    return 0;
}

int CCertStore::Log(int level, const char* format, ...)
{
    if (m_log == nullptr || format == nullptr)
        return 0;
    va_list args;
    va_start(args, format);
    const std::string text = FormatText(format, args);
    va_end(args);
    WriteSessionLog(m_log, level, "%s", text.c_str());
    return 0;
}

#include "submit/CertStore.h"

#include "platform/core/FormatText.h"
#include "submit/SessionLog.h"

#include <cstdarg>
#include <cstdio>

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
    const std::string text = platform::FormatTextV(format, args);
    va_end(args);
    WriteSessionLog(m_log, level, "%s", text.c_str());
    return 0;
}

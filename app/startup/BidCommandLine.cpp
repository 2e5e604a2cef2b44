#include "app/startup/BidCommandLine.h"

#include "platform/core/Files.h"

#include <strings.h>

namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view start)
{
    return text.size() >= start.size() &&
           strncasecmp(text.data(), start.data(), start.size()) == 0;
}

bool IsFrameworkFlag(const std::string& flag)
{
    return strcasecmp(flag.c_str(), "p") == 0 || strcasecmp(flag.c_str(), "pt") == 0;
}

} // namespace

void CMyCommandLineInfo::ParseParam(const char* param, bool flag, bool last)
{
    const std::string text = param ? param : "";
    if (!flag) {
        CCommandLineInfo::ParseParam(param, flag, last);
        return;
    }
    if (strcasecmp(text.c_str(), "Templates") == 0) {
        m_bTemplates = 1;
    } else if (strcasecmp(text.c_str(), "Logs") == 0 || strcasecmp(text.c_str(), "KeepLogs") == 0) {
        m_bKeepLogs = 1;
    } else if (StartsWithIgnoringCase(text, "ini=")) {
        m_strConfigFile = text.substr(text.find('=') + 1);
    } else if (!IsFrameworkFlag(text) &&
               (text.find('/') != std::string::npos || platform::FileExists("/" + text))) {
        // Here an absolute path begins with "/" too: it names the file to open.
        const std::string path = "/" + text;
        CCommandLineInfo::ParseParam(path.c_str(), false, last);
        return;
    }
    CCommandLineInfo::ParseParam(param, flag, last);
}

std::string DefaultExportFileName(std::string_view programPath)
{
    return std::string(programPath.substr(0, programPath.rfind('.'))) + ".ini";
}

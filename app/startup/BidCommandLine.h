#pragma once

#include "platform/core/CommandLineInfo.h"

#include <string>
#include <string_view>

// The program's command line: "/Templates", "/Logs" or "/KeepLogs", "/ini=<file>" (with "-" as
// well, in any case) besides the framework's own parameters.
class CMyCommandLineInfo : public CCommandLineInfo {
public:
    void ParseParam(const char* param, bool flag, bool last) override;

    int m_bTemplates = 0;
    int m_bKeepLogs = 1;
    std::string m_strConfigFile;
};

// The file Export Configuration offers first when no configuration file was named: the
// program's path cut at its last "." (a dot of a folder too), with ".ini" appended.
std::string DefaultExportFileName(std::string_view programPath);

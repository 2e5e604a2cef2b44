#include "platform/core/CommandLineInfo.h"

#include <strings.h>

void CCommandLineInfo::ParseParam(const char* param, bool flag, bool last)
{
    const std::string text = param ? param : "";
    if (flag)
        ParseFlag(text);
    else
        ParseNotFlag(text);
    if (last)
        ParseLast();
}

void CCommandLineInfo::ParseFlag(const std::string& flag)
{
    if (strcasecmp(flag.c_str(), "pt") == 0)
        m_nShellCommand = FilePrintTo;
    else if (strcasecmp(flag.c_str(), "p") == 0)
        m_nShellCommand = FilePrint;
    // Unknown flags belong to the application's own parser.
}

void CCommandLineInfo::ParseNotFlag(const std::string& text)
{
    if (m_strFileName.empty())
        m_strFileName = text;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.empty())
        m_strPrinterName = text;
}

void CCommandLineInfo::ParseLast()
{
    if (m_nShellCommand == FileNew && !m_strFileName.empty())
        m_nShellCommand = FileOpen;
}

void ParseCommandLine(int argc, const char* const* argv, CCommandLineInfo& info)
{
    if (!argv)
        return;
    int lastIndex = argc - 1;
    while (lastIndex > 0 && !argv[lastIndex])
        --lastIndex;
    for (int i = 1; i <= lastIndex; ++i) {
        const char* param = argv[i];
        if (!param)
            continue;
        const bool flag = param[0] == '/' || param[0] == '-';
        info.ParseParam(flag ? param + 1 : param, flag, i == lastIndex);
    }
}

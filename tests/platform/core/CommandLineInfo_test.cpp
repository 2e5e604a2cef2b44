#include "platform/core/CommandLineInfo.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

CCommandLineInfo Parse(std::vector<const char*> args)
{
    args.insert(args.begin(), "zod");
    CCommandLineInfo info;
    ParseCommandLine(static_cast<int>(args.size()), args.data(), info);
    return info;
}

// Records what the parser hands to an application's hook.
struct RecordingInfo : CCommandLineInfo {
    std::vector<std::string> seen;
    void ParseParam(const char* param, bool flag, bool last) override
    {
        seen.push_back(std::string(flag ? "flag:" : "text:") + param + (last ? "!" : ""));
        CCommandLineInfo::ParseParam(param, flag, last);
    }
};

} // namespace

TEST(CommandLine, ShellCommandFollowsTheParameters)
{
    EXPECT_EQ(Parse({}).m_nShellCommand, CCommandLineInfo::FileNew);
    const CCommandLineInfo open = Parse({"/Templates", "bid.tvb", "-KeepLogs"});
    EXPECT_EQ(open.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(open.m_strFileName, "bid.tvb");
    const CCommandLineInfo print = Parse({"/P", "bid.tvb"});
    EXPECT_EQ(print.m_nShellCommand, CCommandLineInfo::FilePrint);
    const CCommandLineInfo printTo = Parse({"/pt", "bid.tvb", "office"});
    EXPECT_EQ(printTo.m_nShellCommand, CCommandLineInfo::FilePrintTo);
    EXPECT_EQ(printTo.m_strPrinterName, "office");
}

TEST(CommandLine, HookSeesEveryParameterWithoutItsFlagCharacter)
{
    RecordingInfo info;
    const char* args[] = {"zod", "/ini=c:\\a.ini", "ini=b", "-", nullptr};
    ParseCommandLine(5, args, info);
    EXPECT_EQ(info.seen, (std::vector<std::string>{"flag:ini=c:\\a.ini", "text:ini=b",
                                                   "flag:!"}));
    // Not a flag: the framework takes it as the file to open.
    EXPECT_EQ(info.m_strFileName, "ini=b");
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen);
}

TEST(CommandLine, SurvivesHostileArgumentVectors)
{
    CCommandLineInfo info;
    ParseCommandLine(3, nullptr, info);
    const char* empties[] = {"zod", "", "/", nullptr, "-"};
    ParseCommandLine(5, empties, info);
    ParseCommandLine(-4, empties, info);
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileNew);
    EXPECT_EQ(info.m_strFileName, "");
}

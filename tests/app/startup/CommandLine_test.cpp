#include "app/startup/BidCommandLine.h"
#include "platform/core/Environment.h"
#include "tests/app/AppTestSupport.h"

namespace {

struct SwitchCase {
    const char* name;
    std::vector<const char*> params;
    int templates;
    const char* configFile;
    const char* fileName;
    int shellCommand;
};

class CommandLineSwitches : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(CommandLineSwitches, AreRecognisedInAnyCaseWithSlashOrDash)
{
    const SwitchCase& c = GetParam();
    std::vector<const char*> argv{"zod"};
    argv.insert(argv.end(), c.params.begin(), c.params.end());
    CMyCommandLineInfo info;
    ParseCommandLine(int(argv.size()), argv.data(), info);
    EXPECT_EQ(info.m_bTemplates, c.templates);
    EXPECT_EQ(info.m_bKeepLogs, 1); // on whatever the switches say
    EXPECT_EQ(info.m_strConfigFile, c.configFile);
    EXPECT_EQ(info.m_strFileName, c.fileName);
    EXPECT_EQ(info.m_nShellCommand, c.shellCommand);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, CommandLineSwitches,
    ::testing::Values(
        SwitchCase{"None", {}, 0, "", "", CCommandLineInfo::FileNew},
        SwitchCase{"Templates", {"/Templates"}, 1, "", "", CCommandLineInfo::FileNew},
        SwitchCase{"TemplatesInCapitals", {"-TEMPLATES"}, 1, "", "", CCommandLineInfo::FileNew},
        SwitchCase{"Logs", {"/logs", "-KEEPLOGS"}, 0, "", "", CCommandLineInfo::FileNew},
        SwitchCase{"IniWithSlash", {"/ini=/etc/zod/office.ini"}, 0, "/etc/zod/office.ini", "", CCommandLineInfo::FileNew},
        SwitchCase{"IniInCapitals", {"-INI=C:\\zod\\a=b.ini"}, 0, "C:\\zod\\a=b.ini", "", CCommandLineInfo::FileNew},
        SwitchCase{"IniWithoutSwitchIsAFile", {"ini=office.ini"}, 0, "", "ini=office.ini", CCommandLineInfo::FileOpen},
        SwitchCase{"FileAfterSwitches", {"/Templates", "bid.tvb"}, 1, "", "bid.tvb", CCommandLineInfo::FileOpen},
        SwitchCase{"AbsolutePathIsAFile", {"/home/u/bids/bid.tvb"}, 0, "", "/home/u/bids/bid.tvb", CCommandLineInfo::FileOpen},
        SwitchCase{"FrameworkPrint", {"/p", "bid.tvb"}, 0, "", "bid.tvb", CCommandLineInfo::FilePrint},
        SwitchCase{"UnknownSwitchIgnored", {"/Bogus"}, 0, "", "", CCommandLineInfo::FileNew}),
    [](const auto& info) { return std::string(info.param.name); });

struct ExportNameCase {
    const char* name;
    const char* program;
    const char* expected;
};

class ExportFileName : public ::testing::TestWithParam<ExportNameCase> {};

TEST_P(ExportFileName, IsTheProgramsPathCutAtItsLastDot)
{
    EXPECT_EQ(DefaultExportFileName(GetParam().program), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, ExportFileName,
    ::testing::Values(ExportNameCase{"NoDot", "/opt/zod/bin/zod", "/opt/zod/bin/zod.ini"},
                      ExportNameCase{"Extension", "/opt/zod/zod.bin", "/opt/zod/zod.ini"},
                      ExportNameCase{"DotInFolderOnly", "/opt/zod.d/zod", "/opt/zod.ini"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BidAppTest, TheApplicationKeepsTheSwitchesAndTheExportFileName)
{
    auto app = Start({"-templates"});
    EXPECT_EQ(app->m_bTemplates, 1);
    EXPECT_EQ(app->m_bKeepLogs, 1);
    EXPECT_EQ(app->m_strConfigFile, "");
    EXPECT_EQ(app->m_strExportFile, DefaultExportFileName(platform::ExecutablePath()));
    Stop(*app);
}

} // namespace

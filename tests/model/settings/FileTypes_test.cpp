#include "model/settings/FileTypes.h"
#include "platform/core/Environment.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using testsupport::ReadTextFile;

namespace {

struct Stamp {
    ino_t inode = 0;
    bool operator==(const Stamp&) const = default;
};

Stamp StampOf(const std::string& path)
{
    struct stat info{};
    return stat(path.c_str(), &info) == 0 ? Stamp{info.st_ino} : Stamp{};
}

bool ToolInstalled(const char* tool)
{
    return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

class FileTypes : public ::testing::Test {
protected:
    std::string Data(std::string_view name) const { return m_folder / std::string(name); }

    testsupport::TempFolder m_folder;
    testsupport::ScopedEnvironment m_data{"XDG_DATA_HOME", m_folder.Path().c_str()};
};

TEST_F(FileTypes, RegisteringWritesThePackageAndTheEntryOnceOnly)
{
    ASSERT_TRUE(RegisterFileTypes());
    const std::string package = ReadTextFile(Data(kMimePackageFile));
    EXPECT_NE(package.find("<mime-type type=\"application/x-tarvello\">"), std::string::npos);
    EXPECT_NE(package.find("<comment>Zod.Document</comment>"), std::string::npos);
    EXPECT_NE(package.find("<glob pattern=\"*.tvb\"/>"), std::string::npos);
    EXPECT_NE(package.find("<glob pattern=\"*.tvl\"/>"), std::string::npos);
    EXPECT_EQ(ReadTextFile(Data(kDesktopEntryFile)), DesktopEntryText(platform::ExecutablePath()));
    if (ToolInstalled("update-mime-database")) {
        EXPECT_TRUE(std::filesystem::exists(Data("mime/application/x-tarvello.xml")));
    }

    const Stamp package1 = StampOf(Data(kMimePackageFile));
    const Stamp entry1 = StampOf(Data(kDesktopEntryFile));
    EXPECT_FALSE(RegisterFileTypes());
    EXPECT_EQ(StampOf(Data(kMimePackageFile)), package1);
    EXPECT_EQ(StampOf(Data(kDesktopEntryFile)), entry1);
}

TEST_F(FileTypes, AChangedEntryIsWrittenAgain)
{
    RegisterFileTypes();
    testsupport::WriteTextFile(Data(kDesktopEntryFile), "[Desktop Entry]\nExec=/old/zod %f\n");
    EXPECT_TRUE(RegisterFileTypes());
    EXPECT_EQ(ReadTextFile(Data(kDesktopEntryFile)), DesktopEntryText(platform::ExecutablePath()));
}

struct ExecCase {
    const char* name;
    const char* path;
    const char* exec; // the Exec line as written in the file; empty: no entry
};

class DesktopExec : public ::testing::TestWithParam<ExecCase> {};

TEST_P(DesktopExec, QuotesWhatTheCommandLineWouldTakeApart)
{
    const ExecCase& c = GetParam();
    const std::string text = DesktopEntryText(c.path);
    if (*c.exec == '\0') {
        EXPECT_EQ(text, "");
        return;
    }
    EXPECT_NE(text.find(std::string("\nExec=") + c.exec + " %f\n"), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DesktopExec,
    ::testing::Values(ExecCase{"Plain", "/opt/zod/bin/zod", "/opt/zod/bin/zod"},
                      ExecCase{"Blank", "/opt/my zod/zod", "\"/opt/my zod/zod\""},
                      ExecCase{"Percent", "/opt/100%/zod", "/opt/100%%/zod"},
                      ExecCase{"Dollar", "/opt/$x/zod", "\"/opt/\\\\$x/zod\""},
                      ExecCase{"Quote", "/opt/a\"b/zod", "\"/opt/a\\\\\"b/zod\""},
                      ExecCase{"Backslash", "/opt/a\\b/zod", "\"/opt/a\\\\\\\\b/zod\""},
                      ExecCase{"LineBreak", "/opt/a\nb/zod", ""},
                      ExecCase{"Unknown", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

#include "platform/core/Files.h"

#include "tests/support/TestEnvironment.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using testsupport::FileSizeLimit;
using testsupport::FilesIn;
using testsupport::ReadTextFile;
using testsupport::TempFolder;
using testsupport::WriteTextFile;

namespace {

class FilesTest : public ::testing::Test {
protected:
    TempFolder m_folder;
    const std::string m_target = m_folder / "bid.tvb";
};

} // namespace

TEST_F(FilesTest, ReadWholeFileReadsBytesAndRefusesWhatItShouldNot)
{
    const std::string bytes("a\0\r\n\xFF", 5);
    WriteTextFile(m_folder / "f", bytes);
    EXPECT_EQ(platform::ReadWholeFile(m_folder / "f"), bytes);

    std::string error;
    EXPECT_FALSE(platform::ReadWholeFile(m_folder / "f", &error, 4));
    EXPECT_NE(error.find(m_folder / "f"), std::string::npos);
    EXPECT_FALSE(platform::ReadWholeFile(m_folder / "missing", &error));
    EXPECT_NE(error.find("No such file"), std::string::npos);
    EXPECT_FALSE(platform::ReadWholeFile(m_folder.Path(), &error));
    WriteTextFile(m_folder / "empty", "");
    EXPECT_EQ(platform::ReadWholeFile(m_folder / "empty"), "");
}

TEST_F(FilesTest, MakeDirectoriesCreatesEveryLevelAndReportsABlockedPath)
{
    EXPECT_TRUE(platform::MakeDirectories(m_folder / "a/b/c"));
    EXPECT_TRUE(platform::IsDirectory(m_folder / "a/b/c"));
    EXPECT_TRUE(platform::MakeDirectories(m_folder / "a/b/c/")); // already there
    WriteTextFile(m_folder / "file", "x");
    std::string error;
    EXPECT_FALSE(platform::MakeDirectories(m_folder / "file/sub", &error));
    EXPECT_NE(error.find("file"), std::string::npos);
    EXPECT_FALSE(platform::MakeDirectories(m_folder / "file", &error));
    EXPECT_FALSE(platform::MakeDirectories("", &error));
}

TEST_F(FilesTest, CopyRenameAndRemoveReportFailures)
{
    WriteTextFile(m_folder / "src", "payload");
    EXPECT_TRUE(platform::CopyFile(m_folder / "src", m_folder / "copy"));
    EXPECT_EQ(ReadTextFile(m_folder / "copy"), "payload");
    std::string error;
    EXPECT_FALSE(platform::CopyFile(m_folder / "missing", m_folder / "copy2", &error));
    EXPECT_FALSE(platform::FileExists(m_folder / "copy2"));
    EXPECT_FALSE(platform::RenameFile(m_folder / "missing", m_folder / "moved", &error));
    EXPECT_NE(error.find("missing"), std::string::npos);
    EXPECT_TRUE(platform::RemoveFile(m_folder / "copy"));
    EXPECT_TRUE(platform::RemoveFile(m_folder / "copy")); // already gone
    EXPECT_FALSE(platform::RemoveFile(m_folder.Path()));
}

TEST_F(FilesTest, AtomicWriteReplacesTheTargetAndKeepsItsPermissions)
{
    WriteTextFile(m_target, "old");
    chmod(m_target.c_str(), 0640);
    EXPECT_TRUE(platform::WriteFileAtomically(m_target, "new contents"));
    EXPECT_EQ(ReadTextFile(m_target), "new contents");
    struct stat info{};
    stat(m_target.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(FilesIn(m_folder.Path()), 1u);
}

TEST_F(FilesTest, NeitherUncommittedWorkNorAFailedWriteReplacesTheTarget)
{
    WriteTextFile(m_target, "old");
    {
        platform::AtomicFile file(m_target);
        ASSERT_TRUE(file.Open());
        EXPECT_TRUE(file.Write("half"));
        EXPECT_FALSE(file.Open());
    }
    EXPECT_EQ(FilesIn(m_folder.Path()), 1u) << "no temporary file is left";

    platform::AtomicFile file(m_target);
    ASSERT_TRUE(file.Open());
    {
        FileSizeLimit limit(4);
        EXPECT_FALSE(file.Write("more than four bytes"));
    }
    EXPECT_NE(file.Error().find(m_target), std::string::npos);
    EXPECT_NE(file.Error().find("too large"), std::string::npos);
    EXPECT_FALSE(file.Write("x"));
    EXPECT_FALSE(file.Commit());
    EXPECT_EQ(ReadTextFile(m_target), "old");
}

TEST_F(FilesTest, AtomicWriteReportsTargetsThatCannotBeWritten)
{
    std::string error;
    EXPECT_FALSE(platform::WriteFileAtomically(m_folder / "no/such/folder/f", "x", &error));
    EXPECT_NE(error.find("no/such/folder/f"), std::string::npos);
    EXPECT_NE(error.find("No such file"), std::string::npos);

    // A folder in the target's place: the rename fails and the temporary file goes.
    std::filesystem::create_directory(m_folder / "taken");
    EXPECT_FALSE(platform::WriteFileAtomically(m_folder / "taken", "x", &error));
    EXPECT_TRUE(platform::IsDirectory(m_folder / "taken"));
    EXPECT_EQ(FilesIn(m_folder.Path()), 1u);

    platform::AtomicFile unopened(m_folder / "f");
    EXPECT_FALSE(unopened.Write("x"));
    EXPECT_FALSE(unopened.Commit());
}

TEST(AtomicFile, CommittedAsNewItNeverReplacesAFileThatIsThere)
{
    TempFolder folder;
    const std::string target = folder / "p1.tvb";
    for (const char* bytes : {"first", "second"}) {
        platform::AtomicFile file(target);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write(bytes));
        EXPECT_EQ(file.CommitAsNew(), std::string_view(bytes) == "first");
    }
    EXPECT_EQ(ReadTextFile(target), "first");
    EXPECT_EQ(FilesIn(folder.Path()), 1u) << "the refused temporary file is gone";
}

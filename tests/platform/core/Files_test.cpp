#include "platform/core/Files.h"

#include "tests/support/TestEnvironment.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using testsupport::FileSizeLimit;
using testsupport::ReadTextFile;
using testsupport::TempFolder;
using testsupport::WriteTextFile;

namespace {

std::size_t FilesIn(const std::string& folder)
{
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

} // namespace

TEST(ReadWholeFile, ReadsBytesAndRefusesWhatItShouldNot)
{
    TempFolder folder;
    const std::string bytes("a\0\r\n\xFF", 5);
    WriteTextFile(folder / "f", bytes);
    EXPECT_EQ(platform::ReadWholeFile(folder / "f"), bytes);

    std::string error;
    EXPECT_FALSE(platform::ReadWholeFile(folder / "f", &error, 4));
    EXPECT_NE(error.find(folder / "f"), std::string::npos);
    EXPECT_FALSE(platform::ReadWholeFile(folder / "missing", &error));
    EXPECT_NE(error.find("No such file"), std::string::npos);
    EXPECT_FALSE(platform::ReadWholeFile(folder.Path(), &error));
    WriteTextFile(folder / "empty", "");
    EXPECT_EQ(platform::ReadWholeFile(folder / "empty"), "");
}

TEST(MakeDirectories, CreatesEveryLevelAndReportsABlockedPath)
{
    TempFolder folder;
    EXPECT_TRUE(platform::MakeDirectories(folder / "a/b/c"));
    EXPECT_TRUE(platform::IsDirectory(folder / "a/b/c"));
    EXPECT_TRUE(platform::MakeDirectories(folder / "a/b/c/")); // already there
    WriteTextFile(folder / "file", "x");
    std::string error;
    EXPECT_FALSE(platform::MakeDirectories(folder / "file/sub", &error));
    EXPECT_NE(error.find("file"), std::string::npos);
    EXPECT_FALSE(platform::MakeDirectories(folder / "file", &error));
    EXPECT_FALSE(platform::MakeDirectories("", &error));
}

TEST(Files, CopyRenameAndRemoveReportFailures)
{
    TempFolder folder;
    WriteTextFile(folder / "src", "payload");
    EXPECT_TRUE(platform::CopyFile(folder / "src", folder / "copy"));
    EXPECT_EQ(ReadTextFile(folder / "copy"), "payload");
    std::string error;
    EXPECT_FALSE(platform::CopyFile(folder / "missing", folder / "copy2", &error));
    EXPECT_FALSE(platform::FileExists(folder / "copy2"));
    EXPECT_FALSE(platform::RenameFile(folder / "missing", folder / "moved", &error));
    EXPECT_NE(error.find("missing"), std::string::npos);
    EXPECT_TRUE(platform::RemoveFile(folder / "copy"));
    EXPECT_TRUE(platform::RemoveFile(folder / "copy")); // already gone
    EXPECT_FALSE(platform::RemoveFile(folder.Path()));
}

TEST(AtomicFile, ReplacesTheTargetAndKeepsItsPermissions)
{
    TempFolder folder;
    const std::string target = folder / "bid.tvb";
    WriteTextFile(target, "old");
    chmod(target.c_str(), 0640);
    EXPECT_TRUE(platform::WriteFileAtomically(target, "new contents"));
    EXPECT_EQ(ReadTextFile(target), "new contents");
    struct stat info{};
    stat(target.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(FilesIn(folder.Path()), 1u);
}

TEST(AtomicFile, UncommittedWorkLeavesTheOldFileAndNoTemporary)
{
    TempFolder folder;
    const std::string target = folder / "bid.tvb";
    WriteTextFile(target, "old");
    {
        platform::AtomicFile file(target);
        ASSERT_TRUE(file.Open());
        EXPECT_TRUE(file.Write("half"));
        EXPECT_FALSE(file.Open());
    }
    EXPECT_EQ(ReadTextFile(target), "old");
    EXPECT_EQ(FilesIn(folder.Path()), 1u);
}

TEST(AtomicFile, AFailedWriteNeverReplacesTheTarget)
{
    TempFolder folder;
    const std::string target = folder / "bid.tvb";
    WriteTextFile(target, "old");
    platform::AtomicFile file(target);
    ASSERT_TRUE(file.Open());
    {
        FileSizeLimit limit(4);
        EXPECT_FALSE(file.Write("more than four bytes"));
    }
    EXPECT_NE(file.Error().find(target), std::string::npos);
    EXPECT_NE(file.Error().find("too large"), std::string::npos);
    EXPECT_FALSE(file.Write("x"));
    EXPECT_FALSE(file.Commit());
    EXPECT_EQ(ReadTextFile(target), "old");
}

TEST(AtomicFile, ReportsTargetsThatCannotBeWritten)
{
    TempFolder folder;
    std::string error;
    EXPECT_FALSE(platform::WriteFileAtomically(folder / "no/such/folder/f", "x", &error));
    EXPECT_NE(error.find("no/such/folder/f"), std::string::npos);
    EXPECT_NE(error.find("No such file"), std::string::npos);

    // A folder in the target's place: the rename fails and the temporary file goes.
    std::filesystem::create_directory(folder / "taken");
    EXPECT_FALSE(platform::WriteFileAtomically(folder / "taken", "x", &error));
    EXPECT_TRUE(platform::IsDirectory(folder / "taken"));
    EXPECT_EQ(FilesIn(folder.Path()), 1u);

    platform::AtomicFile unopened(folder / "f");
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

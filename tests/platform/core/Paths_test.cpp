#include "platform/core/Paths.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Paths, SplitsWindowsPaths)
{
    struct Case {
        const char* path;
        WindowsPathParts parts;
    };
    const Case cases[] = {
        {"C:\\bids\\job.tvb", {"C:", "\\bids\\", "job", "tvb"}},
        {"c:job.tar.gz", {"c:", "", "job.tar", "gz"}},
        {"\\dir.d\\noext", {"", "\\dir.d\\", "noext", ""}},
        {"dir/sub\\file.", {"", "dir/sub\\", "file", ""}},
        {"1:\\x.y", {"", "1:\\", "x", "y"}},
        {"", {"", "", "", ""}},
        {"C:", {"C:", "", "", ""}},
    };
    for (const Case& c : cases) {
        const WindowsPathParts parts = SplitWindowsPath(c.path);
        EXPECT_EQ(parts.drive, c.parts.drive) << c.path;
        EXPECT_EQ(parts.folder, c.parts.folder) << c.path;
        EXPECT_EQ(parts.name, c.parts.name) << c.path;
        EXPECT_EQ(parts.extension, c.parts.extension) << c.path;
    }
}

TEST(Paths, JoinsWithoutDoublingSeparators)
{
    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/a/", "/b"), "/a/b");
    EXPECT_EQ(JoinPath("/a", "/b"), "/a/b");
    EXPECT_EQ(JoinPath("", "b"), "b");
    EXPECT_EQ(JoinPath("/", "b"), "/b");
}

TEST(Paths, TakesPosixPathsApart)
{
    EXPECT_EQ(FolderOf("/a/b.tvb"), "/a");
    EXPECT_EQ(FolderOf("/b.tvb"), "/");
    EXPECT_EQ(FolderOf("b.tvb"), "");
    EXPECT_EQ(FileNameOf("/a/b.tvb"), "b.tvb");
    EXPECT_EQ(FileNameOf("b"), "b");
    EXPECT_EQ(ExtensionOf("/a/b.tvb"), ".tvb");
    EXPECT_EQ(ExtensionOf("/a.d/b"), "");
    EXPECT_EQ(ExtensionOf("/a/.profile"), "");
    EXPECT_EQ(ReplaceExtension("/a/b.tvb", ".001"), "/a/b.001");
    EXPECT_EQ(ReplaceExtension("/a.d/b", ".001"), "/a.d/b.001");
    EXPECT_EQ(ReplaceExtension("x.tar.gz", ""), "x.tar");
}

TEST(Paths, ForeignPathsLoseTheirDriveAndBackslashes)
{
    EXPECT_EQ(ToLocalPath("C:\\bids\\job.tvb"), "/bids/job.tvb");
    EXPECT_EQ(ToLocalPath("d:job.tvb"), "job.tvb");
    EXPECT_EQ(ToLocalPath("sub\\job.tvb"), "sub/job.tvb");
    EXPECT_EQ(ToLocalPath(""), "");
}

TEST(Paths, OnlyPlainNamesAreAcceptedFromOutside)
{
    for (const char* good : {"job.tvb", "a b", ".hidden", "x..y"})
        EXPECT_TRUE(IsPlainFileName(good)) << good;
    for (const char* bad : {"", ".", "..", "../x", "a/b", "a\\b", "C:x", "/etc/passwd"})
        EXPECT_FALSE(IsPlainFileName(bad)) << bad;
    EXPECT_FALSE(IsPlainFileName(std::string("a\0b", 3)));
}

TEST(Paths, ShownPathsBecomeProgramText)
{
    EXPECT_EQ(platform::PathToText("/home/z/Caf\xC3\xA9/bid.tvb"), "/home/z/Caf\xE9/bid.tvb");
    EXPECT_EQ(platform::PathToText("/tmp/\xE6\x97\xA5.tvb"), "/tmp/?.tvb");
    EXPECT_EQ(platform::PathToText("/tmp/\xFF.tvb"), "/tmp/?.tvb");
}

TEST(Paths, AFolderHoldsItselfAndWhatLiesBelowIt)
{
    struct Case {
        const char* path;
        const char* folder;
        bool within;
    };
    const Case cases[] = {
        {"/lettings/2024", "/lettings", true},   {"/lettings", "/lettings", true},
        {"/lettings/", "/lettings", true},       {"/lettings/a", "/lettings/", true},
        {"/lettings2", "/lettings", false},      {"/lettings/../etc", "/lettings", false},
        {"/a/b/../c", "/a", true},               {"//lettings///x", "/lettings", true},
        {"/anything", "/", true},                {"/", "/lettings", false},
        {"lettings/a", "lettings", false},       {"", "/", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsWithinFolder(c.path, c.folder), c.within) << c.path << " in " << c.folder;
}

TEST(Paths, ARelativePathIsTakenFromTheCurrentFolderOnce)
{
    testsupport::TempFolder folder;
    const testsupport::ScopedCurrentFolder here(folder.Path());
    const std::string current = std::filesystem::current_path().string();
    EXPECT_EQ(AbsolutePath("work/s1/sample.tvb"), current + "/work/s1/sample.tvb");
    EXPECT_EQ(AbsolutePath("./work//s1/./sample.tvb"), current + "/work/s1/sample.tvb");
    // After a link ".." is not the folder before it: it stays for the file system to follow.
    EXPECT_EQ(AbsolutePath("../bids/x.tvb"), current + "/../bids/x.tvb");
    EXPECT_EQ(AbsolutePath("/bids//2024/./x.tvb"), "/bids/2024/x.tvb");
    EXPECT_EQ(AbsolutePath(""), "");
}

// Saving through symbolic links: the file at the end of the links gets the new bytes, the links
// stay links, and a link that leads nowhere is an error rather than a file written in its place.
#include "platform/core/Files.h"

#include "tests/support/TestEnvironment.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::FilesIn;
using testsupport::ReadTextFile;
using testsupport::TempFolder;
using testsupport::WriteTextFile;

namespace {

namespace fs = std::filesystem;

class SaveThroughLinks : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directory(m_folder / "bids");
        WriteTextFile(m_real, "old bid");
    }

    // The link still names what it named, and the folder holds no temporary file.
    void ExpectLinkKept(const std::string& link, const std::string& pointsTo)
    {
        EXPECT_TRUE(fs::is_symlink(link)) << link;
        EXPECT_EQ(fs::read_symlink(link).string(), pointsTo);
    }

    TempFolder m_folder;
    const std::string m_real = m_folder / "bids/bid.tvb";
};

TEST_F(SaveThroughLinks, TheFileTheLinkPointsToGetsTheSave)
{
    fs::create_symlink("bids/bid.tvb", m_folder / "bid.tvb");
    ASSERT_TRUE(platform::WriteFileAtomically(m_folder / "bid.tvb", "new bid"));
    ExpectLinkKept(m_folder / "bid.tvb", "bids/bid.tvb");
    EXPECT_EQ(ReadTextFile(m_real), "new bid");
    EXPECT_EQ(FilesIn(m_folder / "bids"), 1u);
    EXPECT_EQ(FilesIn(m_folder.Path()), 2u);
}

TEST_F(SaveThroughLinks, ALinkToALinkAndAnAbsoluteLinkAreFollowedToTheEnd)
{
    fs::create_symlink(m_real, m_folder / "absolute.tvb");
    fs::create_symlink("../absolute.tvb", m_folder / "bids/relative.tvb");
    ASSERT_TRUE(platform::WriteFileAtomically(m_folder / "bids/relative.tvb", "through two links"));
    ExpectLinkKept(m_folder / "bids/relative.tvb", "../absolute.tvb");
    ExpectLinkKept(m_folder / "absolute.tvb", m_real);
    EXPECT_EQ(ReadTextFile(m_real), "through two links");
}

TEST_F(SaveThroughLinks, TheFileKeepsItsPermissionsAndANewFileIsNotPutOverOne)
{
    chmod(m_real.c_str(), 0640);
    fs::create_symlink("bids/bid.tvb", m_folder / "bid.tvb");
    ASSERT_TRUE(platform::WriteFileAtomically(m_folder / "bid.tvb", "new bid"));
    struct stat info{};
    ASSERT_EQ(stat(m_real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    platform::AtomicFile asNew(m_folder / "bid.tvb");
    ASSERT_TRUE(asNew.Open());
    ASSERT_TRUE(asNew.Write("extracted"));
    EXPECT_FALSE(asNew.CommitAsNew());
    EXPECT_EQ(ReadTextFile(m_real), "new bid");
    ExpectLinkKept(m_folder / "bid.tvb", "bids/bid.tvb");
}

TEST_F(SaveThroughLinks, LoopsAndLinksToNothingAreErrorsThatChangeNothing)
{
    fs::create_symlink("b.tvb", m_folder / "a.tvb");
    fs::create_symlink("a.tvb", m_folder / "b.tvb");
    fs::create_symlink("self.tvb", m_folder / "self.tvb");
    fs::create_symlink("bids/gone.tvb", m_folder / "dangling.tvb");
    struct Case {
        const char* link;
        const char* reason;
    };
    for (const Case& c : {Case{"a.tvb", "Too many levels of symbolic links"},
                          Case{"self.tvb", "Too many levels of symbolic links"},
                          Case{"dangling.tvb", "No such file or directory"}}) {
        std::string error;
        EXPECT_FALSE(platform::WriteFileAtomically(m_folder / c.link, "bid", &error)) << c.link;
        EXPECT_NE(error.find(m_folder / c.link), std::string::npos) << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_TRUE(fs::is_symlink(m_folder / c.link)) << c.link;
    }
    EXPECT_FALSE(fs::exists(m_folder / "bids/gone.tvb"));
    EXPECT_EQ(FilesIn(m_folder.Path()), 5u);
    EXPECT_EQ(FilesIn(m_folder / "bids"), 1u);
}

// In a folder anyone may write to, a link another user made is not followed (the kernel refuses
// to follow it too), so nobody can point a save at a file of ours from /tmp.
TEST_F(SaveThroughLinks, ALinkAnotherUserPlantedInASharedFolderIsRefused)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "making a link of another user needs root";
    const std::string shared = m_folder / "shared";
    fs::create_directory(shared);
    chmod(shared.c_str(), 01777);
    const std::string planted = shared + "/bid.tvb";
    fs::create_symlink(m_real, planted);
    ASSERT_EQ(lchown(planted.c_str(), 54321, 54321), 0);
    std::string error;
    EXPECT_FALSE(platform::WriteFileAtomically(planted, "bid", &error));
    EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
    EXPECT_EQ(ReadTextFile(m_real), "old bid");

    ASSERT_EQ(lchown(planted.c_str(), geteuid(), getegid()), 0);
    EXPECT_TRUE(platform::WriteFileAtomically(planted, "own link"));
    EXPECT_EQ(ReadTextFile(m_real), "own link");
}

} // namespace

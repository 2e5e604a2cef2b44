// What a killed save leaves beside its target is removed by the next save of that target; the
// temporary file of a save still under way, and files that only look alike, are not.
#include "platform/core/Files.h"

#include "tests/support/TestEnvironment.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using testsupport::ReadTextFile;
using testsupport::TempFolder;
using testsupport::WriteTextFile;

namespace {

namespace fs = std::filesystem;

std::set<std::string> NamesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// A process that starts saving `target` and is killed before it commits.
void KilledSave(const std::string& target)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        platform::AtomicFile file(target);
        if (file.Open() && file.Write("half a bid"))
            raise(SIGKILL);
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}

class SaveLeftovers : public ::testing::Test {
protected:
    TempFolder m_folder;
    const std::string m_target = m_folder / "bid.tvb";
};

TEST_F(SaveLeftovers, TheNextSaveRemovesWhatKilledSavesLeft)
{
    WriteTextFile(m_target, "old bid");
    for (int i = 0; i < 3; ++i)
        KilledSave(m_target);
    // Each save sweeps before it starts, so only the last killed one's file is left.
    ASSERT_EQ(NamesIn(m_folder.Path()).size(), 2u);
    EXPECT_EQ(ReadTextFile(m_target), "old bid");

    ASSERT_TRUE(platform::WriteFileAtomically(m_target, "new bid"));
    EXPECT_EQ(NamesIn(m_folder.Path()), std::set<std::string>{"bid.tvb"});
    EXPECT_EQ(ReadTextFile(m_target), "new bid");
}

TEST_F(SaveLeftovers, ASaveUnderWayKeepsItsFile)
{
    platform::AtomicFile first(m_target);
    ASSERT_TRUE(first.Open());
    ASSERT_TRUE(first.Write("first"));
    ASSERT_TRUE(platform::WriteFileAtomically(m_target, "second"));
    EXPECT_EQ(NamesIn(m_folder.Path()).size(), 2u);
    ASSERT_TRUE(first.Commit());
    EXPECT_EQ(ReadTextFile(m_target), "first");
    EXPECT_EQ(NamesIn(m_folder.Path()), std::set<std::string>{"bid.tvb"});
}

TEST_F(SaveLeftovers, OnlyTheTargetsOwnTemporaryFilesAreSwept)
{
    KilledSave(m_folder / "other.tvb");
    const std::set<std::string> alike = {".bid.tvb.saving-abc", ".bid.tvb.saving-abcdefg", ".bid.tvb.saving-ab.def",
                                         "bid.tvb.saving-abcdef", ".bid.tvb.backup", ".bid.tvb.lock"};
    for (const std::string& name : alike)
        WriteTextFile(m_folder / name, "keep");
    std::set<std::string> before = NamesIn(m_folder.Path());
    ASSERT_TRUE(platform::WriteFileAtomically(m_target, "bid"));
    before.insert("bid.tvb");
    EXPECT_EQ(NamesIn(m_folder.Path()), before);
}

} // namespace

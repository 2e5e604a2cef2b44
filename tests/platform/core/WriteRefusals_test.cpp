// What the user may not write stays as it is: a save never renames round a read-only file or
// the permission of its folder.
#include "platform/core/Files.h"

#include "tests/support/TestEnvironment.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using testsupport::FilesIn;
using testsupport::ReadTextFile;
using testsupport::TempFolder;
using testsupport::WriteTextFile;

namespace {

struct Refusal {
    const char* name;
    mode_t fileMode;
    mode_t folderMode;
    bool throughLink; // the save names a link to the file
    const char* reason;
};

class WriteRefusal : public ::testing::TestWithParam<Refusal> {
protected:
    ~WriteRefusal() override { chmod(m_bids.c_str(), 0755); }

    TempFolder m_folder;
    const std::string m_bids = m_folder / "bids";
};

} // namespace

TEST_P(WriteRefusal, LeavesTheFileAsItWasAndSaysWhy)
{
    const Refusal& c = GetParam();
    std::filesystem::create_directory(m_bids);
    const std::string file = m_bids + "/bid.tvb";
    WriteTextFile(file, "priced bid");
    chmod(file.c_str(), c.fileMode);
    const std::string named = c.throughLink ? m_folder / "link.tvb" : file;
    if (c.throughLink)
        std::filesystem::create_symlink(file, named);
    chmod(m_bids.c_str(), c.folderMode);

    std::string error;
    EXPECT_FALSE(platform::WriteFileAtomically(named, "other bid", &error));
    EXPECT_EQ(error, "Cannot write file " + named + ": " + c.reason);
    WriteTextFile(m_folder / "other.tvb", "other bid");
    EXPECT_FALSE(platform::CopyFile(m_folder / "other.tvb", named));
    EXPECT_EQ(ReadTextFile(file), "priced bid");
    EXPECT_EQ(FilesIn(m_bids), 1u) << "no temporary file";
}

INSTANTIATE_TEST_SUITE_P(
    NotWritable, WriteRefusal,
    ::testing::Values(Refusal{"ReadOnlyFile", 0444, 0755, false, "the file is read-only."},
                      Refusal{"ReadOnlyFileThroughALink", 0444, 0755, true, "the file is read-only."},
                      Refusal{"FolderNobodyMayWrite", 0644, 0555, false, "its folder cannot be written."},
                      Refusal{"ReadOnlyFileInSuchAFolder", 0444, 0555, false, "its folder cannot be written."}),
    [](const auto& info) { return std::string(info.param.name); });

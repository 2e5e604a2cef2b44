// Attachments are read only from the path the bidder chose, and only when the file's size
// keeps within the proposal's limits; anything else is refused before a byte is read.
#include "app/forms/AttachmentFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

class AttachmentFileTest : public ::testing::Test {
protected:
    AttachmentFileTest() { std::filesystem::create_directories(m_folder); }
    ~AttachmentFileTest() override { std::filesystem::remove_all(m_folder); }

    std::string MakeFile(const std::string& name, size_t bytes) const
    {
        const std::string path = m_folder / name;
        std::ofstream(path, std::ios::binary) << std::string(bytes, 'a');
        return path;
    }

    const std::filesystem::path m_folder =
        std::filesystem::temp_directory_path() / ("attachments-" + std::to_string(::getpid()));
};

struct Refusal {
    const char* name;
    size_t bytes;     // of the file made; 0 for none
    const char* path; // used instead of the made file when set
    int64_t maxKilobytes, heldKilobytes, maxTotalKilobytes;
    AttachmentResult expected;
};

const Refusal kRefusals[] = {
    {"empty path", 0, "", 10, 0, 100, AttachmentResult::CannotOpen},
    {"missing file", 0, "/no/such/attachment.pdf", 10, 0, 100, AttachmentResult::CannotOpen},
    {"a folder", 0, "/", 10, 0, 100, AttachmentResult::CannotOpen},
    {"over the limit for one", 11000, nullptr, 10, 0, 100, AttachmentResult::TooLarge},
    {"over the limit for all", 5000, nullptr, 10, 96, 100, AttachmentResult::TotalTooLarge},
    {"negative limit", 10, nullptr, -1, 0, 100, AttachmentResult::TooLarge},
};

class AttachmentRefusals : public AttachmentFileTest, public ::testing::WithParamInterface<Refusal> {};

} // namespace

TEST_P(AttachmentRefusals, AreRefusedWithNothingRead)
{
    const Refusal& r = GetParam();
    const std::string path = r.path ? std::string(r.path) : MakeFile("file.bin", r.bytes);
    const AttachmentRead read = ReadAttachment(path, r.maxKilobytes, r.heldKilobytes, r.maxTotalKilobytes);
    EXPECT_EQ(read.result, r.expected) << r.name;
    EXPECT_TRUE(read.bytes.empty()) << r.name;
}

INSTANTIATE_TEST_SUITE_P(Files, AttachmentRefusals, ::testing::ValuesIn(kRefusals));

TEST_F(AttachmentFileTest, AFileWithinTheLimitsIsReadWhole)
{
    const AttachmentRead read = ReadAttachment(MakeFile("ok.bin", 1500), 1, 0, 1);
    ASSERT_EQ(read.result, AttachmentResult::Read);
    EXPECT_EQ(read.bytes.size(), 1500u);
}

TEST_F(AttachmentFileTest, KilobytesAreWholeThousandsOfBytes)
{
    EXPECT_EQ(AttachmentKilobytes(999), 0);
    EXPECT_EQ(AttachmentKilobytes(1500), 1);
    EXPECT_EQ(AttachmentKilobytes(2000), 2);
}

TEST_F(AttachmentFileTest, ALinkToAFileIsNoFileOfItsOwnWhenItLeadsNowhere)
{
    const std::string link = m_folder / "dangling";
    std::filesystem::create_symlink(m_folder / "gone", link);
    EXPECT_EQ(ReadAttachment(link, 10, 0, 100).result, AttachmentResult::CannotOpen);
}

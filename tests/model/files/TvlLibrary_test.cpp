#include "model/files/TvlExtract.h"
#include "model/files/TvlLibrary.h"
#include "platform/core/Files.h"
#include "platform/core/LocalTime.h"

#include "tests/model/files/TvbTestSupport.h"
#include "tests/model/files/TvlTestSupport.h"
#include "tests/model/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

std::string Bytes(std::size_t size, char seed)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 7 + i / 251);
    return bytes;
}

std::set<std::string> FilesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

int LastTvlError()
{
    int code = -1;
    GetTvlErrorText(&code);
    return code;
}

class TvlLibraryTest : public testing::Test {
protected:
    std::string WriteLibrary(const std::vector<TvlMemberFile>& members, int16_t version = 101)
    {
        TvlLibraryContents contents{"Letting 2026-03-10", version, members};
        return m_folder.Write("letting.tvl", MakeTvlLibrary(contents));
    }
    std::string Extracted(const std::string& name) const { return ReadFileBytes(m_folder.Path() + "/" + name); }

    TempFolder m_folder;
};

// Sizes around the copy's 4096-byte blocks, and none at all.
const std::vector<TvlMemberFile> kMembers = {
    Member("C41007.tvb", Bytes(10000, 'a'), 1773154800), Member("C41007.001", Bytes(0, 'b'), 1773241200),
    Member("C41007.002", Bytes(4096, 'c')), Member("C41059.TVB", Bytes(4097, 'd')),
    Member("C41059.001", Bytes(4095, 'e')), Member("notes.txt", "read me")};

} // namespace

TEST_F(TvlLibraryTest, ListsEveryMemberWithItsNamesSizesAndTimes)
{
    const std::string path = WriteLibrary(kMembers);
    const auto library = OpenTvlLibrary(path);
    ASSERT_TRUE(library);
    EXPECT_EQ(library->m_strTitle, "Letting 2026-03-10");
    EXPECT_EQ(library->m_nMembers, int16_t(kMembers.size()));
    EXPECT_EQ(library->m_nVersion, 101);

    std::vector<CTvlEntry> members;
    ASSERT_EQ(ListTvlMembers(path, members), kTvlNoError);
    ASSERT_EQ(members.size(), kMembers.size());
    for (std::size_t i = 0; i < members.size(); ++i) {
        EXPECT_EQ(members[i].m_strFileName, kMembers[i].m_strFileName);
        EXPECT_EQ(members[i].m_strDescription, kMembers[i].m_strDescription);
        EXPECT_EQ(members[i].m_dwSize, kMembers[i].m_bytes.size());
        EXPECT_EQ(members[i].m_tTime, std::time_t(kMembers[i].m_dwTimeStamp)) << "seconds since 1970";
    }
    EXPECT_EQ(LastTvlError(), kTvlEndOfLibrary);
    EXPECT_EQ(GetTvlErrorText(), "End of Library found");
}

TEST_F(TvlLibraryTest, EachEntryLeavesTheStreamAtItsDataOrWithTheSkipFlagPastIt)
{
    const auto library = OpenTvlLibrary(WriteLibrary(kMembers));
    ASSERT_TRUE(library);
    std::optional<CTvlEntry> first = TvlReadEntry(*library, true);
    ASSERT_TRUE(first);
    std::optional<CTvlEntry> second = TvlReadEntry(*library, false);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->m_strFileName, "C41007.001");
    std::string magic(4, '\0');
    ASSERT_TRUE(library->ReadBytes(magic.data(), magic.size()));
    EXPECT_EQ(magic, "GNU!");

    // The next entry after a given one, and its data right where the stream stands.
    std::optional<CTvlEntry> third = TvlReadNextEntry(*library, &*second);
    ASSERT_TRUE(third);
    std::string data(third->m_dwSize, '\0');
    ASSERT_TRUE(library->ReadBytes(data.data(), data.size()));
    EXPECT_EQ(data, kMembers[2].m_bytes);
}

TEST_F(TvlLibraryTest, ReadingPastTheLastEntryFindsTheEndOfTheLibrary)
{
    const auto library = OpenTvlLibrary(WriteLibrary({Member("only.tvb", "x")}));
    ASSERT_TRUE(library);
    const std::optional<CTvlEntry> only = TvlReadNextEntry(*library, nullptr);
    ASSERT_TRUE(only);
    EXPECT_FALSE(TvlReadNextEntry(*library, &*only));
    EXPECT_EQ(LastTvlError(), kTvlEndOfLibrary);
}

TEST_F(TvlLibraryTest, ProposalsAndFirstAmendmentsAreCopiedWholeIntoTheLibrarysFolder)
{
    const std::string path = WriteLibrary(kMembers);
    ASSERT_EQ(ExtractTvlMember(path, "*.tvb;*.001", TvlExisting::Refuse), kTvlExtracted);
    EXPECT_EQ(FilesIn(m_folder.Path()),
              (std::set<std::string>{"letting.tvl", "C41007.tvb", "C41007.001", "C41059.TVB", "C41059.001"}));
    for (const TvlMemberFile& member : kMembers) {
        const bool wanted = member.m_strFileName != "C41007.002" && member.m_strFileName != "notes.txt";
        EXPECT_EQ(wanted ? Extracted(member.m_strFileName) : member.m_bytes, member.m_bytes) << member.m_strFileName;
    }
}

TEST_F(TvlLibraryTest, AMemberCopiedIntoAnotherFolderLeavesTheLibrarysFolderAlone)
{
    const std::string path = WriteLibrary(kMembers);
    m_folder.Write("C41007.002", "the bidder's copy");
    const std::string other = m_folder.Path() + "/look";
    std::filesystem::create_directory(other);
    ASSERT_EQ(ExtractTvlMemberInto(path, "C41007.002", other, TvlExisting::Refuse), kTvlExtracted);
    EXPECT_EQ(FilesIn(other), std::set<std::string>{"C41007.002"});
    EXPECT_EQ(ReadFileBytes(other + "/C41007.002"), kMembers[2].m_bytes);
    EXPECT_EQ(Extracted("C41007.002"), "the bidder's copy");
}

TEST_F(TvlLibraryTest, NamesTheMissingLibraryAndTheMemberThatIsNotThere)
{
    EXPECT_EQ(ExtractTvlMember(m_folder.Path() + "/missing.tvl", "*.tvb", TvlExisting::Refuse), kTvlExtractCannotOpen);
    EXPECT_EQ(GetTvlErrorText(), "Unable to open file");
    EXPECT_EQ(ExtractTvlMember(WriteLibrary(kMembers), "C99999.tvb", TvlExisting::Refuse), kTvlExtractNoMatch);
    EXPECT_EQ(FilesIn(m_folder.Path()), std::set<std::string>{"letting.tvl"});
}

TEST_F(TvlLibraryTest, AnExistingFileIsReplacedOnlyWhenTheCallerSaysSo)
{
    const std::string path = WriteLibrary(kMembers);
    m_folder.Write("C41007.tvb", "the bidder's priced copy");
    EXPECT_EQ(ExtractTvlMember(path, "C41007.tvb", TvlExisting::Refuse), kTvlExtractExists);
    EXPECT_EQ(Extracted("C41007.tvb"), "the bidder's priced copy");
    EXPECT_EQ(ExtractTvlMember(path, "C41007.tvb", TvlExisting::Replace), kTvlExtracted);
    EXPECT_EQ(Extracted("C41007.tvb"), kMembers[0].m_bytes);
    EXPECT_EQ(FilesIn(m_folder.Path()), (std::set<std::string>{"letting.tvl", "C41007.tvb"})) << "no temporary file left";

    // A folder of the member's name cannot be replaced by a file.
    std::filesystem::create_directory(m_folder.Path() + "/C41007.002");
    EXPECT_EQ(ExtractTvlMember(path, "C41007.002", TvlExisting::Replace), kTvlExtractCannotCreate);
    EXPECT_EQ(FilesIn(m_folder.Path()), (std::set<std::string>{"letting.tvl", "C41007.tvb", "C41007.002"}));
}

TEST_F(TvlLibraryTest, AMemberNameThatIsAPathIsListedButNeverWritten)
{
    std::filesystem::create_directory(m_folder.Path() + "/sub");
    const std::string inner = m_folder.Path() + "/sub";
    for (const std::string name : {"..", "../escaped.tvb", "sub/p.tvb", "sub\\p.tvb", "/tmp/zod-absolute.tvb",
                                   "C:p.tvb", ""}) {
        SCOPED_TRACE(name);
        TvlLibraryContents contents{"", 101, {Member("good.tvb", "x"), Member(name, "hostile")}};
        const std::string path = inner + "/letting.tvl";
        platform::WriteFileAtomically(path, MakeTvlLibrary(contents));
        std::vector<CTvlEntry> members;
        ASSERT_EQ(ListTvlMembers(path, members), kTvlNoError);
        EXPECT_EQ(members.back().m_strFileName, name);
        EXPECT_EQ(ExtractTvlMember(path, "*", TvlExisting::Replace), kTvlExtractBadName);
        EXPECT_EQ(FilesIn(inner), (std::set<std::string>{"letting.tvl", "good.tvb"}));
        EXPECT_EQ(FilesIn(m_folder.Path()), std::set<std::string>{"sub"});
        EXPECT_FALSE(std::filesystem::exists("/tmp/zod-absolute.tvb"));
    }
}

TEST_F(TvlLibraryTest, AWindowsNameBecomesTheSameNameOnDisk)
{
    const std::string name = "Caf\xE9.tvb"; // Windows-1252
    ASSERT_EQ(ExtractTvlMember(WriteLibrary({Member(name, "x")}), "*.tvb", TvlExisting::Refuse), kTvlExtracted);
    EXPECT_EQ(FilesIn(m_folder.Path()), (std::set<std::string>{"letting.tvl", "Caf\xC3\xA9.tvb"}));
    EXPECT_EQ(TvlMemberPath(m_folder.Path() + "/letting.tvl", name), m_folder.Path() + "/Caf\xC3\xA9.tvb");
}

// Libraries before version 101 stamp their members with an MS-DOS date and time in local time.
TEST(TvlTimeStamp, OldLibrariesCountInLocalDosTimeNewOnesInSecondsSince1970)
{
    std::tm noon{};
    noon.tm_year = 2026 - 1900;
    noon.tm_mon = 2;
    noon.tm_mday = 10;
    noon.tm_hour = 14;
    noon.tm_min = 37;
    noon.tm_sec = 58;
    noon.tm_isdst = -1;
    const std::time_t time = platform::FromLocalTime(noon);
    EXPECT_EQ(TvlStampToTime(DosTimeStamp(time), 100), time);
    EXPECT_EQ(TvlStampToTime(DosTimeStamp(time), 101), std::time_t(DosTimeStamp(time)));
    EXPECT_EQ(TvlStampToTime(0xFFFFFFFFu, 101), std::time_t(0xFFFFFFFFu)) << "unsigned, past 2038";

    const uint32_t date = 10 | 3 << 5 | 46 << 9; // 10 March 2026
    const uint32_t clock = 29 | 37 << 5 | 14 << 11;
    EXPECT_EQ(TvlStampToTime(date | clock << 16, 100), time);
    const struct {
        const char* what;
        uint32_t stamp;
    } invalid[] = {
        {"day 0", (date & ~31u) | clock << 16},
        {"month 0", (date & ~(15u << 5)) | clock << 16},
        {"month 13", (date & ~(15u << 5)) | 13 << 5 | clock << 16},
        {"30 February", (30 | 2 << 5 | 46 << 9) | clock << 16},
        {"hour 24", date | (29 | 37 << 5 | 24 << 11) << 16},
        {"minute 60", date | (29 | 60 << 5 | 14 << 11) << 16},
        {"second 60", date | (30 | 37 << 5 | 14 << 11) << 16},
    };
    for (const auto& c : invalid)
        EXPECT_EQ(TvlStampToTime(c.stamp, 100), -1) << c.what;
}

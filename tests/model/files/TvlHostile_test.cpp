// Damaged and hostile libraries: each named corruption is refused with its error, the members
// before the damage are still listed, and nothing is read outside the file or written.
#include "model/files/TvlExtract.h"
#include "model/files/TvlLibrary.h"

#include "tests/model/files/TvlTestSupport.h"
#include "tests/model/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kTitle = "Letting L20260317";
const TvlMemberFile kFirst = Member("C41007.tvb", std::string(300, 'p'));
const TvlMemberFile kSecond = Member("C41007.001", std::string(200, 'a'));
const std::size_t kEntry1 = TvlLayout::FirstEntry(kTitle);
const std::size_t kEntry2 = TvlLayout::EntryAfter(kEntry1, kFirst);

std::string GoodLibrary(int16_t members = 2)
{
    TvlLibraryContents contents{kTitle, 101, {kFirst, kSecond}};
    return PatchedLe(MakeTvlLibrary(contents), TvlLayout::kMemberCountField, uint16_t(members), 2);
}

std::string Cut(std::size_t size) { return GoodLibrary().substr(0, size); }

std::string ChangedAt(std::size_t at, char value)
{
    std::string bytes = GoodLibrary();
    bytes[at] = value;
    return bytes;
}

std::string WithLong(std::size_t at, uint32_t value) { return PatchedLe(GoodLibrary(), at, value); }

std::string WithTitle(const std::string& title, bool terminated)
{
    std::string bytes = GoodLibrary().substr(0, TvlLayout::kTitle) + title;
    return terminated ? bytes + '\0' : bytes;
}

std::string WithSecondName(const std::string& name, bool terminated)
{
    std::string bytes = GoodLibrary().substr(0, kEntry2 + TvlLayout::kName) + name;
    return terminated ? bytes + std::string(1, '\0') : bytes;
}

struct HostileLibrary {
    const char* name;
    std::string bytes;
    int error;          // the library error that stops the listing (0: it ran to the end)
    std::size_t listed; // members listed before it
    int extracted;      // ExtractTvlMember of every member: those before the damage come out
};

class TvlHostile : public testing::TestWithParam<HostileLibrary> {};

TEST_P(TvlHostile, StopsAtTheDamageWithItsError)
{
    const HostileLibrary& c = GetParam();
    TempFolder folder;
    const std::string path = folder.Write("letting.tvl", c.bytes);
    std::vector<CTvlEntry> members;
    EXPECT_EQ(ListTvlMembers(path, members), c.error);
    EXPECT_EQ(members.size(), c.listed);
    for (const CTvlEntry& member : members)
        EXPECT_LE(member.DataEnd(), c.bytes.size());

    EXPECT_EQ(ExtractTvlMember(path, "*", TvlExisting::Refuse), c.extracted);
    for (const auto& file : std::filesystem::directory_iterator(folder.Path())) {
        const std::string name = file.path().filename().string();
        EXPECT_TRUE(name == "letting.tvl" || name == kFirst.m_strFileName || name == kSecond.m_strFileName) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Corruptions, TvlHostile, testing::Values(
    HostileLibrary{"empty_file", "", kTvlEndOfInput, 0, kTvlExtractCannotOpen},
    HostileLibrary{"header_cut", Cut(29), kTvlEndOfInput, 0, kTvlExtractCannotOpen},
    HostileLibrary{"header_without_eof_mark", ChangedAt(29, '\n'), kTvlCorrupt, 0, kTvlExtractCannotOpen},
    HostileLibrary{"fields_cut", Cut(35), kTvlEndOfInput, 0, kTvlExtractCannotOpen},
    HostileLibrary{"title_without_end", WithTitle("Letting", false), kTvlEndOfInput, 0, kTvlExtractCannotOpen},
    HostileLibrary{"title_too_long", WithTitle(std::string(kTvlMaxTitle + 1, 'T'), true), kTvlCorrupt, 0,
                   kTvlExtractCannotOpen},
    HostileLibrary{"first_entry_past_end", WithLong(TvlLayout::kFirstEntryField, 1u << 30), kTvlSizeError, 0,
                   kTvlExtractCannotOpen},
    HostileLibrary{"no_members", Cut(kEntry1), kTvlNoError, 0, kTvlExtractCannotRead},
    HostileLibrary{"entry_magic_wrong", ChangedAt(kEntry1 + 3, '?'), kTvlCorrupt, 0, kTvlExtractCannotRead},
    HostileLibrary{"second_entry_magic_wrong", ChangedAt(kEntry2, 'g'), kTvlCorrupt, 1, kTvlExtractedBeforeDamage},
    HostileLibrary{"entry_cut_in_fields", Cut(kEntry2 + 10), kTvlEndOfInput, 1, kTvlExtractedBeforeDamage},
    HostileLibrary{"entry_cut_in_magic", Cut(kEntry2 + 2), kTvlEndOfInput, 1, kTvlExtractedBeforeDamage},
    HostileLibrary{"name_without_end", WithSecondName("C41007.001", false), kTvlEndOfInput, 1, kTvlExtractedBeforeDamage},
    HostileLibrary{"name_too_long", WithSecondName(std::string(kTvlMaxName + 1, 'n'), true), kTvlCorrupt, 1,
                   kTvlExtractedBeforeDamage},
    HostileLibrary{"data_inside_its_entry", WithLong(kEntry2 + TvlLayout::kDataOffset, uint32_t(kEntry2)),
                   kTvlCorrupt, 1, kTvlExtractedBeforeDamage},
    HostileLibrary{"data_before_its_entry", WithLong(kEntry2 + TvlLayout::kDataOffset, uint32_t(kEntry1)),
                   kTvlCorrupt, 1, kTvlExtractedBeforeDamage},
    HostileLibrary{"data_offset_past_end", WithLong(kEntry2 + TvlLayout::kDataOffset, 0xFFFFFFF0u), kTvlSizeError,
                   1, kTvlExtractedBeforeDamage},
    HostileLibrary{"size_past_end", WithLong(kEntry2 + TvlLayout::kSize, uint32_t(kSecond.m_bytes.size() + 1)),
                   kTvlSizeError, 1, kTvlExtractedBeforeDamage},
    HostileLibrary{"size_of_4_gib", WithLong(kEntry1 + TvlLayout::kSize, 0xFFFFFFFFu), kTvlSizeError, 0,
                   kTvlExtractCannotRead},
    HostileLibrary{"data_magic_wrong", ChangedAt(TvlLayout::DataOf(kEntry1, kFirst), 'X'), kTvlCorrupt, 0,
                   kTvlExtractCannotRead},
    HostileLibrary{"cut_in_last_data", Cut(GoodLibrary().size() - 1), kTvlSizeError, 1, kTvlExtractedBeforeDamage},
    HostileLibrary{"bytes_after_last_member", GoodLibrary() + "GN", kTvlEndOfInput, 2, kTvlExtracted},
    HostileLibrary{"count_above_the_entries", GoodLibrary(3), kTvlNoError, 2, kTvlExtractedBeforeDamage},
    HostileLibrary{"count_negative", GoodLibrary(-2), kTvlNoError, 2, kTvlExtractNoMatch}),
    [](const auto& info) { return std::string(info.param.name); });

// Any byte of the header text changed, the closing 0x1A included: not a library.
TEST(TvlHeader, EveryByteOfTheHeaderTextCounts)
{
    TempFolder folder;
    for (std::size_t at = 0; at < kTvlHeaderText.size(); ++at) {
        std::string bytes = GoodLibrary();
        bytes[at] ^= 0x20;
        EXPECT_FALSE(OpenTvlLibrary(folder.Write("letting.tvl", bytes))) << at;
        int code = 0;
        GetTvlErrorText(&code);
        EXPECT_EQ(code, kTvlCorrupt) << at;
    }
}

} // namespace

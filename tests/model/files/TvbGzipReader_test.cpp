#include "tests/model/files/TvbGzipOutcome.h"
#include "tests/model/files/TvbTestSupport.h"
#include "tests/model/support/TempFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::string Flipped(std::string bytes, std::size_t at, char mask = 0x01)
{
    bytes[at] ^= mask;
    return bytes;
}

// A member whose header carries the given flag bits and fields before the data of `member`.
std::string WithHeader(const std::string& member, char flags, const std::string& fields)
{
    std::string header = member.substr(0, 10);
    header[3] = flags;
    return header + fields + member.substr(10);
}

std::string HeaderCheck(const std::string& member, char flags, const std::string& fields)
{
    std::string header = WithHeader(member, flags, fields).substr(0, 10 + fields.size());
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(header.data()), uInt(header.size()));
    return TvbStream::Le(crc & 0xFFFF, 2);
}

std::string Text(std::size_t size)
{
    std::string text;
    for (std::size_t i = 0; text.size() < size; ++i)
        text += "Item " + std::to_string(i * 7919 % 100003) + " hot mix asphalt, ton; ";
    return text.substr(0, size);
}

// The shortest start of `member` whose data runs past `size` bytes: inflate has taken all of it
// when that much data is out, and holds the rest of the last match or literal for later.
std::string CutJustPast(const std::string& member, std::size_t size)
{
    std::size_t shorter = 0;
    std::size_t longer = member.size();
    while (shorter < longer) {
        const std::size_t middle = (shorter + longer) / 2;
        if (InflateMembers(member.substr(0, middle)).bytes.size() > size)
            longer = middle;
        else
            shorter = middle + 1;
    }
    return member.substr(0, longer);
}

struct GzipCase {
    std::string name;
    std::string bytes;
};

std::vector<GzipCase> Cases()
{
    const std::string a = GzipBytes(Text(3000));
    const std::string b = GzipBytes("the second member");
    const std::string large = GzipBytes(Text(400000));
    const std::string flushed = GzipBytes(Text(3000), Z_DEFAULT_COMPRESSION, Z_SYNC_FLUSH);
    const std::string extra = TvbStream::Le(4, 2) + "ab01" + "name.tvb" + '\0' + "comment" + '\0';
    std::vector<GzipCase> cases = {
        {"Empty", ""},
        {"OneByteOfMagic", "\x1F"},
        {"Plain", "TVB! a plain proposal file"},
        {"PlainLarge", Text(100000)},
        {"MagicOnly", "\x1F\x8B"},
        {"Member", a},
        {"LargeMember", large},
        {"TwoMembers", a + b},
        {"EmptyMemberBetween", a + GzipBytes("") + b},
        {"MemberThenGarbage", a + "garbage"},
        {"MemberThenOneByte", a + "x"},
        {"MemberThenMagicOnly", a + "\x1F\x8B"},
        {"CutInHeader", a.substr(0, 5)},
        {"CutInData", large.substr(0, large.size() / 2)},
        // Cut where a block ends: inflate stops there before it finds that nothing follows.
        {"CutAtBlockEnd", flushed},
        {"CutInEmptyBlock", flushed.substr(0, flushed.size() - 2)},
        {"CutAtFullFlush", GzipBytes(Text(3000), 0, Z_FULL_FLUSH)},
        {"WrongCrc", Flipped(a, a.size() - 8)},
        {"WrongLength", Flipped(a, a.size() - 2)},
        {"WrongCrcOfFirstMember", Flipped(a, a.size() - 5) + b},
        {"WrongCrcOfLastMember", a + Flipped(b, b.size() - 6)},
        {"LargeMemberWrongCrc", Flipped(large, large.size() - 7)},
        {"DataDamaged", Flipped(large, large.size() / 2, 0x5A)},
        // A bad block header in the bits inflate already holds when the file ends.
        {"BadBlockInLastBits", std::string("\x1F\x8B\x08\x00\xFF\x18\x03\x00\x00\x00\x32\x00\x08\x60", 14)},
        {"UnknownMethod", Flipped(a, 2, 0x0F)},
        {"ReservedFlag", WithHeader(a, 0x20, "")},
        {"HeaderFields", WithHeader(a, 0x1C, extra)},
        {"HeaderCheckRight", WithHeader(a, 0x1E, extra + HeaderCheck(a, 0x1E, extra))},
        {"HeaderCheckWrong", WithHeader(a, 0x02, std::string(2, '\0'))},
    };
    // Cut inside the trailer: zlib compares the data check as soon as it is whole.
    for (std::size_t kept = 0; kept < 8; ++kept) {
        const std::size_t size = a.size() - 8 + kept;
        cases.push_back({"CutAfterTrailerByte" + std::to_string(kept), a.substr(0, size)});
        cases.push_back({"WrongCrcCutAfterTrailerByte" + std::to_string(kept), Flipped(a, a.size() - 7).substr(0, size)});
    }
    // Cut where the trailer starts, the data a whole number of gzread's buffers (its own, 16 KiB,
    // and the caller's, 64 KiB): gzread ends there without an error, the reader reports the cut.
    // Cut just past a whole buffer: gzread ends with the buffer, and drops what inflate still held.
    for (const std::size_t size : {16384u, 65536u}) {
        const std::string member = GzipBytes(Text(size));
        cases.push_back({"CutAtTrailerAfter" + std::to_string(size), member.substr(0, member.size() - 8)});
        cases.push_back({"CutJustPast" + std::to_string(size), CutJustPast(GzipBytes(Text(2 * size)), size)});
    }
    // Stored members whose trailers straddle the end of the first load of input, at every offset.
    for (std::size_t size = 16357; size <= 16366; ++size)
        cases.push_back({"TrailerAcrossLoads" + std::to_string(size), GzipBytes(Text(size), 0)});
    return cases;
}

class TvbGzipReaderTest : public testing::TestWithParam<GzipCase> {};

// Whatever gzread makes of a file, so does the reader: the same bytes up to a sound end or a file
// cut short, and the same error number for everything else, whatever the size of the reads; a cut
// gzread misses is reported all the same.
TEST_P(TvbGzipReaderTest, ReadsAsGzreadDoes)
{
    TempFolder folder;
    const std::string path = folder.Write("file.tvb", GetParam().bytes);
    for (const std::size_t size : {1u, 7u, 4096u, 65536u, 262144u}) {
        SCOPED_TRACE(size);
        const GzipOutcome expected = ExpectedGzipOutcome(path, size);
        const GzipOutcome got = ReadWithTvbGzipReader(path, size);
        ASSERT_EQ(got.error, expected.error);
        if (expected.error == Z_OK || expected.error == Z_BUF_ERROR) {
            EXPECT_TRUE(got.bytes == expected.bytes);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, TvbGzipReaderTest, testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

TEST(TvbGzipReader, MissingFileDoesNotOpenAndFolderCannotBeRead)
{
    TempFolder folder;
    CTvbGzipReader missing;
    EXPECT_FALSE(missing.Open(folder / "none.tvb"));
    EXPECT_EQ(ReadWithTvbGzipReader(folder.Path(), 4096).error, Z_ERRNO);
    EXPECT_EQ(ReadWithGzread(folder.Path(), 4096).error, Z_ERRNO);
}

} // namespace

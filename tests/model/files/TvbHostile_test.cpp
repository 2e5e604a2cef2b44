#include "model/files/TvbFile.h"
#include "model/files/TvbInput.h"
#include "model/files/TvbReader.h"
#include "model/records/Prop.h"

#include "tests/model/files/TvbTestSupport.h"
#include "tests/model/support/TempFolder.h"
#include "tests/support/Fifo.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Build = std::function<void(TvbStream&)>;

// Magic, version, the records, end.
std::string Body(const Build& build)
{
    TvbStream stream = TvbStream::Proposal();
    build(stream);
    return stream.End().Bytes();
}

// Magic, version and a DBE form with one field, one row with one cell and one firm item, then
// the records.
std::string InForm(const Build& build)
{
    return Body([&](TvbStream& s) {
        s.Record(0x0C00).Record(0x0C01).Record(0x0F00).Record(0x1000).Record(0x1001).Record(0x1200);
        build(s);
    });
}

std::string Damaged(std::string bytes, std::size_t fromEnd, char mask)
{
    bytes[bytes.size() - fromEnd] ^= mask;
    return bytes;
}

const std::string kValid = Body([](TvbStream& s) {
    for (int i = 0; i < 200; ++i)
        s.Record(0x0300).Record(0x0304, std::to_string(i)).Record(0x0308, "Aggregate base course");
});

struct HostileCase {
    const char* name;
    std::string bytes;
    int expected;
};

// Each named corruption with the refusal it must get; no case may leave a proposal behind.
const HostileCase kHostileCases[] = {
    {"Empty", "", kTvbNotTvb},
    {"ShorterThanMagic", "TVB", kTvbNotTvb},
    {"GzipOfNothing", GzipBytes(""), kTvbNotTvb},
    {"WrongMagic", "TVB?" + kValid.substr(4), kTvbNotTvb},
    {"OldTextFormat", "This is a proposal\n", kTvbTooOld},
    {"OldTextFormatGzipped", GzipBytes("This is a proposal\n"), kTvbTooOld},
    {"VersionTooNew", TvbStream().Magic().Word(0x0100, 900).End().Bytes(), kTvbTooNew},
    {"NoEndRecord", TvbStream::Proposal().Record(0x0300).Bytes(), kTvbCorrupt},
    {"EndsInsideTag", TvbStream::Proposal().Bytes() + "\x03", kTvbCorrupt},
    {"EndsInsideLength", TvbStream::Proposal().Bytes() + std::string("\x00\x03\x05", 3), kTvbCorrupt},
    {"EndsInsideData", TvbStream::Proposal().Bytes() + std::string("\x09\x02\x0A\x00" "abc", 7), kTvbCorrupt},
    {"GzipCutShort", GzipBytes(kValid).substr(0, GzipBytes(kValid).size() - 12), kTvbCorrupt},
    // The records end whole, but the member's data check or length is missing.
    {"GzipEndsBeforeTrailer", GzipBytes(kValid).substr(0, GzipBytes(kValid).size() - 8), kTvbCorrupt},
    {"GzipEndsInsideCrc", GzipBytes(kValid).substr(0, GzipBytes(kValid).size() - 6), kTvbCorrupt},
    {"GzipEndsAfterCrc", GzipBytes(kValid).substr(0, GzipBytes(kValid).size() - 4), kTvbCorrupt},
    {"GzipEndsInsideLength", GzipBytes(kValid).substr(0, GzipBytes(kValid).size() - 1), kTvbCorrupt},
    {"GzipDataDamaged", Damaged(GzipBytes(kValid), 40, 0x5A), kTvbCorrupt},
    {"GzipWrongCrc", Damaged(GzipBytes(kValid), 8, 0x01), kTvbCorrupt},
    {"GzipWrongLength", Damaged(GzipBytes(kValid), 2, 0x01), kTvbCorrupt},
    // A record that fills an element before the element is there.
    {"ItemFieldFirst", Body([](TvbStream& s) { s.Record(0x0304, "1"); }), kTvbCorrupt},
    {"CountyFieldFirst", Body([](TvbStream& s) { s.Record(0x0401, "1"); }), kTvbCorrupt},
    {"SiteFieldFirst", Body([](TvbStream& s) { s.Word(0x050A, 1); }), kTvbCorrupt},
    {"NoteFieldFirst", Body([](TvbStream& s) { s.Record(0x0603, "n"); }), kTvbCorrupt},
    {"BidderTextFirst", Body([](TvbStream& s) { s.Record(0x0701, "B"); }), kTvbCorrupt},
    {"ReportFieldFirst", Body([](TvbStream& s) { s.Record(0x0A02, "r"); }), kTvbCorrupt},
    {"PlateTextFirst", Body([](TvbStream& s) { s.Record(0x0B00).Record(0x0B02, "t"); }), kTvbCorrupt},
    {"PickEntryFirst", Body([](TvbStream& s) { s.Record(0x1100).Record(0x1103, "e"); }), kTvbCorrupt},
    {"BidCapRuleFirst", Body([](TvbStream& s) { s.Record(0x1400).Long(0x1405, 0); }), kTvbCorrupt},
    {"BidCapTextFirst", Body([](TvbStream& s) { s.Record(0x1402, "1"); }), kTvbCorrupt},
    {"FormHeaderFirst", Body([](TvbStream& s) { s.Record(0x0C00).Word(0x0C06, 1); }), kTvbCorrupt},
    {"ColumnTableFirst", Body([](TvbStream& s) { s.Record(0x0C0A, std::string(24, '\0')); }), kTvbCorrupt},
    {"FormStringFirst", Body([](TvbStream& s) { s.Record(0x0D00, "s"); }), kTvbCorrupt},
    {"DbFieldFirst", Body([](TvbStream& s) { s.Record(0x0E00, "a,b"); }), kTvbCorrupt},
    {"FieldBeforeForm", Body([](TvbStream& s) { s.Record(0x0F00); }), kTvbCorrupt},
    {"RowBeforeForm", Body([](TvbStream& s) { s.Record(0x1000); }), kTvbCorrupt},
    {"FilterBeforeForm", Body([](TvbStream& s) { s.Record(0x1301, "f"); }), kTvbCorrupt},
    {"FieldNumberBeforeField", Body([](TvbStream& s) { s.Record(0x0C00).Record(0x0C02).Word(0x0F02, 1); }), kTvbCorrupt},
    {"CellBeforeRow", Body([](TvbStream& s) { s.Record(0x0C00).Record(0x0C02).Record(0x1001); }), kTvbCorrupt},
    {"RowFlagsBeforeRow", Body([](TvbStream& s) { s.Record(0x0C00).Record(0x0C02).Word(0x1005, 1); }), kTvbCorrupt},
    {"CellTextBeforeCell", Body([](TvbStream& s) { s.Record(0x0C00).Record(0x0C02).Record(0x1000).Record(0x1004, "t"); }), kTvbCorrupt},
    {"CellLengthBeforeCell", Body([](TvbStream& s) { s.Record(0x0C00).Record(0x0C02).Record(0x1000).Long(0x1007, 1); }), kTvbCorrupt},
    {"FirmItemBeforeRow", Body([](TvbStream& s) { s.Record(0x0C00).Record(0x0C02).Record(0x1200); }), kTvbCorrupt},
    {"FirmItemFieldBeforeFirmItem", Body([](TvbStream& s) { s.Record(0x0C00).Record(0x0C02).Record(0x1000).Double(0x1203, 1); }), kTvbCorrupt},
    {"FilterFieldBeforeFilter", Body([](TvbStream& s) { s.Record(0x0C00).Record(0x0C02).Word(0x1302, 1); }), kTvbCorrupt},
    {"FieldDataLengthBeforeField", Body([](TvbStream& s) { s.Record(0x0C00).Record(0x0C02).Long(0x0F0D, 1); }), kTvbCorrupt},
    // Lengths and indexes that do not fit what they fill.
    {"ColumnTableShort", InForm([](TvbStream& s) { s.Record(0x0C0A, std::string(23, '\0')); }), kTvbCorrupt},
    {"ColumnTableLong", InForm([](TvbStream& s) { s.Record(0x0C0A, std::string(25, '\0')); }), kTvbCorrupt},
    {"BidCapRuleIndexFive", Body([](TvbStream& s) { s.Record(0x1401, "201").Long(0x1405, 5); }), kTvbCorrupt},
    {"BidCapRuleIndexNegative", Body([](TvbStream& s) { s.Record(0x1401, "201").Long(0x1405, -1); }), kTvbCorrupt},
    {"CellPieceWithoutLength", InForm([](TvbStream& s) { s.Record(0x1006, "abc"); }), kTvbCorrupt},
    {"CellPiecePastLength", InForm([](TvbStream& s) { s.Long(0x1007, 4).Record(0x1006, "abc").Record(0x1006, "de"); }), kTvbCorrupt},
    {"CellBlockBrokenOff", InForm([](TvbStream& s) { s.Long(0x1007, 4).Record(0x1006, "ab").Record(0x1001); }), kTvbCorrupt},
    {"CellBlockUnfinishedAtEnd", InForm([](TvbStream& s) { s.Long(0x1007, 70000).Record(0x1006, "ab"); }), kTvbCorrupt},
    {"CellBlockHugeLength", InForm([](TvbStream& s) { s.Long(0x1007, 0x7FFFFFFF); }), kTvbCorrupt},
    {"CellBlockNegativeLength", InForm([](TvbStream& s) { s.Long(0x1007, -2); }), kTvbCorrupt},
    {"FieldDataPastLength", InForm([](TvbStream& s) { s.Long(0x0F0D, 2).Record(0x0F0E, "BMP"); }), kTvbCorrupt},
    {"FieldDataWithoutLength", InForm([](TvbStream& s) { s.Record(0x0F0E, "BMP"); }), kTvbCorrupt},
    {"FieldDataMissing", InForm([](TvbStream& s) { s.Long(0x0F0D, 3).Record(0x0F09, "name"); }), kTvbCorrupt},
    // Numeric records too short for their field even with the two zero bytes after the data.
    {"ShortDouble", Body([](TvbStream& s) { s.Record(0x0300).Record(0x0302, "12345"); }), kTvbCorrupt},
    {"ShortLong", Body([](TvbStream& s) { s.Record(0x0206, "1"); }), kTvbCorrupt},
    {"ShortRuleIndex", Body([](TvbStream& s) { s.Record(0x1401, "201").Record(0x1405, "1"); }), kTvbCorrupt},
    {"ShortCellLength", InForm([](TvbStream& s) { s.Record(0x1007, "\x05"); }), kTvbCorrupt},
};

class TvbHostileTest : public testing::TestWithParam<HostileCase> {};

TEST_P(TvbHostileTest, IsRefusedWithoutAProposal)
{
    TempFolder folder;
    std::unique_ptr<CProp> prop = std::make_unique<CProp>();
    EXPECT_EQ(LoadTvbFile(prop, folder.Write("hostile.tvb", GetParam().bytes), true), GetParam().expected);
    EXPECT_FALSE(prop);
}

INSTANTIATE_TEST_SUITE_P(Corruptions, TvbHostileTest, testing::ValuesIn(kHostileCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TvbHostile, TheValidBaseOfTheCorruptionsLoads)
{
    TempFolder folder;
    std::unique_ptr<CProp> prop;
    EXPECT_EQ(LoadTvbFile(prop, folder.Write("a.tvb", GzipBytes(kValid)), false), kTvbNoError);
    EXPECT_EQ(LoadTvbFile(prop, folder.Write("b.tvb", InForm([](TvbStream&) {})), false), kTvbNoError);
}

// What is no regular file is not opened: a FIFO would hold the reader until written to.
TEST(TvbHostile, AMissingFileAndWhatIsNoRegularFileCannotBeOpened)
{
    TempFolder folder;
    const std::string fifo = folder.Path() + "/x.tvb";
    const testsupport::Fifo named(fifo);
    ASSERT_TRUE(named.Made());
    std::unique_ptr<CProp> prop;
    for (const std::string& path : {folder.Path() + "/none.tvb", folder.Path(), fifo, std::string("/dev/null")})
        EXPECT_EQ(LoadTvbFile(prop, path, false), kTvbCannotOpen) << path;
    EXPECT_EQ(named.ReadersReleased(), 0) << "nothing waited on it";
}

// A small file whose stream inflates without end is refused once past the bound, not held.
TEST(TvbHostile, StreamInflatingPastOneGibibyteIsCorrupt)
{
    z_stream stream{};
    deflateInit2(&stream, 1, Z_DEFLATED, 31, 9, Z_DEFAULT_STRATEGY);
    std::string compressed;
    const std::string skipped = TvbStream().Record(0x7700, std::string(65535, '\0')).Bytes();
    const std::string start = TvbStream::Proposal().Bytes();
    char out[1 << 16];
    const auto feed = [&](const std::string& in, int flush) {
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
        stream.avail_in = uInt(in.size());
        do {
            stream.next_out = reinterpret_cast<Bytef*>(out);
            stream.avail_out = sizeof out;
            deflate(&stream, flush);
            compressed.append(out, sizeof out - stream.avail_out);
        } while (stream.avail_out == 0);
    };
    feed(start, Z_NO_FLUSH);
    for (std::size_t total = 0; total <= kTvbMaxProposalBytes; total += skipped.size())
        feed(skipped, Z_NO_FLUSH);
    feed(TvbStream().End().Bytes(), Z_FINISH);
    deflateEnd(&stream);
    ASSERT_LT(compressed.size(), 8u << 20);

    TempFolder folder;
    std::unique_ptr<CProp> prop;
    EXPECT_EQ(LoadTvbFile(prop, folder.Write("bomb.tvb", compressed), false), kTvbCorrupt);
}

// What the records build counts against the same bound: many tiny records that each open an
// element must not build more than it allows.
TEST(TvbHostile, ElementsBuiltCountAgainstTheBound)
{
    TvbStream stream = TvbStream::Proposal();
    for (int i = 0; i < 1000; ++i)
        stream.Record(0x0300);
    TempFolder folder;
    const std::string path = folder.Write("many.tvb", stream.End().Bytes());
    const auto read = [&](std::size_t budget) {
        CTvbInput input(budget);
        CProp prop;
        EXPECT_EQ(input.Open(path), kTvbNoError);
        input.ReadStart(4);
        return CTvbReader(input, prop).ReadRecords();
    };
    const std::size_t streamSize = stream.Bytes().size();
    EXPECT_EQ(read(streamSize + 1000 * sizeof(CItem)), kTvbNoError);
    EXPECT_EQ(read(streamSize + 999 * sizeof(CItem)), kTvbCorrupt);
}

} // namespace

#include "model/files/PackCrc.h"
#include "tests/model/support/PackFiles.h"

#include <random>

namespace {

TEST_F(PackFileTest, ReadsAHandBuiltRecordThenReportsTheEnd)
{
    uint8_t buffer[16];
    PackFilePtr file = PackFileOpen(WriteFile(Concat({Record(kStreamOfA, 1), kEndMarker})), "rb", buffer, sizeof buffer);
    ASSERT_TRUE(file);
    uint8_t out[8] = {};
    EXPECT_EQ(PackFileReadRecord(file.get(), out, sizeof out), 1u);
    EXPECT_EQ(out[0], 'A');
    EXPECT_EQ(PackFileReadRecord(file.get(), out, sizeof out), 0u);
    EXPECT_EQ(PackFileGetError(file.get()), PACK_END_OF_RECORDS);
    EXPECT_EQ(PackFileReadRecord(file.get(), out, sizeof out), 0u);
    EXPECT_EQ(PackFileGetError(file.get()), PACK_END_OF_RECORDS);
    EXPECT_EQ(PackFileGetCounts(file.get()).m_expanded, 1u);
    EXPECT_EQ(PackFileGetCounts(file.get()).m_compressed, kStreamOfA.size());
}

TEST_F(PackFileTest, RecordsJoinIntoOneStream)
{
    const Bytes vector = {0x00, 0x04, 0x82, 0x24, 0x25, 0x8F, 0x80, 0x7F};
    PackFilePtr file = OpenForReading(Concat({Record(vector, 13), Record(kStreamOfA, 1), kEndMarker}));
    uint8_t out[5];
    std::string pieces;
    while (const std::size_t count = PackFileReadRecord(file.get(), out, sizeof out))
        pieces += std::string(reinterpret_cast<char*>(out), count) + "|";
    EXPECT_EQ(pieces, "AIAIA|IAIAI|AIAA|");
}

TEST_F(PackFileTest, CountIsTheFirstTwoBytesOfTheStream)
{
    const Bytes stream = LiteralsOf("\x03\x01x").End().Build();
    PackFilePtr file = OpenForReading(Concat({Record(stream, 3), kEndMarker}));
    EXPECT_EQ(PackFileReadCount(file.get()), 0x0103);
    uint8_t out[2];
    EXPECT_EQ(PackFileReadRecord(file.get(), out, 2), 1u);
    EXPECT_EQ(PackFileReadCount(file.get()), 0);
}

Bytes RecordOf(std::string_view text)
{
    return Record(LiteralsOf(text).End().Build(), uint16_t(text.size()));
}

std::vector<std::string> Entries(CPackFile* file)
{
    std::vector<std::string> entries;
    std::vector<uint8_t> entry(kPackEntryMax);
    while (const std::size_t count = PackFileReadRecord(file, entry.data(), 0))
        entries.emplace_back(reinterpret_cast<char*>(entry.data()), count);
    return entries;
}

TEST_F(PackFileTest, EntriesEndAfterTheirNulAcrossRecords)
{
    using namespace std::string_literals;
    PackFilePtr file = OpenForReading(Concat({RecordOf("ab\0c"s), RecordOf(""), RecordOf("d\0e"s), kEndMarker}));
    EXPECT_EQ(Entries(file.get()), (std::vector<std::string>{"ab\0"s, "cd\0"s, "e"}));
}

TEST_F(PackFileTest, LineModesEndEntriesAfterLineFeeds)
{
    for (int mode : {PACK_ENTRY_LINE, PACK_ENTRY_LINE_TOO}) {
        PackFileSetEntryMode(mode);
        PackFilePtr file = OpenForReading(Concat({RecordOf("one\ntwo\n\n"), kEndMarker}));
        EXPECT_EQ(Entries(file.get()), (std::vector<std::string>{"one\n", "two\n", "\n"})) << mode;
    }
    PackFileSetEntryMode(3); // no such mode: the last one stays
    PackFilePtr file = OpenForReading(Concat({RecordOf("x\ny"), kEndMarker}));
    EXPECT_EQ(Entries(file.get()), (std::vector<std::string>{"x\n", "y"}));
}

TEST_F(PackFileTest, EntryIsAtMost32767Bytes)
{
    const std::string path = m_folder.Path() + "/long.bin";
    PackFilePtr writer = PackFileOpen(path, "wb", nullptr, 65535);
    const Bytes letters(40000, 'x');
    ASSERT_TRUE(PackFileBufferData(writer.get(), letters.data(), letters.size()));
    ASSERT_EQ(PackFileClose(std::move(writer)), 0);
    PackFilePtr file = PackFileOpen(path, "rb", nullptr, 65535);
    const std::vector<std::string> entries = Entries(file.get());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].size(), kPackEntryMax);
    EXPECT_EQ(entries[1].size(), 40000 - kPackEntryMax);
}

// The crc values are worked out bit by bit from the rule.
TEST_F(PackFileTest, WriterPutsTheRecordByteForByteAndRunsTheCrcOnAcrossRecords)
{
    const std::string path = m_folder.Path() + "/a.bin";
    PackFilePtr file = PackFileOpen(path, "wb", nullptr, 64);
    ASSERT_TRUE(BufferText(file.get(), "A"));
    EXPECT_EQ(PackFileWriteRecord(file.get()), kStreamOfA.size() + 8);
    EXPECT_EQ(PackFileClose(std::move(file)), 0);
    EXPECT_EQ(ReadFile(path), Concat({Record(kStreamOfA, 1), kEndMarker}));
    EXPECT_EQ(PackFileGetCrc(), 0x616081E1u);

    PackFileSetCrc(0x12345678);
    file = PackFileOpen(path, "wb", nullptr, 64);
    BufferText(file.get(), "A");
    PackFileWriteRecord(file.get());
    EXPECT_EQ(PackFileGetCrc(), 0xB1990C77u);
    PackFileSetCrc(0);
    BufferText(file.get(), "A");
    PackFileWriteRecord(file.get());
    PackFileWriteRecord(file.get()); // an empty record: the stream of nothing, 00 06 01 FF
    EXPECT_EQ(PackFileGetCrc(), 0x38A8A208u);
    PackFileSetCrcAccumulation(false);
    BufferText(file.get(), "A");
    PackFileWriteRecord(file.get());
    EXPECT_EQ(PackFileGetCrc(), 0x38A8A208u);
}

TEST_F(PackFileTest, FullBufferBecomesARecordAndCloseFinishesTheFile)
{
    const std::string path = m_folder.Path() + "/pieces.bin";
    PackFilePtr file = PackFileOpen(path, "wb", nullptr, 4);
    const std::string text = "abcdefghij";
    ASSERT_TRUE(BufferText(file.get(), text));
    EXPECT_EQ(PackFileGetCounts(file.get()).m_expanded, 8u); // two full records so far
    EXPECT_EQ(PackFileClose(std::move(file)), 0);

    PackFilePtr reader = PackFileOpen(path, "rb", nullptr, 4);
    EXPECT_EQ(ReadAll(reader.get(), 3), BytesOf(text));
    EXPECT_EQ(PackFileGetError(reader.get()), PACK_END_OF_RECORDS);
    const Bytes bytes = ReadFile(path);
    EXPECT_EQ(Bytes(bytes.end() - 2, bytes.end()), kEndMarker);
}

TEST_F(PackFileTest, EmptyRecordAndFileOfOnlyTheEndMarkerReadAsNothing)
{
    const std::string path = m_folder.Path() + "/empty.bin";
    PackFilePtr file = PackFileOpen(path, "wb", nullptr, 16);
    EXPECT_EQ(PackFileWriteRecord(file.get()), 12u);
    EXPECT_TRUE(PackFileFlush(file.get()));
    EXPECT_EQ(PackFileClose(std::move(file)), 0);
    EXPECT_EQ(ReadFile(path), Concat({Record({0x00, 0x06, 0x01, 0xFF}, 0), kEndMarker}));
    for (const PackFilePtr& reader : {PackFileOpen(path, "rb", nullptr, 16), OpenForReading(kEndMarker)}) {
        EXPECT_TRUE(ReadAll(reader.get()).empty());
        EXPECT_EQ(PackFileGetError(reader.get()), PACK_END_OF_RECORDS);
    }
}

TEST_F(PackFileTest, FinishedFileTakesNoMore)
{
    PackFilePtr file = PackFileOpen(m_folder.Path() + "/done.bin", "wb", nullptr, 16);
    EXPECT_TRUE(PackFileFlush(file.get()));
    EXPECT_FALSE(PackFileFlush(file.get()));
    EXPECT_EQ(PackFileGetError(file.get()), PACK_BAD_ARGUMENT);
    EXPECT_FALSE(BufferText(file.get(), "x"));
    uint8_t out[4];
    EXPECT_EQ(PackFileReadRecord(file.get(), out, sizeof out), 0u);
    EXPECT_EQ(PackFileClose(std::move(file)), 0);
    EXPECT_EQ(PackFileClose(nullptr), PACK_BAD_ARGUMENT);
}

TEST_F(PackFileTest, RecordWhoseStreamExceeds65535BytesIsNotWritten)
{
    const std::string path = m_folder.Path() + "/noise.bin";
    PackFilePtr file = PackFileOpen(path, "wb", nullptr, 65535);
    std::mt19937 random(3);
    Bytes noise(65535);
    for (uint8_t& byte : noise)
        byte = uint8_t(random());
    ASSERT_TRUE(PackFileBufferData(file.get(), noise.data(), noise.size()));
    EXPECT_EQ(PackFileWriteRecord(file.get()), 0u);
    EXPECT_EQ(PackFileGetError(file.get()), PACK_WRITE_FAILED);
    file.reset();
    EXPECT_TRUE(ReadFile(path).size() < 1000);
}

TEST_F(PackFileTest, OpeningRefusesWhatItCannotServe)
{
    const std::string path = WriteFile(kEndMarker);
    EXPECT_FALSE(PackFileOpen(path, "x", nullptr, 16));
    EXPECT_EQ(PackFileGetError(nullptr), PACK_BAD_ARGUMENT);
    EXPECT_FALSE(PackFileOpen(path, "rb", nullptr, 0));
    EXPECT_FALSE(PackFileOpen(m_folder.Path() + "/w.bin", "wb", nullptr, 65536));
    EXPECT_EQ(PackFileGetError(nullptr), PACK_BAD_ARGUMENT);
    EXPECT_FALSE(PackFileOpen(m_folder.Path() + "/missing.bin", "rb", nullptr, 16));
    EXPECT_EQ(PackFileGetError(nullptr), PACK_CANNOT_OPEN);
    PackFileResetLayer();
    EXPECT_FALSE(PackFileOpen(path, "rb", nullptr, 16));
    EXPECT_EQ(PackFileGetError(nullptr), PACK_BAD_ARGUMENT);
}

TEST_F(PackFileTest, InitChangesOnlyValidSettings)
{
    auto headerOfWritten = [&](const char* name) {
        const std::string path = m_folder.Path() + "/" + name;
        PackFilePtr file = PackFileOpen(path, "wb", nullptr, 16);
        BufferText(file.get(), "hi");
        PackFileClose(std::move(file));
        const Bytes bytes = ReadFile(path);
        return std::make_pair(bytes[6], bytes[7]);
    };
    EXPECT_EQ(headerOfWritten("a.bin"), std::make_pair(uint8_t(0), uint8_t(6)));
    EXPECT_EQ(PackFileInit(nullptr, DCL_ASCII, 2048), 1);
    EXPECT_EQ(headerOfWritten("b.bin"), std::make_pair(uint8_t(0), uint8_t(5)));
    EXPECT_EQ(PackFileInit(nullptr, 9, 3000), 1);
    EXPECT_EQ(headerOfWritten("c.bin"), std::make_pair(uint8_t(0), uint8_t(5)));
}

TEST_F(PackFileTest, StreamValuesAreLittleEndianAndZeroAtTheEnd)
{
    const std::string path = m_folder.Path() + "/values";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    EXPECT_TRUE(PackWriteU16(out, 0x1234));
    EXPECT_TRUE(PackWriteU32(out, 0x12345678));
    EXPECT_TRUE(PackWriteByte(out, 0xAB));
    std::fclose(out);
    EXPECT_EQ(ReadFile(path), (Bytes{0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xAB}));
    std::FILE* in = std::fopen(path.c_str(), "rb");
    EXPECT_EQ(PackReadU16(in), 0x1234);
    EXPECT_EQ(PackReadU32(in), 0x12345678u);
    EXPECT_EQ(PackReadByte(in), 0xAB);
    EXPECT_EQ(PackReadU16(in), 0);
    EXPECT_EQ(PackReadByte(in), 0);
    std::fclose(in);
}

} // namespace

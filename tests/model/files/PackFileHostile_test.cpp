#include "tests/model/support/PackFiles.h"

namespace {

// A good first record ("AIAIAIAIAIAIA") followed by the record under attack, then the end marker:
// what the first record delivered survives, the attacked one delivers nothing.
const Bytes kGoodStream = {0x00, 0x04, 0x82, 0x24, 0x25, 0x8F, 0x80, 0x7F};

Bytes WithSecondRecord(const Bytes& second)
{
    return Concat({Record(kGoodStream, 13), second, kEndMarker});
}

Bytes StatingLengths(const Bytes& stream, uint16_t compressed, uint16_t expanded)
{
    Bytes record = Record(stream, expanded);
    record[2] = uint8_t(compressed);
    record[3] = uint8_t(compressed >> 8);
    return record;
}

Bytes ChangedAt(Bytes bytes, std::size_t at, uint8_t value)
{
    bytes[at] = value;
    return bytes;
}

struct HostileFile {
    const char* name;
    Bytes file;
    int error;
    std::size_t delivered;
};

class PackFileHostile : public PackFileTest, public ::testing::WithParamInterface<HostileFile> {};

TEST_P(PackFileHostile, DeliversOnlyGoodRecordsAndNamesTheFault)
{
    const HostileFile& c = GetParam();
    // A 64-byte buffer: the good record fits, a stated length above it does not.
    PackFilePtr file = OpenForReading(c.file, 64);
    ASSERT_TRUE(file);
    EXPECT_EQ(ReadAll(file.get(), 5).size(), c.delivered);
    EXPECT_EQ(PackFileGetError(file.get()), c.error);
    // The fault is final: reading on neither skips it nor finds more.
    uint8_t out[4];
    EXPECT_EQ(PackFileReadRecord(file.get(), out, sizeof out), 0u);
    EXPECT_EQ(PackFileGetError(file.get()), c.error);
}

INSTANTIATE_TEST_SUITE_P(Corruptions, PackFileHostile, ::testing::Values(
    HostileFile{"empty_file", {}, PACK_NO_RECORD_START, 0},
    HostileFile{"half_a_marker", {0x48}, PACK_NO_RECORD_START, 0},
    HostileFile{"no_end_marker", Record(kGoodStream, 13), PACK_NO_RECORD_START, 13},
    HostileFile{"bad_start_marker", WithSecondRecord(ChangedAt(Record(kStreamOfA, 1), 0, 0x49)), PACK_NO_RECORD_START, 13},
    HostileFile{"cut_in_lengths", Concat({Record(kGoodStream, 13), {0x48, 0x12, 0x06}}), PACK_BAD_COMPRESSED_DATA, 13},
    HostileFile{"bad_trailing_marker", WithSecondRecord(ChangedAt(Record(kStreamOfA, 1), 12, 0x00)), PACK_NO_RECORD_END, 13},
    HostileFile{"expanded_beyond_buffer", WithSecondRecord(Record(kStreamOfA, 65)), PACK_LENGTH_MISMATCH, 13},
    HostileFile{"expanded_beyond_stated", WithSecondRecord(Record(kGoodStream, 12)), PACK_LENGTH_MISMATCH, 13},
    HostileFile{"expanded_short_of_stated", WithSecondRecord(Record(kGoodStream, 14)), PACK_LENGTH_MISMATCH, 13},
    HostileFile{"compressed_length_cut", WithSecondRecord(StatingLengths(kStreamOfA, 4, 1)), PACK_BAD_COMPRESSED_DATA, 13},
    HostileFile{"compressed_beyond_file", Concat({Record(kGoodStream, 13), StatingLengths(kStreamOfA, 60000, 1)}), PACK_NO_RECORD_END, 13},
    HostileFile{"dictionary_byte_9", WithSecondRecord(Record(ChangedAt(kStreamOfA, 1, 9), 1)), PACK_BAD_COMPRESSED_DATA, 13},
    HostileFile{"ascii_literals", WithSecondRecord(Record(ChangedAt(kStreamOfA, 0, 1), 1)), PACK_BAD_COMPRESSED_DATA, 13},
    HostileFile{"stream_too_short", WithSecondRecord(Record({0x00, 0x06, 0x01}, 0)), PACK_BAD_COMPRESSED_DATA, 13},
    HostileFile{"copy_before_first_byte", WithSecondRecord(Record({0x00, 0x06, 0x07, 0xFC, 0x07}, 3)), PACK_BAD_COMPRESSED_DATA, 13},
    HostileFile{"garbage_stream", WithSecondRecord(Record({0x00, 0x06, 0xFF, 0xFF, 0xFF, 0xFF}, 9)), PACK_BAD_COMPRESSED_DATA, 13}),
    [](const auto& info) { return std::string(info.param.name); });

// Compressed bytes after the end code still belong to the record; the next record follows them.
TEST_F(PackFileTest, CompressedBytesAfterTheEndCodeAreSkipped)
{
    Bytes padded = kStreamOfA;
    padded.insert(padded.end(), {0xEE, 0xEE, 0xEE});
    PackFilePtr file = OpenForReading(Concat({Record(padded, 1), Record(kStreamOfA, 1), kEndMarker}));
    EXPECT_EQ(ReadAll(file.get()), BytesOf("AA"));
    EXPECT_EQ(PackFileGetError(file.get()), PACK_END_OF_RECORDS);
}

} // namespace

#pragma once

#include "model/files/DclWorkArea.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

// Record files: records of u16 0x1248, u16 compressed length, u16 expanded length, one DCL stream
// and 0x1248 again, ended by u16 0x3579. Readers see one byte stream, the expanded records joined.
// The layer keeps one set of settings, one work area and one running CRC per process.

inline constexpr uint16_t kPackRecordMarker = 0x1248;
inline constexpr uint16_t kPackEndMarker = 0x3579;
inline constexpr std::size_t kPackEntryMax = 32767;

// Last error of the layer or of a record file.
enum PackFileError : int {
    PACK_END_OF_RECORDS = 1,
    PACK_BAD_ARGUMENT = 2,       // also: the layer is not initialised
    PACK_CANNOT_OPEN = 3,
    PACK_WRITE_FAILED = 5,
    PACK_OUT_OF_MEMORY = 6,
    PACK_NO_RECORD_START = 7,
    PACK_LENGTH_MISMATCH = 9,    // also: the stated lengths do not fit the record buffer
    PACK_NO_RECORD_END = 10,
    PACK_BAD_COMPRESSED_DATA = 11,
};
const char* GetPackFileErrorText(int code);

// Entry modes of PackFileReadRecord with a maximum of 0: an entry ends after a NUL, or after a
// line feed.
enum PackEntryMode : int { PACK_ENTRY_NUL = 1, PACK_ENTRY_LINE = 2, PACK_ENTRY_LINE_TOO = 4 };

// Once per process: the work area (null: the layer allocates and owns one), literal mode (0
// binary, the only one written) and dictionary size (1024, 2048, 4096) for writing. Other values
// leave the setting as it is; a later call changes only the settings. 1, or 0 with error 6.
int PackFileInit(CDclWorkArea* workArea, int literalMode, int dictionarySize);
void PackFileSetEntryMode(int mode); // values other than 1, 2 and 4 change nothing
// The running CRC of every compressed byte written while accumulation is on (the default).
uint32_t PackFileGetCrc();
void PackFileSetCrc(uint32_t crc);
void PackFileSetCrcAccumulation(bool on);
// Back to the state of a fresh process: not initialised, defaults, no error.
void PackFileResetLayer();

class CPackFile;
struct CPackFileCloser {
    void operator()(CPackFile* file) const; // closes as PackFileClose does
};
using PackFilePtr = std::unique_ptr<CPackFile, CPackFileCloser>;

// Opens a record file for reading ("r...") or writing ("w...") with a record buffer: the given
// one, or one of bufferSize bytes the file owns. Records written are at most 65535 bytes long.
// Null with error 2, 3 or 6.
PackFilePtr PackFileOpen(const std::string& path, std::string_view mode, uint8_t* buffer,
                         std::size_t bufferSize);

// Delivers bytes of the expanded stream, expanding the next record whenever the buffered ones are
// used up: up to `maximum` bytes, or with a maximum of 0 one entry (see PackEntryMode) of at most
// kPackEntryMax bytes into a destination that holds that many. Fewer at the end or on an error.
std::size_t PackFileReadRecord(CPackFile* file, uint8_t* destination, std::size_t maximum);
// The next two bytes of the stream as a u16 count; 0 when they are missing.
uint16_t PackFileReadCount(CPackFile* file);

// Adds bytes to the record buffer, writing it as a record whenever it is full. False on an error.
bool PackFileBufferData(CPackFile* file, const uint8_t* data, std::size_t count);
// Compresses the buffered bytes as one record: the bytes written, 0 on an error.
std::size_t PackFileWriteRecord(CPackFile* file);
// The pending record and the end marker; false with error 5.
bool PackFileFlush(CPackFile* file);
// Finishes a file being written (pending record and end marker) and closes it: 0, or the error
// that kept the file from being finished, which the process keeps too.
int PackFileClose(PackFilePtr file);

// The code in the file object, or in the process when the object is null.
void PackFileSetError(CPackFile* file, int code);
int PackFileGetError(const CPackFile* file);

struct CPackCounts {
    uint64_t m_expanded = 0;
    uint64_t m_compressed = 0;
};
CPackCounts PackFileGetCounts(const CPackFile* file);

// Little-endian values over a stream; readers give 0 when the file ends first.
uint8_t PackReadByte(std::FILE* stream);
uint16_t PackReadU16(std::FILE* stream);
uint32_t PackReadU32(std::FILE* stream);
bool PackWriteByte(std::FILE* stream, uint8_t value);
bool PackWriteU16(std::FILE* stream, uint16_t value);
bool PackWriteU32(std::FILE* stream, uint32_t value);

#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A TVL library: the proposal files of a letting one after another behind a text header. The
// library is only ever read. All integers are little-endian.

inline constexpr std::string_view kTvlHeaderText = "This is an TVB library file.\n\x1A";
inline constexpr std::string_view kTvlMagic = "GNU!";
// From this library version on a member's time stamp counts seconds since 1970; before it, the
// stamp is an MS-DOS date and time.
inline constexpr int16_t kTvlFirstUnixTimeVersion = 101;
// The longest title and member names a library may hold.
inline constexpr std::size_t kTvlMaxTitle = 2047;
inline constexpr std::size_t kTvlMaxName = 255;

// Last error of the library layer, one per process.
enum TvlError : int {
    kTvlNoError = 0,
    kTvlEndOfInput = 1,
    kTvlEndOfOutput = 2,
    kTvlCorrupt = 3,
    kTvlUnknown = 4,
    kTvlSizeError = 5,     // a member's data lies beyond the end of the file
    kTvlCannotOpen = 6,
    kTvlNotInLibrary = 7,
    kTvlEndOfLibrary = 8,
    kTvlNotLibrary = 9,
    kTvlNoMemory = 10,
};

// The text of the last error, empty when there is none; `code` receives the code when given.
std::string GetTvlErrorText(int* code = nullptr);
int SetTvlError(int code); // 0

// One member: the directory entry before its data block.
struct CTvlEntry {
    uint32_t m_dwDataOffset = 0;  // the data block: the magic, then m_dwSize bytes
    uint32_t m_dwWord1 = 0;       // not used
    uint32_t m_dwSize = 0;
    uint32_t m_dwWord2 = 0;       // not used
    int16_t m_nWord3 = 0;         // not used
    uint32_t m_dwTimeStamp = 0;   // as stored
    uint16_t m_wAttributes = 0;   // not used
    std::string m_strFileName;    // Windows-1252, as stored: not yet known to be a plain name
    std::string m_strDescription;
    std::time_t m_tTime = -1;     // the stamp as a time; -1 when the stamp is no valid date

    uint64_t DataEnd() const { return uint64_t(m_dwDataOffset) + kTvlMagic.size() + m_dwSize; }
};

// An open library. Every offset and length it reads is checked against the file's size, and a
// member's data must come after its entry, so a hostile file can neither make it read outside
// the file nor send it round in circles.
class CTvlLibrary {
public:
    CTvlLibrary(std::FILE* file, uint64_t fileSize) : m_file(file), m_fileSize(fileSize) {}
    ~CTvlLibrary() { std::fclose(m_file); }
    CTvlLibrary(const CTvlLibrary&) = delete;
    CTvlLibrary& operator=(const CTvlLibrary&) = delete;

    // Reads the library fields after the header text; false (with the error set) when they are
    // not all there.
    bool ReadFields();

    bool Seek(uint64_t offset);
    std::optional<CTvlEntry> ReadEntry(bool skipData);
    std::optional<CTvlEntry> ReadNextEntry(const CTvlEntry* current);
    // Leaves the stream at the first byte of the member's data; false with the error set.
    bool SeekToData(const CTvlEntry& entry);
    // The next `count` bytes of the stream; false when the file has fewer.
    bool ReadBytes(void* bytes, std::size_t count);

    uint32_t m_dwFirstEntry = 0;
    uint32_t m_dwWord = 0; // not used
    int16_t m_nMembers = 0;
    int16_t m_nVersion = 0;
    std::string m_strTitle;

private:
    bool ReadMagic();
    bool ReadWord(uint16_t& value);
    bool ReadLong(uint32_t& value);
    bool ReadText(std::string& text, std::size_t maxLength);
    bool ReadEntryFields(CTvlEntry& entry);
    uint64_t Position() const;

    std::FILE* m_file;
    uint64_t m_fileSize;
};

// Opens a library and reads its header and fields; null with the error set: 6 the file cannot be
// opened, 1 it is shorter than its header, 3 the header text differs.
std::unique_ptr<CTvlLibrary> OpenTvlLibrary(const std::string& path);

// The entry after `current` (the first without one), the stream left at its data; nullopt at the
// end of the library (error 8) or on an error.
std::optional<CTvlEntry> TvlReadNextEntry(CTvlLibrary& library, const CTvlEntry* current);
// The entry at the current position; the stream is then left at its data, or past its data
// block with `skipData`.
std::optional<CTvlEntry> TvlReadEntry(CTvlLibrary& library, bool skipData);

// The time of a stored stamp: seconds since 1970 from version 101 on, else an MS-DOS date and
// time read as local time. -1 when the stamp is no valid date.
std::time_t TvlStampToTime(uint32_t stamp, int16_t version);

// Every entry of the library in order. kTvlNoError when the list ran to the end of the library;
// otherwise the error that stopped it, `members` holding the entries before it.
int ListTvlMembers(const std::string& path, std::vector<CTvlEntry>& members);

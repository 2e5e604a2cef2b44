#pragma once

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// The trailer of a gzip member: what the member's data must come to.
struct GzipTrailer {
    uint32_t m_crc = 0;
    std::optional<uint32_t> m_size; // the data's length modulo 2^32; none in a file cut short
};

// Checks the data of gzip members against their trailers, piece by piece as it arrives.
class CGzipMemberCheck {
public:
    void Add(const uint8_t* bytes, std::size_t count);
    // Bytes whose own check value was worked out elsewhere.
    void AddChecked(uLong crcOfBytes, std::size_t count);
    // The member ends here: true when its data matched `trailer`. Starts the next member.
    bool End(const GzipTrailer& trailer);

private:
    uLong m_crc = crc32(0, nullptr, 0);
    uint32_t m_size = 0;
};

// Reads a file as zlib's gzread does: gzip members one after another, anything but a member after
// them ignored; a file that does not start as gzip as it is; a member cut short ends the data,
// with Z_BUF_ERROR. One thing it leaves to the caller: checking each member's data against its
// trailer (CGzipMemberCheck), which costs a fifth of inflating and so may run on another thread.
// Headers are checked here, as gzread checks them.
class CTvbGzipReader {
public:
    CTvbGzipReader();
    ~CTvbGzipReader();
    CTvbGzipReader(const CTvbGzipReader&) = delete;
    CTvbGzipReader& operator=(const CTvbGzipReader&) = delete;

    // False when the file cannot be opened.
    bool Open(const std::string& path);
    // The size of the file as it is stored; 0 when unknown.
    std::size_t FileSize() const;

    // Up to `size` bytes into `out`, as gzread: the count, -1 on failure. A read stops after a
    // member's last byte and sets `memberEnd` to its trailer (or to as much of it as there is
    // before the file ends); without that, 0 is the end of the stream. Error() then tells a sound
    // end (Z_OK) from one cut short (Z_BUF_ERROR).
    int Read(uint8_t* out, std::size_t size, std::optional<GzipTrailer>& memberEnd);

    // As gzerror's number: Z_OK, Z_BUF_ERROR, Z_ERRNO, Z_DATA_ERROR, Z_STREAM_ERROR, Z_MEM_ERROR.
    int Error() const { return m_error; }

private:
    enum class Mode { kLook, kGzip, kCopy, kEnd };

    bool Look();
    bool StartMember();
    int Copy(uint8_t* out, std::size_t size);
    int Inflate(uint8_t* out, std::size_t size, std::optional<GzipTrailer>& memberEnd);
    bool LoadInput();
    GzipTrailer TrailerBeforeInput() const;
    std::optional<GzipTrailer> TrailerSoFar() const;
    void NoteBlockEnd();
    int Fail(int zlibError);

    int m_fd = -1;
    std::unique_ptr<uint8_t[]> m_input; // the bytes before m_stream.next_in are kept for the trailer
    z_stream m_stream{};
    bool m_inflateReady = false;
    bool m_headerDone = false;
    std::optional<uLong> m_dataEnd; // where the member's deflate data ended, counted in its input
    bool m_sawGzip = false;
    bool m_endOfFile = false;
    Mode m_mode = Mode::kLook;
    int m_error = Z_OK;
};

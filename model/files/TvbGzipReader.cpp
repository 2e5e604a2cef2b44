#include "model/files/TvbGzipReader.h"

#include "platform/core/Files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr std::size_t kTrailerSize = 8;
constexpr std::size_t kInputSize = 16 * 1024;
constexpr int kGzipWindowBits = 15 + 16;

uint32_t LittleEndian32(const uint8_t* at)
{
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

} // namespace

void CGzipMemberCheck::Add(const uint8_t* bytes, std::size_t count)
{
    m_crc = crc32_z(m_crc, bytes, count);
    m_size += uint32_t(count);
}

void CGzipMemberCheck::AddChecked(uLong crcOfBytes, std::size_t count)
{
    m_crc = crc32_combine(m_crc, crcOfBytes, z_off_t(count));
    m_size += uint32_t(count);
}

bool CGzipMemberCheck::End(const GzipTrailer& trailer)
{
    const bool sound = uint32_t(m_crc) == trailer.m_crc && (!trailer.m_size || m_size == *trailer.m_size);
    *this = {};
    return sound;
}

// The input area holds, before the unread input, the last bytes taken: a member's trailer may
// have come in two loads.
CTvbGzipReader::CTvbGzipReader() : m_input(new uint8_t[kTrailerSize + kInputSize]())
{
    m_stream.next_in = m_input.get() + kTrailerSize;
}

CTvbGzipReader::~CTvbGzipReader()
{
    if (m_inflateReady)
        inflateEnd(&m_stream);
    if (m_fd >= 0)
        close(m_fd);
}

bool CTvbGzipReader::Open(const std::string& path)
{
    m_fd = platform::OpenRegularFile(path);
    return m_fd >= 0;
}

std::size_t CTvbGzipReader::FileSize() const
{
    struct stat status {};
    return m_fd >= 0 && fstat(m_fd, &status) == 0 && status.st_size > 0 ? std::size_t(status.st_size) : 0;
}

int CTvbGzipReader::Fail(int zlibError)
{
    m_error = zlibError;
    return -1;
}

bool CTvbGzipReader::LoadInput()
{
    if (m_endOfFile || m_fd < 0)
        return false;
    uint8_t* const start = m_input.get();
    std::memmove(start, m_stream.next_in - kTrailerSize, kTrailerSize + m_stream.avail_in);
    m_stream.next_in = start + kTrailerSize;
    std::size_t loaded = m_stream.avail_in;
    while (loaded < kInputSize) {
        const ssize_t got = read(m_fd, start + kTrailerSize + loaded, kInputSize - loaded);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            Fail(Z_ERRNO);
            return false;
        }
        if (got == 0) {
            m_endOfFile = true;
            break;
        }
        loaded += std::size_t(got);
    }
    const bool more = loaded > m_stream.avail_in;
    m_stream.avail_in = uInt(loaded);
    return more;
}

int CTvbGzipReader::Read(uint8_t* out, std::size_t size, std::optional<GzipTrailer>& memberEnd)
{
    memberEnd.reset();
    if (m_error != Z_OK && m_error != Z_BUF_ERROR)
        return -1;
    std::size_t got = 0;
    while (got < size && !memberEnd && m_mode != Mode::kEnd) {
        int count = 0;
        switch (m_mode) {
        case Mode::kLook:
            if (!Look())
                return -1;
            continue;
        case Mode::kCopy: count = Copy(out + got, size - got); break;
        default: count = Inflate(out + got, size - got, memberEnd); break;
        }
        if (count < 0)
            return -1;
        got += std::size_t(count);
    }
    return int(got);
}

// What comes next: a gzip member, the end, or (at the very start only) a file that is not gzip.
bool CTvbGzipReader::Look()
{
    while (m_stream.avail_in < 2 && LoadInput()) {
    }
    if (m_error != Z_OK)
        return false;
    const uint8_t* at = m_stream.next_in;
    if (m_stream.avail_in >= 2 && at[0] == 0x1F && at[1] == 0x8B)
        return StartMember();
    // After a member, anything else is ignored.
    m_mode = m_sawGzip || m_stream.avail_in == 0 ? Mode::kEnd : Mode::kCopy;
    return true;
}

bool CTvbGzipReader::StartMember()
{
    const int started = m_inflateReady ? inflateReset(&m_stream) : inflateInit2(&m_stream, kGzipWindowBits);
    if (started != Z_OK) {
        Fail(started == Z_MEM_ERROR ? Z_MEM_ERROR : Z_STREAM_ERROR);
        return false;
    }
    m_inflateReady = true;
    // The header is checked by zlib (its own check included); the data by the caller.
    inflateValidate(&m_stream, 1);
    m_headerDone = false;
    m_dataEnd.reset();
    m_sawGzip = true;
    m_mode = Mode::kGzip;
    return true;
}

int CTvbGzipReader::Copy(uint8_t* out, std::size_t size)
{
    if (m_stream.avail_in == 0 && !LoadInput()) {
        if (m_error != Z_OK)
            return -1;
        m_mode = Mode::kEnd;
        return 0;
    }
    const std::size_t count = std::min<std::size_t>(size, m_stream.avail_in);
    std::memcpy(out, m_stream.next_in, count);
    m_stream.next_in += count;
    m_stream.avail_in -= uInt(count);
    return int(count);
}

GzipTrailer CTvbGzipReader::TrailerBeforeInput() const
{
    const uint8_t* trailer = m_stream.next_in - kTrailerSize;
    return {LittleEndian32(trailer), LittleEndian32(trailer + 4)};
}

// zlib compares a member's data check as soon as it has it: in a file cut short inside the length
// after it, the check counts all the same.
std::optional<GzipTrailer> CTvbGzipReader::TrailerSoFar() const
{
    const uLong taken = m_dataEnd ? m_stream.total_in - *m_dataEnd : 0;
    if (taken < 4)
        return std::nullopt;
    return GzipTrailer{LittleEndian32(m_stream.next_in - taken), std::nullopt};
}

// Z_BLOCK makes inflate stop after the header and after each block: the data check is turned
// off once the header is checked, and the end of the data (where the trailer starts) is known.
void CTvbGzipReader::NoteBlockEnd()
{
    if (!m_headerDone) {
        inflateValidate(&m_stream, 0);
        m_headerDone = true;
    } else if (m_stream.data_type & 64) {
        m_dataEnd = m_stream.total_in; // the last block is done
    }
}

int CTvbGzipReader::Inflate(uint8_t* out, std::size_t size, std::optional<GzipTrailer>& memberEnd)
{
    m_stream.next_out = out;
    m_stream.avail_out = uInt(size);
    while (m_stream.avail_out > 0) {
        if (m_stream.avail_in == 0 && !LoadInput() && m_error != Z_OK)
            return -1;
        const uInt roomBefore = m_stream.avail_out;
        const int status = inflate(&m_stream, Z_BLOCK);
        if (status == Z_STREAM_ERROR || status == Z_NEED_DICT)
            return Fail(Z_STREAM_ERROR);
        if (status == Z_MEM_ERROR || status == Z_DATA_ERROR)
            return Fail(status);
        if (status == Z_STREAM_END) {
            memberEnd = TrailerBeforeInput();
            m_mode = Mode::kLook;
            break;
        }
        if (m_stream.data_type & 128) {
            NoteBlockEnd(); // and go on: the bits inflate holds may make the next block, or fail
            continue;
        }
        // Once the input is all taken, inflate still gives out what it holds; then the file has
        // ended inside the member, and what came is the data.
        if (m_stream.avail_in == 0 && m_endOfFile && m_stream.avail_out == roomBefore) {
            m_error = Z_BUF_ERROR;
            m_mode = Mode::kEnd;
            memberEnd = TrailerSoFar();
            break;
        }
    }
    return int(size - m_stream.avail_out);
}

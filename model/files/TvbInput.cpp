#include "model/files/TvbInput.h"

#include "model/files/TvbFile.h"

#include <algorithm>
#include <cstring>

namespace {

// Large reads let zlib inflate straight into our buffer instead of through its own.
constexpr std::size_t kReadSize = 256 * 1024;
constexpr unsigned kGzipBufferSize = 64 * 1024;
constexpr std::size_t kBufferSize = kReadSize + kTvbRecordHeaderSize + kTvbMaxRecordLength;

} // namespace

int TvbResultOfZlibError(int zlibError, bool writing)
{
    switch (zlibError) {
    case Z_OK: return kTvbNoError;
    case Z_ERRNO: return writing ? kTvbCannotWrite : kTvbCannotRead;
    case Z_STREAM_ERROR:
    case Z_DATA_ERROR: return kTvbCorrupt;
    case Z_MEM_ERROR: return kTvbNoMemory;
    // While reading, zlib says this of a compressed stream that breaks off: the file is cut short,
    // which is damage, not a want of memory.
    case Z_BUF_ERROR: return writing ? kTvbNoMemory : kTvbCorrupt;
    default: return kTvbCorrupt2;
    }
}

CTvbInput::CTvbInput(std::size_t budget)
    : m_buffer(new uint8_t[kBufferSize]), m_budget(budget)
{
}

CTvbInput::~CTvbInput()
{
    Close();
}

int CTvbInput::Open(const std::string& path)
{
    m_file = gzopen(path.c_str(), "rb");
    if (!m_file)
        return kTvbCannotOpen;
    gzbuffer(m_file, kGzipBufferSize);
    return kTvbNoError;
}

void CTvbInput::Close()
{
    if (m_file)
        gzclose_r(m_file);
    m_file = nullptr;
}

void CTvbInput::Fail(int code)
{
    if (m_result == kTvbNoError)
        m_result = code;
}

bool CTvbInput::Charge(std::size_t bytes)
{
    m_used += bytes;
    if (m_used <= m_budget)
        return true;
    Fail(kTvbCorrupt);
    return false;
}

bool CTvbInput::ReadMore()
{
    if (m_atEnd || m_result != kTvbNoError || !m_file)
        return false;
    if (m_begin > 0) {
        std::memmove(m_buffer.get(), m_buffer.get() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    const int got = gzread(m_file, m_buffer.get() + m_end, unsigned(kBufferSize - m_end));
    int zlibError = Z_OK;
    if (got < 0) {
        gzerror(m_file, &zlibError);
        Fail(TvbResultOfZlibError(zlibError, false));
        return false;
    }
    if (got == 0) {
        m_atEnd = true;
        gzerror(m_file, &zlibError); // a compressed stream cut short reads as a quiet end
        Fail(TvbResultOfZlibError(zlibError, false));
        return false;
    }
    m_end += std::size_t(got);
    return Charge(std::size_t(got));
}

bool CTvbInput::Ensure(std::size_t count)
{
    if (m_end - m_begin >= count)
        return true;
    while (m_end - m_begin < count)
        if (!ReadMore())
            return false;
    return true;
}

uint16_t CTvbInput::WordAt(std::size_t offset) const
{
    return uint16_t(m_buffer[m_begin + offset] | m_buffer[m_begin + offset + 1] << 8);
}

std::string_view CTvbInput::ReadStart(std::size_t count)
{
    Ensure(count);
    const std::size_t got = std::min(count, m_end - m_begin);
    const std::string_view start(reinterpret_cast<const char*>(m_buffer.get() + m_begin), got);
    m_begin += got;
    return start;
}

bool CTvbInput::NextRecordAtEdge(TvbRecord& record)
{
    if (!Ensure(2)) {
        Fail(kTvbCorrupt); // no end record
        return false;
    }
    // The end record's length is not read: the tag alone ends the records.
    if (WordAt(0) == TVB_END)
        return false;
    if (!Ensure(kTvbRecordHeaderSize) || !Ensure(kTvbRecordHeaderSize + WordAt(2))) {
        Fail(kTvbCorrupt); // the stream ends inside the record
        return false;
    }
    const std::size_t length = WordAt(2);
    record.m_tag = WordAt(0);
    record.m_data = {m_buffer.get() + m_begin + kTvbRecordHeaderSize, length};
    m_begin += kTvbRecordHeaderSize + length;
    return true;
}

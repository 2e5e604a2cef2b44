#include "model/files/TvbInput.h"

#include "model/files/TvbFile.h"
#include "platform/core/Processors.h"

#include <algorithm>
#include <cstring>

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

CTvbInput::CTvbInput(std::size_t budget, TvbInflation where) : m_where(where), m_budget(budget)
{
}

CTvbInput::~CTvbInput()
{
    Close();
}

int CTvbInput::Open(const std::string& path)
{
    m_file = std::make_unique<CTvbGzipReader>();
    if (!m_file->Open(path))
        return kTvbCannotOpen;
    const TvbInflation where = m_where == TvbInflation::kAuto
        ? ChooseTvbInflation(m_file->FileSize(), platform::UsableCores(), platform::RunnableThreads())
        : m_where;
    m_inflater = std::make_unique<CTvbInflater>(*m_file, where);
    return kTvbNoError;
}

void CTvbInput::Close()
{
    m_inflater.reset(); // first: its thread may be reading the file
    m_bytes = nullptr;
    m_begin = m_end = 0;
    m_file.reset();
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
    if (m_atEnd || m_result != kTvbNoError || !m_inflater)
        return false;
    TvbChunk& chunk = m_inflater->Take();
    // The unread end of the last chunk goes right before the new bytes, so a record is seen whole.
    const std::size_t unread = m_end - m_begin;
    uint8_t* start = chunk.m_bytes.get() + TvbChunk::kCarryRoom - unread;
    if (unread > 0)
        std::memcpy(start, m_bytes + m_begin, unread);
    if (m_bytes)
        m_inflater->Give();
    m_bytes = chunk.m_bytes.get();
    m_begin = TvbChunk::kCarryRoom - unread;
    m_end = TvbChunk::kCarryRoom;
    if (chunk.m_got < 0) {
        Fail(TvbResultOfZlibError(chunk.m_zlibError, false));
        return false;
    }
    const std::size_t got = std::size_t(chunk.m_got);
    if (chunk.m_crc)
        m_memberCheck.AddChecked(*chunk.m_crc, got);
    else
        m_memberCheck.Add(m_bytes + m_end, got);
    if (chunk.m_memberEnd && !m_memberCheck.End(*chunk.m_memberEnd)) {
        Fail(kTvbCorrupt); // as zlib reports data that does not match its member's trailer
        return false;
    }
    if (chunk.IsLast()) {
        m_atEnd = true; // a compressed stream cut short reads as a quiet end, with its error number
        Fail(TvbResultOfZlibError(chunk.m_zlibError, false));
        return false;
    }
    m_end += got;
    return Charge(got);
}

bool CTvbInput::Ensure(std::size_t count)
{
    if (m_end - m_begin >= count)
        return true;
    // What is left unread must fit in front of the next chunk: at most one record.
    if (count > TvbChunk::kCarryRoom)
        return false;
    while (m_end - m_begin < count)
        if (!ReadMore())
            return false;
    return true;
}

// The records are all there, but the file is whole only when each gzip member's data check and
// length are there and match: a file cut short in or before its trailer is corrupt.
void CTvbInput::ReadToTheEnd()
{
    do
        m_begin = m_end;
    while (ReadMore());
}

uint16_t CTvbInput::WordAt(std::size_t offset) const
{
    return uint16_t(m_bytes[m_begin + offset] | m_bytes[m_begin + offset + 1] << 8);
}

std::string_view CTvbInput::ReadStart(std::size_t count)
{
    Ensure(count);
    const std::size_t got = std::min(count, m_end - m_begin);
    const std::string_view start(reinterpret_cast<const char*>(m_bytes + m_begin), got);
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
    if (WordAt(0) == TVB_END) {
        ReadToTheEnd();
        return false;
    }
    if (!Ensure(kTvbRecordHeaderSize) || !Ensure(kTvbRecordHeaderSize + WordAt(2))) {
        Fail(kTvbCorrupt); // the stream ends inside the record
        return false;
    }
    const std::size_t length = WordAt(2);
    record.m_tag = WordAt(0);
    record.m_data = {m_bytes + m_begin + kTvbRecordHeaderSize, length};
    m_begin += kTvbRecordHeaderSize + length;
    return true;
}

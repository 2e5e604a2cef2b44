#include "model/files/TvbOutput.h"

#include "model/files/TvbFile.h"
#include "model/files/TvbFormat.h"
#include "model/files/TvbInput.h"
#include "model/text/Dates.h"

#include <bit>
#include <climits>
#include <cstring>

namespace {

// Records gather to this size before they are compressed, so zlib works on large pieces.
constexpr std::size_t kPendingSize = 128 * 1024;
constexpr std::size_t kCompressedChunk = 64 * 1024;
constexpr int kGzipWindowBits = 15 + 16; // a gzip wrapper, as zlib's gzip functions write

template <class Number>
std::string_view LittleEndian(Number value, char (&bytes)[sizeof(Number)])
{
    for (std::size_t i = 0; i < sizeof(Number); ++i)
        bytes[i] = char(uint64_t(value) >> (8 * i));
    return {bytes, sizeof(Number)};
}

// What the count of a list record counts, as the user knows it.
const char* CountedThings(uint16_t countTag)
{
    switch (countTag) {
    case TVB_COUNTY_COUNT: return "counties";
    case TVB_SITE_COUNT: return "sites";
    case TVB_ITEM_COUNT: return "items and sections";
    case TVB_NOTE_COUNT: return "addendum notes";
    case TVB_PICK_LIST_COUNT: return "pick lists";
    case TVB_OTHER_REPORT_COUNT: return "reports";
    case TVB_PLATE_COUNT: return "data templates";
    case TVB_FORM_FIELD_COUNT: return "fields in one form";
    case TVB_FORM_STRING_COUNT: return "texts in one form";
    case TVB_FORM_ROW_COUNT: return "rows in one form";
    case TVB_FORM_DB_FIELD_COUNT: return "database fields in one form";
    case TVB_FORM_FILTER_COUNT: return "filters in one form";
    case TVB_PICK_LIST_COUNT_OF_ENTRIES: return "entries in one pick list";
    case TVB_FIRM_ITEM_COUNT: return "items of one firm";
    default: return "entries in one list";
    }
}

std::string WithCommas(std::size_t number)
{
    std::string text = std::to_string(number);
    return InsertThousandsCommas(text);
}

} // namespace

CTvbRecordWriter::CTvbRecordWriter(CTvbOutput& output) : m_output(output), m_compressed(kCompressedChunk)
{
    const int status = deflateInit2(&m_stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kGzipWindowBits, 8,
                                    Z_DEFAULT_STRATEGY);
    if (status != Z_OK) {
        Fail(TvbResultOfZlibError(status, true));
        return;
    }
    m_streamReady = true;
    m_pending.reserve(kPendingSize + kTvbRecordHeaderSize + kTvbMaxRecordLength);
}

CTvbRecordWriter::~CTvbRecordWriter()
{
    if (m_streamReady)
        deflateEnd(&m_stream);
}

void CTvbRecordWriter::Fail(int code)
{
    if (m_result == kTvbNoError)
        m_result = code;
}

void CTvbRecordWriter::Overflowed(std::size_t length, const char* what, std::size_t limit)
{
    if (m_result == kTvbNoError)
        m_overflow = WithCommas(length) + " " + what + "; a proposal file holds at most " + WithCommas(limit);
    Fail(kTvbCannotWrite);
}

void CTvbRecordWriter::Raw(std::string_view bytes)
{
    if (m_result == kTvbNoError)
        m_pending.append(bytes);
}

void CTvbRecordWriter::Record(uint16_t tag, std::string_view data)
{
    if (m_result != kTvbNoError)
        return;
    if (data.size() > kTvbMaxRecordLength) {
        Overflowed(data.size(), "bytes in one field", kTvbMaxRecordLength);
        return;
    }
    char header[4];
    header[0] = char(tag);
    header[1] = char(tag >> 8);
    header[2] = char(data.size());
    header[3] = char(data.size() >> 8);
    m_pending.append(header, sizeof header);
    m_pending.append(data);
    if (m_pending.size() >= kPendingSize)
        Compress(Z_NO_FLUSH);
}

void CTvbRecordWriter::Word(uint16_t tag, uint16_t value)
{
    char bytes[2];
    Record(tag, LittleEndian(value, bytes));
}

void CTvbRecordWriter::Long(uint16_t tag, int32_t value)
{
    char bytes[4];
    Record(tag, LittleEndian(uint32_t(value), bytes));
}

void CTvbRecordWriter::Double(uint16_t tag, double value)
{
    char bytes[8];
    Record(tag, LittleEndian(std::bit_cast<uint64_t>(value), bytes));
}

void CTvbRecordWriter::Pair(uint16_t tag, uint8_t first, uint8_t second)
{
    const char bytes[2] = {char(first), char(second)};
    Record(tag, {bytes, 2});
}

void CTvbRecordWriter::Text(uint16_t tag, std::string_view text)
{
    Record(tag, text.substr(0, text.find('\0')));
}

void CTvbRecordWriter::Bytes(uint16_t tag, std::span<const uint8_t> bytes)
{
    Record(tag, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

void CTvbRecordWriter::Count(uint16_t tag, std::size_t count)
{
    if (count > kTvbMaxListCount)
        Overflowed(count, CountedThings(tag), kTvbMaxListCount);
    Word(tag, uint16_t(count));
}

void CTvbRecordWriter::BlockLength(uint16_t tag, uint32_t length, bool unchanged)
{
    if (!unchanged && length > uint32_t(INT32_MAX))
        Fail(kTvbCannotWrite);
    Long(tag, unchanged ? -1 : int32_t(length));
}

void CTvbRecordWriter::Compress(int flush)
{
    m_stream.next_in = reinterpret_cast<Bytef*>(m_pending.data());
    m_stream.avail_in = uInt(m_pending.size());
    int status = Z_OK;
    do {
        m_stream.next_out = m_compressed.data();
        m_stream.avail_out = uInt(m_compressed.size());
        status = deflate(&m_stream, flush);
        if (status == Z_STREAM_ERROR) {
            Fail(TvbResultOfZlibError(status, true));
            return;
        }
        const std::size_t produced = m_compressed.size() - m_stream.avail_out;
        if (produced > 0 &&
            !m_output.Write({reinterpret_cast<const char*>(m_compressed.data()), produced})) {
            Fail(kTvbCannotWrite);
            return;
        }
    } while (m_stream.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
    m_pending.clear();
}

int CTvbRecordWriter::Finish()
{
    if (m_result == kTvbNoError)
        Compress(Z_FINISH);
    return m_result;
}

#pragma once

#include "model/files/TvbFormat.h"
#include "model/files/TvbGzipReader.h"
#include "model/files/TvbInflater.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

struct TvbRecord {
    uint16_t m_tag = 0;
    std::span<const uint8_t> m_data; // valid until the next record is taken
};

// The bytes of a proposal file, read as zlib's gzread reads them (a plain file as it is) and cut
// into records. The first failure is kept as the TvbResult of the
// whole reading; whoever builds the proposal reports its own refusals here as well. Failures of
// the stream count in stream order: whatever the inflater meets ahead waits until its chunk.
class CTvbInput {
public:
    // `budget`: how many bytes the stream, together with what is charged for the records built
    // from it, may come to.
    explicit CTvbInput(std::size_t budget = kTvbMaxProposalBytes, TvbInflation where = TvbInflation::kAuto);
    ~CTvbInput();
    CTvbInput(const CTvbInput&) = delete;
    CTvbInput& operator=(const CTvbInput&) = delete;

    // kTvbNoError, or kTvbCannotOpen.
    int Open(const std::string& path);
    void Close();

    // The first bytes of the stream, at most `count`: fewer when the stream is shorter.
    std::string_view ReadStart(std::size_t count);

    // The next record; false at the end record, and on any failure (see Result). A stream that
    // ends before the end record, or inside a record, is corrupt; so is a gzip stream that ends
    // before or inside a member's trailer, wherever the end record stands. Inline for the common case of
    // a whole record in the buffer: a proposal has a hundred thousand of them.
    bool NextRecord(TvbRecord& record)
    {
        const std::size_t available = m_end - m_begin;
        if (available < kTvbRecordHeaderSize)
            return NextRecordAtEdge(record);
        const uint8_t* at = m_bytes + m_begin;
        if ((at[0] | at[1] << 8) == TVB_END)
            return NextRecordAtEdge(record);
        const std::size_t length = std::size_t(at[2] | at[3] << 8);
        if (available - kTvbRecordHeaderSize < length)
            return NextRecordAtEdge(record);
        record.m_tag = uint16_t(at[0] | at[1] << 8);
        record.m_data = {at + kTvbRecordHeaderSize, length};
        m_begin += kTvbRecordHeaderSize + length;
        return true;
    }

    // Counts what is built in memory from a record against the budget; false (corrupt) past it.
    bool Charge(std::size_t bytes);

    // Keeps the first failure; later ones are consequences.
    void Fail(int code);
    int Result() const { return m_result; }

private:
    // The next record when it may need more bytes read, or is the end record.
    bool NextRecordAtEdge(TvbRecord& record);
    // Reads past the end record, so that every member of the stream is checked.
    void ReadToTheEnd();
    bool Ensure(std::size_t count);
    bool ReadMore();
    uint16_t WordAt(std::size_t offset) const;

    TvbInflation m_where;
    std::unique_ptr<CTvbGzipReader> m_file;
    std::unique_ptr<CTvbInflater> m_inflater;
    const uint8_t* m_bytes = nullptr; // of the chunk being read; the unread ones are [m_begin, m_end)
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    CGzipMemberCheck m_memberCheck;
    std::size_t m_used = 0;
    std::size_t m_budget;
    bool m_atEnd = false;
    int m_result = 0;
};

// The result code of a zlib error number (gzerror, deflate).
int TvbResultOfZlibError(int zlibError, bool writing);

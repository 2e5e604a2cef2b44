#pragma once

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Where the compressed bytes of a proposal file go.
class CTvbOutput {
public:
    virtual ~CTvbOutput() = default;
    // False when the bytes could not all be written.
    virtual bool Write(std::string_view bytes) = 0;
};

// Encodes records (u16 tag, u16 length, data) and compresses them, at zlib's default level, into
// one gzip stream on an output. It is also the writing visitor of the field lists (TvbFields.h).
// The first failure sticks: later records are skipped and Finish reports it.
class CTvbRecordWriter {
public:
    explicit CTvbRecordWriter(CTvbOutput& output);
    ~CTvbRecordWriter();
    CTvbRecordWriter(const CTvbRecordWriter&) = delete;
    CTvbRecordWriter& operator=(const CTvbRecordWriter&) = delete;

    void Raw(std::string_view bytes);
    void Group(uint16_t tag) { Record(tag, {}); }
    void Word(uint16_t tag, uint16_t value);
    void Short(uint16_t tag, int16_t value) { Word(tag, uint16_t(value)); }
    void Long(uint16_t tag, int32_t value);
    // A 32-bit field stored as its low 16 bits.
    void Narrow(uint16_t tag, int32_t value) { Word(tag, uint16_t(value)); }
    void Double(uint16_t tag, double value);
    void Pair(uint16_t tag, uint8_t first, uint8_t second);
    // The text up to a NUL, as a C string would be stored.
    void Text(uint16_t tag, std::string_view text);
    void Bytes(uint16_t tag, std::span<const uint8_t> bytes);
    // A list's length; refused when it does not fit the u16 field.
    void Count(uint16_t tag, std::size_t count);
    // A block's length as i32 (-1 for the unchanged marker); refused past the i32 range.
    void BlockLength(uint16_t tag, uint32_t length, bool unchanged);

    // Ends the gzip stream; the TvbResult of the whole writing.
    int Finish();
    int Result() const { return m_result; }
    // When a list or a field longer than the format holds stopped the writing: what it was, its
    // length and the most the file takes ("70,000 items and sections; a proposal file holds at
    // most 65,535"). Empty otherwise.
    const std::string& Overflow() const { return m_overflow; }

private:
    // A record that cannot state its length in 16 bits is refused, never written wrapped.
    void Record(uint16_t tag, std::string_view data);
    void Compress(int flush);
    void Fail(int code);
    void Overflowed(std::size_t length, const char* what, std::size_t limit);

    CTvbOutput& m_output;
    z_stream m_stream{};
    bool m_streamReady = false;
    std::string m_pending;
    std::vector<unsigned char> m_compressed;
    int m_result = 0;
    std::string m_overflow;
};

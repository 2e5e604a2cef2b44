#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

// 1-2-3 worksheet records: a u16 type, a u16 length and that many bytes, little-endian.
enum Wk1RecordType : uint16_t {
    WK1_BOF = 0,      // u16 version
    WK1_EOF = 1,      // empty: the worksheet ends
    WK1_COLW1 = 8,    // u16 column, u8 width
    WK1_INTEGER = 13, // cell header, i16
    WK1_NUMBER = 14,  // cell header, double
    WK1_LABEL = 15,   // cell header, prefix character, text, NUL
    WK1_FORMULA = 16, // cell header, double (the value), u16 size, the formula's bytes
};

inline constexpr uint16_t kWk1BofVersion = 0x0404;
inline constexpr std::size_t kWk1RecordHeaderSize = 4;
inline constexpr std::size_t kWk1MaxRecordLength = 0xFFFF;
// Every cell record starts with a format byte, the u16 column and the u16 row.
inline constexpr std::size_t kWk1CellHeaderSize = 5;
inline constexpr uint8_t kWk1LabelFormat = 0xFF;
inline constexpr uint8_t kWk1NumberFormat = 0x80; // protected, fixed; the low four bits are the decimals
inline constexpr char kWk1LabelPrefix = '\'';

inline void AppendWk1U16(std::string& out, unsigned value)
{
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
}

inline void AppendWk1Double(std::string& out, double value)
{
    const auto bits = std::bit_cast<uint64_t>(value);
    for (int shift = 0; shift < 64; shift += 8)
        out += char((bits >> shift) & 0xFF);
}

inline unsigned ReadWk1U16(const uint8_t* bytes)
{
    return unsigned(bytes[0]) | unsigned(bytes[1]) << 8;
}

inline double ReadWk1Double(const uint8_t* bytes)
{
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = bits << 8 | bytes[i];
    return std::bit_cast<double>(bits);
}

// One cell of a worksheet: a number (INTEGER, NUMBER, or the stored value of a FORMULA) or the
// text of a LABEL after its prefix character.
struct CWk1Cell {
    unsigned m_column = 0;
    unsigned m_row = 0;
    std::optional<double> m_number;
    std::string m_strText;
};

// Reads the cell records of a 1-2-3 worksheet one after another, passing over other records.
// Every record is read whole before it is looked at, and a cell record that is shorter than its
// fields, or a file that ends inside a record, stops the reading with an error.
class CWk1CellReader {
public:
    explicit CWk1CellReader(std::FILE* file) : m_file(file) {}

    // False at the end of the file or on an error (Error()).
    bool Next(CWk1Cell& cell);
    // The cell comes again from the next call to Next.
    void PushBack(CWk1Cell cell) { m_pending = std::move(cell); }
    const std::string& Error() const { return m_error; }

private:
    bool ReadRecord(unsigned& type);
    bool Damaged(const std::string& what);
    bool DecodeCell(unsigned type, CWk1Cell& cell);

    std::FILE* m_file;
    std::optional<CWk1Cell> m_pending;
    std::vector<uint8_t> m_data; // the record last read
    long long m_recordOffset = 0;
    long long m_offset = 0;
    std::string m_error;
    bool m_ended = false; // the end record, the end of the file or an error was met
};

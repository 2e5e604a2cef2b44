#pragma once

#include "model/flat/Wk1Records.h"

#include <cstdint>
#include <string>

// Worksheet records for tests, built byte by byte.
inline std::string Wk1Record(unsigned type, const std::string& data)
{
    std::string record;
    AppendWk1U16(record, type);
    AppendWk1U16(record, unsigned(data.size()));
    return record + data;
}

inline std::string Wk1CellHeader(unsigned column, unsigned row, uint8_t format = 0x82)
{
    std::string header(1, char(format));
    AppendWk1U16(header, column);
    AppendWk1U16(header, row);
    return header;
}

inline std::string Wk1Number(unsigned column, unsigned row, double value)
{
    std::string data = Wk1CellHeader(column, row);
    AppendWk1Double(data, value);
    return Wk1Record(WK1_NUMBER, data);
}

inline std::string Wk1Integer(unsigned column, unsigned row, int16_t value)
{
    std::string data = Wk1CellHeader(column, row);
    AppendWk1U16(data, uint16_t(value));
    return Wk1Record(WK1_INTEGER, data);
}

inline std::string Wk1Label(unsigned column, unsigned row, const std::string& text)
{
    return Wk1Record(WK1_LABEL, Wk1CellHeader(column, row, 0xFF) + "'" + text + '\0');
}

// A formula cell with its stored value and `formula` as its formula bytes.
inline std::string Wk1Formula(unsigned column, unsigned row, double value, const std::string& formula)
{
    std::string data = Wk1CellHeader(column, row);
    AppendWk1Double(data, value);
    AppendWk1U16(data, unsigned(formula.size()));
    return Wk1Record(WK1_FORMULA, data + formula);
}

inline std::string Wk1Sheet(const std::string& cells)
{
    std::string bof;
    AppendWk1U16(bof, kWk1BofVersion);
    return Wk1Record(WK1_BOF, bof) + cells + Wk1Record(WK1_EOF, "");
}

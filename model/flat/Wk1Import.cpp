// Import of a 1-2-3 worksheet: the cells of one worksheet row make one row.
#include "model/flat/FlatFormats.h"

#include "model/flat/FlatImport.h"
#include "model/flat/FlatImportState.h"
#include "model/flat/Wk1Records.h"
#include "model/records/ItemColumns.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

bool IsCellRecord(unsigned type)
{
    return type == WK1_INTEGER || type == WK1_NUMBER || type == WK1_LABEL || type == WK1_FORMULA;
}

// The fixed part of each cell record: the cell header and its value (a FORMULA adds the u16
// size of its formula bytes).
std::size_t MinimumLength(unsigned type)
{
    switch (type) {
    case WK1_INTEGER: return kWk1CellHeaderSize + 2;
    case WK1_NUMBER: return kWk1CellHeaderSize + 8;
    case WK1_FORMULA: return kWk1CellHeaderSize + 8 + 2;
    default: return kWk1CellHeaderSize;
    }
}

// A line number stored as a number: 10 is the item "0010".
std::string LineNumberText(double number)
{
    // Past the int range (or not a number at all) the value names no line.
    if (!(std::fabs(number) < 2147483648.0))
        return std::string();
    char text[16];
    std::snprintf(text, sizeof text, "%4.4d", int(number));
    return text;
}

void AssignCell(CFlatRow& row, int fieldId, const CWk1Cell& cell)
{
    if (!cell.m_number)
        row.Assign(fieldId, cell.m_strText);
    else if (fieldId == ITEM_COL_LINE_NUMBER)
        row.Assign(fieldId, LineNumberText(*cell.m_number));
    else
        row.Assign(fieldId, *cell.m_number);
}

bool ReadWk1Row(FlatFileJob& job, CFlatRow& row)
{
    CWk1CellReader& cells = job.ImportState().Cells();
    const auto ids = ActiveFlatFields(job.m_importFields);
    CWk1Cell cell;
    bool started = false;
    unsigned current = 0;
    while (cells.Next(cell)) {
        if (started && cell.m_row != current) {
            cells.PushBack(std::move(cell));
            return true;
        }
        if (!started) {
            started = true;
            current = cell.m_row;
            row.Clear("row", long(current) + 1);
        }
        if (cell.m_column < ids.size())
            AssignCell(row, ids[cell.m_column], cell);
    }
    // The last row ends with the file; a damaged record loses the row it is in.
    job.m_strError = cells.Error();
    return started && job.m_strError.empty();
}

} // namespace

bool CWk1CellReader::Next(CWk1Cell& cell)
{
    if (m_pending) {
        cell = std::move(*m_pending);
        m_pending.reset();
        return true;
    }
    if (m_ended)
        return false;
    unsigned type = 0;
    // What follows the worksheet's own end record is not part of it.
    while (ReadRecord(type) && type != WK1_EOF)
        if (IsCellRecord(type))
            return DecodeCell(type, cell);
    m_ended = true;
    return false;
}

bool CWk1CellReader::ReadRecord(unsigned& type)
{
    uint8_t header[kWk1RecordHeaderSize];
    m_recordOffset = m_offset;
    const std::size_t got = std::fread(header, 1, sizeof header, m_file);
    m_offset += static_cast<long long>(got);
    if (got == 0 && !std::ferror(m_file))
        return false; // the end, between records
    if (got < sizeof header)
        return Damaged(std::ferror(m_file) ? "the file cannot be read" : "the file ends inside the record header");
    type = ReadWk1U16(header);
    const std::size_t length = ReadWk1U16(header + 2);
    m_data.resize(length);
    const std::size_t read = length == 0 ? 0 : std::fread(m_data.data(), 1, length, m_file);
    m_offset += static_cast<long long>(read);
    if (read < length)
        return Damaged(std::ferror(m_file) ? "the file cannot be read"
                                           : "the file ends inside the record, which declares " +
                                                 std::to_string(length) + " bytes");
    return true;
}

bool CWk1CellReader::Damaged(const std::string& what)
{
    m_error = "worksheet record at byte " + std::to_string(m_recordOffset) + ": " + what;
    m_ended = true;
    return false;
}

bool CWk1CellReader::DecodeCell(unsigned type, CWk1Cell& cell)
{
    const std::size_t minimum = MinimumLength(type);
    if (m_data.size() < minimum)
        return Damaged("a cell of type " + std::to_string(type) + " needs " + std::to_string(minimum) +
                       " bytes, the record has " + std::to_string(m_data.size()));
    const uint8_t* value = m_data.data() + kWk1CellHeaderSize;
    cell.m_column = ReadWk1U16(m_data.data() + 1);
    cell.m_row = ReadWk1U16(m_data.data() + 3);
    cell.m_number.reset();
    cell.m_strText.clear();
    switch (type) {
    case WK1_INTEGER: cell.m_number = double(int16_t(ReadWk1U16(value))); break;
    case WK1_NUMBER: cell.m_number = ReadWk1Double(value); break;
    case WK1_FORMULA:
        if (minimum + ReadWk1U16(value + 8) > m_data.size())
            return Damaged("its formula of " + std::to_string(ReadWk1U16(value + 8)) +
                           " bytes runs past the record");
        cell.m_number = ReadWk1Double(value);
        break;
    default: { // a LABEL: the prefix character, the text, a NUL
        const auto start = m_data.begin() + kWk1CellHeaderSize;
        const auto end = std::find(start, m_data.end(), uint8_t(0));
        cell.m_strText.assign(start == end ? end : start + 1, end);
    }
    }
    return true;
}

int ImportWk1(FlatFileJob& job)
{
    return ImportFlatRow(job, ReadWk1Row);
}

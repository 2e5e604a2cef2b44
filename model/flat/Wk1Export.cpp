// Export as a 1-2-3 worksheet: a column width per field, an optional row of names, then one row
// per item with a NUMBER for each numeric value and a LABEL for each text.
#include "model/flat/FlatFormats.h"

#include "model/eval/Evaluator.h"
#include "model/flat/FlatExport.h"
#include "model/flat/Wk1Records.h"

#include <algorithm>

namespace {

constexpr int kMaxRows = 0xFFFF; // rows are u16, and row 0 holds the names
constexpr int kMaxColumnWidth = 0xFF;
// The LABEL's length counts the cell header, the prefix character and the closing NUL.
constexpr std::size_t kLabelOverhead = kWk1CellHeaderSize + 2;

class CWk1Writer {
public:
    explicit CWk1Writer(std::FILE* file) : m_out(file) {}

    void Bof()
    {
        Begin(WK1_BOF, 2);
        AppendWk1U16(m_record, kWk1BofVersion);
        End();
    }

    void ColumnWidth(unsigned column, int width)
    {
        Begin(WK1_COLW1, 3);
        AppendWk1U16(m_record, column);
        m_record += char(std::clamp(width, 0, kMaxColumnWidth));
        End();
    }

    // A missing text is written as one blank, so that the record holds the length it declares.
    void Label(unsigned column, unsigned row, std::optional<std::string_view> text)
    {
        const std::string_view label = text.value_or(" ").substr(0, kWk1MaxRecordLength - kLabelOverhead);
        Begin(WK1_LABEL, label.size() + kLabelOverhead);
        CellHeader(kWk1LabelFormat, column, row);
        m_record += kWk1LabelPrefix;
        m_record += label;
        m_record += '\0';
        End();
    }

    void Number(unsigned column, unsigned row, double value, int decimals)
    {
        Begin(WK1_NUMBER, kWk1CellHeaderSize + 8);
        CellHeader(uint8_t(kWk1NumberFormat | (decimals & 0x0F)), column, row);
        AppendWk1Double(m_record, value);
        End();
    }

    int Finish()
    {
        Begin(WK1_EOF, 0);
        End();
        return m_out.Finish();
    }

private:
    void Begin(unsigned type, std::size_t length)
    {
        m_record.clear();
        AppendWk1U16(m_record, type);
        AppendWk1U16(m_record, unsigned(length));
    }

    void CellHeader(uint8_t format, unsigned column, unsigned row)
    {
        m_record += char(format);
        AppendWk1U16(m_record, column);
        AppendWk1U16(m_record, row);
    }

    void End() { m_out.Write(m_record); }

    CFlatOutput m_out;
    std::string m_record;
};

void WriteCell(CWk1Writer& sheet, unsigned column, unsigned row, const CItemColumnValue& value)
{
    if (!value.numeric)
        sheet.Label(column, row, value.text);
    else if (IsEvalValueValid(value.number))
        sheet.Number(column, row, value.number, value.decimals);
    // A numeric value that was never entered leaves its cell empty.
}

} // namespace

int ExportWk1(FlatFileJob& job)
{
    if (CountFlatExportRows(job) > kMaxRows)
        return FLAT_EXPORT_TOO_MANY_ROWS;
    CWk1Writer sheet(job.m_pFile);
    sheet.Bof();
    const auto names = FlatExportFieldNames(job);
    for (unsigned column = 0; column < names.size(); ++column)
        sheet.ColumnWidth(column, FlatFieldWidth(job.m_exportWidths, column));
    if (job.m_bLabels)
        for (unsigned column = 0; column < names.size(); ++column)
            sheet.Label(column, 0, names[column]);
    ForEachFlatExportRow(job, FlatNumbers::Cells, [&](const CFlatExportRow& row) {
        for (unsigned column = 0; column < row.m_values.size(); ++column)
            WriteCell(sheet, column, unsigned(row.m_iRow), row.m_values[column]);
    });
    return sheet.Finish();
}

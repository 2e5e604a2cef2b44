// Imports of the text formats: comma- and tab-separated fields, fixed columns, and the Data
// Interchange Format, whose rows are tuples from "BOT" to "-1,0" with each value a number
// ("0,<value>" and an indicator line) or a string ("1,0" and the quoted text).
#include "model/flat/FlatFormats.h"

#include "model/flat/FlatImport.h"
#include "model/flat/FlatImportState.h"
#include "model/text/TextUtil.h"

#include <algorithm>

namespace {

// The next line that holds anything: empty lines are no rows.
bool NextLine(FlatFileJob& job, CFlatRow& row, std::string_view& line, bool keepLeadingBlanks)
{
    CFlatLineReader& lines = job.ImportState().Lines();
    while (lines.Next(line, keepLeadingBlanks)) {
        if (TrimmedOfBlanks(line).empty())
            continue;
        row.Clear("line", lines.LineNumber());
        return true;
    }
    job.m_strError = lines.Error();
    return false;
}

// Only the columns up to the last that import uses need splitting.
std::size_t FieldsUpToTheLastUsed(std::span<const int32_t> ids)
{
    std::size_t count = ids.size();
    while (count > 0 && !CFlatRow::IsUsedField(ids[count - 1]))
        --count;
    return count;
}

bool ReadSeparatedRow(FlatFileJob& job, CFlatRow& row, char separator, bool quoted)
{
    std::string_view line;
    if (!NextLine(job, row, line, false))
        return false;
    const auto ids = ActiveFlatFields(job.m_importFields);
    const auto fields = job.ImportState().m_splitter.Split(line, separator, quoted, FieldsUpToTheLastUsed(ids));
    for (std::size_t i = 0; i < fields.size(); ++i)
        row.Refer(ids[i], fields[i]);
    return true;
}

bool ReadCsvRow(FlatFileJob& job, CFlatRow& row)
{
    return ReadSeparatedRow(job, row, ',', true);
}

bool ReadTabRow(FlatFileJob& job, CFlatRow& row)
{
    return ReadSeparatedRow(job, row, '\t', false);
}

// Columns are cut by position, so the blanks a line begins with are kept. A column past the end
// of a short line is blank.
bool ReadColRow(FlatFileJob& job, CFlatRow& row)
{
    std::string_view line;
    if (!NextLine(job, row, line, true))
        return false;
    const auto ids = ActiveFlatFields(job.m_importFields);
    std::size_t start = 0;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const std::size_t width = std::size_t(FlatFieldWidth(job.m_importWidths, i));
        row.Refer(ids[i], TrimmedOfBlanks(line.substr(std::min(start, line.size()), width)));
        start += width;
    }
    return true;
}

class CDifTupleReader {
public:
    CDifTupleReader(FlatFileJob& job, CFlatRow& row) : m_job(job), m_row(row), m_lines(job.ImportState().Lines()) {}

    bool Read()
    {
        if (!FindStart())
            return false;
        const auto ids = ActiveFlatFields(m_job.m_importFields);
        std::size_t next = 0;
        std::string_view line;
        for (;;) {
            if (!NextInTuple(line))
                return false;
            if (line == "-1,0")
                return true;
            std::string text;
            if (line.starts_with('0')) {
                const std::size_t comma = line.find(',');
                text = comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
                if (!NextInTuple(line)) // the value indicator ("V")
                    return false;
            } else if (line.starts_with('1')) {
                if (!NextInTuple(line))
                    return false;
                text = UnquoteField(line);
            } else {
                continue;
            }
            if (next < ids.size())
                m_row.Assign(ids[next++], text);
        }
    }

private:
    // Passes over the header up to the "BOT" that opens a tuple; false at "EOD" or the end.
    bool FindStart()
    {
        std::string_view line;
        while (m_lines.Next(line)) {
            if (line == "EOD")
                return false;
            if (line == "BOT") {
                m_start = m_lines.LineNumber();
                m_row.Clear("line", m_start);
                return true;
            }
        }
        m_job.m_strError = m_lines.Error();
        return false;
    }

    bool NextInTuple(std::string_view& line)
    {
        if (m_lines.Next(line))
            return true;
        m_job.m_strError = !m_lines.Error().empty()
                               ? m_lines.Error()
                               : "the file ends inside the row that begins at line " + std::to_string(m_start);
        return false;
    }

    FlatFileJob& m_job;
    CFlatRow& m_row;
    CFlatLineReader& m_lines;
    long m_start = 0;
};

bool ReadDifRow(FlatFileJob& job, CFlatRow& row)
{
    return CDifTupleReader(job, row).Read();
}

} // namespace

int ImportCsv(FlatFileJob& job)
{
    return ImportFlatRow(job, ReadCsvRow);
}

int ImportTab(FlatFileJob& job)
{
    return ImportFlatRow(job, ReadTabRow);
}

int ImportCol(FlatFileJob& job)
{
    return ImportFlatRow(job, ReadColRow);
}

int ImportDif(FlatFileJob& job)
{
    return ImportFlatRow(job, ReadDifRow);
}

int ImportNothing(FlatFileJob&)
{
    return FLAT_ROW_END;
}

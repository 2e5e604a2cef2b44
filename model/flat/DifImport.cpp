// Import of the Data Interchange Format: each row a tuple from "BOT" to "-1,0", each value a
// number ("0,<value>" and an indicator line) or a string ("1,0" and the quoted text).
#include "model/flat/FlatFormats.h"

#include "model/flat/FlatImport.h"
#include "model/flat/FlatImportState.h"
#include "model/text/TextUtil.h"

namespace {

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

int ImportDif(FlatFileJob& job)
{
    return ImportFlatRow(job, ReadDifRow);
}

// Exports of the line formats: comma- and tab-separated fields, and fixed columns. One line per
// item; a line break inside a field becomes a blank, so that every item stays one row.
#include "model/flat/FlatFormats.h"

#include "model/flat/FlatExportRows.h"
#include "model/flat/FlatOutput.h"
#include "model/text/TextUtil.h"

namespace {

using FieldEncoder = std::string (*)(std::string_view text);

std::string CsvField(std::string_view text)
{
    return QuoteCsvField(OnOneLine(text));
}

// Simplified CSV: always quoted, and nothing inside that needs quoting rules.
std::string Cs2Field(std::string_view text)
{
    std::string field = "\"";
    for (const char c : OnOneLine(text)) {
        if (c == ',')
            field += ' ';
        else if (c == '"')
            field += "''";
        else
            field += c;
    }
    return field + '"';
}

std::string TabField(std::string_view text)
{
    return OnOneLine(text, "\t");
}

int ExportSeparated(FlatFileJob& job, std::string_view separator, FieldEncoder encode, bool header)
{
    CFlatOutput out(job.m_pFile);
    if (header) {
        const auto names = FlatExportFieldNames(job);
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (i > 0)
                out.Write(separator);
            out.Write(names[i]);
        }
        out.EndLine();
    }
    ForEachFlatExportRow(job, [&](const CFlatExportRow& row) {
        for (std::size_t i = 0; i < row.m_values.size(); ++i) {
            if (i > 0)
                out.Write(separator);
            out.Write(encode(row.Text(i)));
        }
        out.EndLine();
    });
    return out.Finish();
}

} // namespace

int ExportCsv(FlatFileJob& job)
{
    return ExportSeparated(job, ",", CsvField, job.m_bLabels != 0);
}

int ExportCs2(FlatFileJob& job)
{
    return ExportSeparated(job, ",", Cs2Field, job.m_bLabels != 0);
}

// The tab-separated file always has its row of names.
int ExportTab(FlatFileJob& job)
{
    return ExportSeparated(job, "\t", TabField, true);
}

// Each field in exactly its width: cut when longer, padded with blanks when shorter.
int ExportCol(FlatFileJob& job)
{
    CFlatOutput out(job.m_pFile);
    ForEachFlatExportRow(job, [&](const CFlatExportRow& row) {
        for (std::size_t i = 0; i < row.m_values.size(); ++i) {
            const std::size_t width = std::size_t(FlatFieldWidth(job.m_exportWidths, i));
            std::string field = OnOneLine(row.Text(i).substr(0, width));
            field.resize(width, ' ');
            out.Write(field);
        }
        out.EndLine();
    });
    return out.Finish();
}

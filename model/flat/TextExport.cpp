// Exports of the text formats: comma- and tab-separated fields, fixed columns, and the Data
// Interchange Format. One line (or tuple) per item; a line break inside a field becomes a blank,
// so that every item stays one row.
#include "model/flat/FlatFormats.h"

#include "model/flat/FlatExport.h"
#include "model/text/TextUtil.h"

#include <array>
#include <initializer_list>
#include <string>

namespace {

// Writes one field's text as the format wants it.
using FieldWriter = void (*)(CFlatOutput& out, std::string_view text);

// The characters that make a field need care, as a table: this is asked of every field.
using CharacterSet = std::array<bool, 256>;

constexpr CharacterSet SetOf(std::string_view characters)
{
    CharacterSet set{};
    for (const char c : characters)
        set[static_cast<unsigned char>(c)] = true;
    return set;
}

constexpr CharacterSet kCsvSpecial = SetOf("\r\n\",");
constexpr CharacterSet kTabSpecial = SetOf("\r\n\t");

bool Holds(std::string_view text, const CharacterSet& set)
{
    for (const char c : text)
        if (set[static_cast<unsigned char>(c)])
            return true;
    return false;
}

void WriteCsvField(CFlatOutput& out, std::string_view text)
{
    if (Holds(text, kCsvSpecial))
        out.Write(QuoteCsvField(OnOneLine(text)));
    else
        out.Write(text);
}

// Simplified CSV: always quoted, and nothing inside that needs quoting rules.
void WriteCs2Field(CFlatOutput& out, std::string_view text)
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
    out.Write(field + '"');
}

void WriteTabField(CFlatOutput& out, std::string_view text)
{
    if (Holds(text, kTabSpecial))
        out.Write(OnOneLine(text, "\t"));
    else
        out.Write(text);
}

int ExportSeparated(FlatFileJob& job, std::string_view separator, FieldWriter writeField, bool header)
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
    ForEachFlatExportRow(job, FlatNumbers::Text, [&](const CFlatExportRow& row) {
        for (std::size_t i = 0; i < row.m_values.size(); ++i) {
            if (i > 0)
                out.Write(separator);
            writeField(out, row.Text(i));
        }
        out.EndLine();
    });
    return FinishFlatExport(job, out);
}

void WriteDifHeader(CFlatOutput& out, std::size_t fields, int items)
{
    const std::string vectors = "0," + std::to_string(fields);
    const std::string tuples = "0," + std::to_string(items);
    for (const std::string_view line : std::initializer_list<std::string_view>{
             "TABLE", "0,1", "\"\"", "VECTORS", vectors, "\"\"", "TUPLES", tuples, "\"\"", "DATA", "0,0", "\"\"", "-1,0"})
        out.WriteLine(line);
}

// The format has no way to escape a double quote inside a string: it becomes two single quotes.
std::string DifString(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : OnOneLine(text))
        if (c == '"')
            quoted += "''";
        else
            quoted += c;
    return quoted + '"';
}

void WriteDifValue(CFlatOutput& out, const CItemColumnValue& value, std::string_view text)
{
    if (value.numeric && !text.empty()) {
        out.Write("0,");
        out.WriteLine(text);
        out.WriteLine("V");
    } else {
        out.WriteLine("1,0");
        out.WriteLine(DifString(text));
    }
}

} // namespace

int ExportCsv(FlatFileJob& job)
{
    return ExportSeparated(job, ",", WriteCsvField, job.m_bLabels != 0);
}

int ExportCs2(FlatFileJob& job)
{
    return ExportSeparated(job, ",", WriteCs2Field, job.m_bLabels != 0);
}

// The tab-separated file always has its row of names.
int ExportTab(FlatFileJob& job)
{
    return ExportSeparated(job, "\t", WriteTabField, true);
}

// Each field in exactly its width: a text is cut when longer, and padded with blanks when shorter.
// A number or a line number cut would read back as another: one that does not fit fails the export.
int ExportCol(FlatFileJob& job)
{
    CFlatOutput out(job.m_pFile);
    ForEachFlatExportRow(job, FlatNumbers::Columns, [&](const CFlatExportRow& row) {
        for (std::size_t i = 0; i < row.m_values.size(); ++i) {
            const std::size_t width = std::size_t(FlatFieldWidth(job.m_exportWidths, i));
            std::string field = OnOneLine(row.Text(i).substr(0, width));
            field.resize(width, ' ');
            out.Write(field);
        }
        out.EndLine();
    });
    return FinishFlatExport(job, out);
}

int ExportDif(FlatFileJob& job)
{
    CFlatOutput out(job.m_pFile);
    WriteDifHeader(out, ActiveFlatFields(job.m_exportFields).size(), CountFlatExportRows(job));
    ForEachFlatExportRow(job, FlatNumbers::Text, [&](const CFlatExportRow& row) {
        out.WriteLine("BOT");
        for (std::size_t i = 0; i < row.m_values.size(); ++i)
            WriteDifValue(out, row.m_values[i], row.Text(i));
        out.WriteLine("-1,0");
    });
    out.WriteLine("EOD");
    return FinishFlatExport(job, out);
}

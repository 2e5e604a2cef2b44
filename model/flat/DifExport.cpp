// Export in the Data Interchange Format: a header, then one tuple per item, each value a number
// or a string.
#include "model/flat/FlatFormats.h"

#include "model/flat/FlatExportRows.h"
#include "model/flat/FlatOutput.h"

#include <string>

namespace {

void WriteHeader(CFlatOutput& out, std::size_t fields, int items)
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

void WriteValue(CFlatOutput& out, const CItemColumnValue& value, std::string_view text)
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

int ExportDif(FlatFileJob& job)
{
    CFlatOutput out(job.m_pFile);
    WriteHeader(out, ActiveFlatFields(job.m_exportFields).size(), CountFlatExportRows(job));
    ForEachFlatExportRow(job, [&](const CFlatExportRow& row) {
        out.WriteLine("BOT");
        for (std::size_t i = 0; i < row.m_values.size(); ++i)
            WriteValue(out, row.m_values[i], row.Text(i));
        out.WriteLine("-1,0");
    });
    out.WriteLine("EOD");
    return out.Finish();
}

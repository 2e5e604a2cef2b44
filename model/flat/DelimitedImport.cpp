// Imports of the line formats: comma- and tab-separated fields, and fixed columns.
#include "model/flat/FlatFormats.h"

#include "model/flat/FlatImport.h"
#include "model/flat/FlatImportState.h"
#include "model/text/TextUtil.h"

namespace {

// The next line that holds anything: empty lines are no rows.
bool NextLine(FlatFileJob& job, CFlatRow& row, std::string& line, bool keepLeadingBlanks)
{
    CFlatLineReader& lines = job.ImportState().Lines();
    while (lines.Next(line, keepLeadingBlanks)) {
        if (IsBlankString(line))
            continue;
        row.Clear("line " + std::to_string(lines.LineNumber()));
        return true;
    }
    job.m_strError = lines.Error();
    return false;
}

bool ReadSeparatedRow(FlatFileJob& job, CFlatRow& row, std::string_view separator, bool quoted)
{
    std::string line;
    if (!NextLine(job, row, line, false))
        return false;
    const std::vector<std::string> fields = SplitToList(line, separator, quoted, true);
    const auto ids = ActiveFlatFields(job.m_importFields);
    for (std::size_t i = 0; i < fields.size() && i < ids.size(); ++i)
        row.Assign(ids[i], CFlatValue{fields[i], std::nullopt});
    return true;
}

bool ReadCsvRow(FlatFileJob& job, CFlatRow& row)
{
    return ReadSeparatedRow(job, row, ",", true);
}

bool ReadTabRow(FlatFileJob& job, CFlatRow& row)
{
    return ReadSeparatedRow(job, row, "\t", false);
}

// Columns are cut by position, so the blanks a line begins with are kept. A column past the end
// of a short line is blank.
bool ReadColRow(FlatFileJob& job, CFlatRow& row)
{
    std::string line;
    if (!NextLine(job, row, line, true))
        return false;
    const auto ids = ActiveFlatFields(job.m_importFields);
    std::size_t start = 0;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const std::size_t width = std::size_t(FlatFieldWidth(job.m_importWidths, i));
        std::string slice = start < line.size() ? line.substr(start, width) : std::string();
        TrimLeftChars(slice, " \t");
        TrimRightChars(slice, " \t");
        row.Assign(ids[i], CFlatValue{std::move(slice), std::nullopt});
        start += width;
    }
    return true;
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

int ImportNothing(FlatFileJob&)
{
    return FLAT_ROW_END;
}

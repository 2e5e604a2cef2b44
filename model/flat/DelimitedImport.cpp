// Imports of the line formats: comma- and tab-separated fields, and fixed columns.
#include "model/flat/FlatFormats.h"

#include "model/flat/FlatFieldSplit.h"
#include "model/flat/FlatImport.h"
#include "model/flat/FlatImportState.h"
#include "model/text/TextUtil.h"

namespace {

// The next line that holds anything: empty lines are no rows.
bool NextLine(FlatFileJob& job, CFlatRow& row, std::string_view& line, bool keepLeadingBlanks)
{
    CFlatLineReader& lines = job.ImportState().Lines();
    while (lines.Next(line, keepLeadingBlanks)) {
        if (IsBlankString(line))
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
    std::size_t count = 0;
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (CFlatRow::IsUsedField(ids[i]))
            count = i + 1;
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
        row.Assign(ids[i], fields[i]);
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
        std::string_view slice = line.substr(std::min(start, line.size()), width);
        slice.remove_prefix(std::min(slice.find_first_not_of(" \t"), slice.size()));
        slice.remove_suffix(slice.size() - std::min(slice.find_last_not_of(" \t") + 1, slice.size()));
        row.Assign(ids[i], slice);
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

// Import of a 1-2-3 worksheet: the cells of one worksheet row make one row.
#include "model/flat/FlatFormats.h"

#include "model/flat/FlatImport.h"
#include "model/flat/FlatImportState.h"
#include "model/records/ItemColumns.h"

#include <cmath>
#include <cstdio>

namespace {

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

CFlatValue ValueOf(const CWk1Cell& cell, int fieldId)
{
    if (!cell.m_number)
        return CFlatValue{cell.m_strText, std::nullopt};
    if (fieldId == ITEM_COL_LINE_NUMBER)
        return CFlatValue{LineNumberText(*cell.m_number), std::nullopt};
    return CFlatValue{std::string(), cell.m_number};
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
            row.Clear("row " + std::to_string(current + 1));
        }
        if (cell.m_column < ids.size())
            row.Assign(ids[cell.m_column], ValueOf(cell, ids[cell.m_column]));
    }
    // The last row ends with the file; a damaged record loses the row it is in.
    job.m_strError = cells.Error();
    return started && job.m_strError.empty();
}

} // namespace

int ImportWk1(FlatFileJob& job)
{
    return ImportFlatRow(job, ReadWk1Row);
}

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

int ImportWk1(FlatFileJob& job)
{
    return ImportFlatRow(job, ReadWk1Row);
}

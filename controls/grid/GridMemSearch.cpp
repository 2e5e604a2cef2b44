// Text search through the cells kept in memory, for the grid's Find dialog.
#include <string>

#include "controls/grid/GridCell.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridMem.h"
#include "controls/grid/text/GridText.h"

namespace {

constexpr int kPartial = 1;
constexpr int kIgnoreCase = 2;
constexpr int kBackwards = 4;
constexpr int kAllColumns = 8;
constexpr int kFound = 0;
constexpr int kNotFound = 1;

}  // namespace

int CGridMem::RowCountForSearch() const
{
    return GetGrid() ? GetGrid()->GetRowCount() : m_lastRow + 1;
}

int CGridMem::ColumnCountForSearch() const
{
    return GetGrid() ? GetGrid()->GetColumnCount() : 0;
}

int CGridMem::FindFirst(const std::string& text, int* column, int* row, int flags)
{
    if (!column || !row)
        return kNotFound;
    if (flags & kAllColumns) {
        *column = -1;
        *row = 0;
    } else {
        *row = -1;
    }
    return FindNext(text, column, row, flags);
}

// One step of the search; true when the step went on to another row.
bool CGridMem::StepSearch(int& column, int& row, int flags, int rows, int columns) const
{
    const bool back = flags & kBackwards;
    if (flags & kAllColumns) {
        column += back ? -1 : 1;
        if (column >= 0 && column < columns)
            return false;
        column = back ? columns - 1 : 0;
    }
    row += back ? -1 : 1;
    if (row >= rows)
        row = 0;
    else if (row < 0)
        row = rows - 1;
    return true;
}

bool CGridMem::Matches(int column, int row, const std::string& needle, int flags) const
{
    const CGridCell* cell = StoredCell(FindRow(row), column);
    if (!cell || cell->GetTextLength() == 0)
        return false;
    const std::string text = (flags & kIgnoreCase) ? gridtext::UpperCase(cell->GetText()) : cell->GetText();
    return (flags & kPartial) ? text.find(needle) != std::string::npos : text == needle;
}

int CGridMem::FindNext(const std::string& text, int* column, int* row, int flags)
{
    const int rows = RowCountForSearch();
    const int columns = ColumnCountForSearch();
    if (!column || !row || rows <= 0 || ((flags & kAllColumns) && columns <= 0))
        return kNotFound;
    // A start outside the sheet begins just before its first row (after its last, backwards).
    int c = *column;
    int r = *row;
    if (r < -1 || r >= rows)
        r = (flags & kBackwards) ? rows : -1;
    if ((flags & kAllColumns) && (c < -1 || c > columns))
        c = -1;
    const std::string needle = (flags & kIgnoreCase) ? gridtext::UpperCase(text) : text;
    StepSearch(c, r, flags, rows, columns);
    for (long long visited = 0; visited <= rows;) {
        if (Matches(c, r, needle, flags)) {
            *column = c;
            *row = r;
            return kFound;
        }
        if (StepSearch(c, r, flags, rows, columns))
            ++visited;
    }
    return kNotFound;
}

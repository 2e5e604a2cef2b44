// Find and replace: the Find dialog over the grid searches through the default data source
// from the current cell, and may replace the text of the cells it finds.
#include <set>
#include <utility>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridDataSource.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/dialogs/FindReplaceDialog.h"
#include "platform/ui/dialogs/ModalServices.h"

namespace {

constexpr int kPartial = 1;
constexpr int kIgnoreCase = 2;
constexpr int kBackwards = 4;
constexpr int kAllColumns = 8;

}  // namespace

CFindReplaceDialog* CGridCtrl::GetFindDialog() const
{
    return m_findDialog.get();
}

bool CGridCtrl::IsFindDialogOpen() const
{
    return m_findDialog && m_findDialog->IsWindow();
}

int CGridCtrl::OpenFindDialog(int replace, int allColumns)
{
    if (IsFindDialogOpen())
        return 1;
    m_findAllColumns = allColumns ? 1 : 0;
    std::string current;
    if (GetCurrentColumn() >= 0 && GetCurrentRow() >= 0)
        QuickGetText(GetCurrentColumn(), GetCurrentRow(), &current);
    m_findDialog = std::make_unique<CFindReplaceDialog>();
    return m_findDialog->Create(!replace, current.c_str(), nullptr, FR_DOWN, this) ? 0 : 1;
}

int CGridCtrl::GridColumnOfMapped(int mapped) const
{
    const auto& columns = GetGridInfo()->m_columns;
    for (std::size_t c = 0; c < columns.size(); ++c)
        if (columns[c].m_mappedColumn == mapped)
            return static_cast<int>(c);
    return mapped;
}

// The next match after the current cell; 0 with its grid cell, 1 when there is none.
int CGridCtrl::FindNextMatch(const std::string& find, int flags, int* column, int* row)
{
    CGridInfo* info = GetGridInfo();
    int c = MapColumn(info->m_currentColumn);
    int r = info->m_currentRow;
    if (info->m_defaultSource->FindNext(find, &c, &r, flags) != 0)
        return 1;
    *column = GridColumnOfMapped(c);
    *row = r;
    return *column >= 0 && *column < info->m_columnCount && *row >= 0 && *row < info->m_rowCount ? 0 : 1;
}

void CGridCtrl::ReplaceAllMatches(const std::string& find, const std::string& replace, int flags)
{
    // Once a cell comes round again the search has wrapped: every match has been replaced.
    std::set<std::pair<int, int>> replaced;
    int column = 0, row = 0;
    while (FindNextMatch(find, flags, &column, &row) == 0 && replaced.insert({column, row}).second) {
        if (GotoCell(column, row) != 0)
            break;
        QuickSetText(column, row, replace.c_str());
        RedrawCell(column, row);
    }
}

LRESULT CGridCtrl::OnFindReplace(CFindReplaceDialog* dialog)
{
    if (!dialog || dialog != m_findDialog.get() || !dialog->IsWindow())
        return 0;
    if (dialog->IsTerminating()) {
        m_findAllColumns = 0;
        m_cellArea->Invalidate(false);
        return 1;
    }
    const int flags = (dialog->MatchCase() ? 0 : kIgnoreCase) | (dialog->MatchWholeWord() ? 0 : kPartial) |
                      (dialog->SearchDown() ? 0 : kBackwards) | (m_findAllColumns ? kAllColumns : 0);
    const std::string find = dialog->GetFindString();
    const std::string replace = dialog->GetReplaceString();
    const int column = GetCurrentColumn();
    const int row = GetCurrentRow();
    if (dialog->ReplaceCurrent() && column >= 0 && row >= 0) {
        QuickSetText(column, row, replace.c_str());
        RedrawCell(column, row);
    }
    // Replacing a text by itself, or by one that holds it, would never end.
    const bool endless = find == replace || ((flags & kPartial) && replace.find(find) != std::string::npos);
    if (dialog->ReplaceAll() && !endless)
        ReplaceAllMatches(find, replace, flags);
    int foundColumn = 0, foundRow = 0;
    if (FindNextMatch(find, flags, &foundColumn, &foundRow) != 0)
        ZodMessageBox("Item not found", "Not Found");
    else
        GotoCell(foundColumn, foundRow);
    return 1;
}

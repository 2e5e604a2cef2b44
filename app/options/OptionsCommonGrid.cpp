#include "app/options/OptionsCommonGrid.h"

#include "controls/grid/GridInfo.h"
#include "model/text/TextUtil.h"
#include "platform/ui/dialogs/PropertySheet.h"

#include <algorithm>

namespace {

constexpr int kSideHeadingWidth = 20;
constexpr int kScrollModeAlways = 1;
constexpr int kNo = 0;
// The grid's alignment flag for text centred between the top and bottom of its cell.
constexpr short kTextMiddle = 0x20;

} // namespace

void COptionsCommonGrid::OnGridSetup()
{
    CGridCtrl::OnGridSetup();
    SetDefaultFont(AddFont("MS Sans Serif", 12, 500));
    SetUniformRowHeight(1);
    SetSideHeadingWidth(kSideHeadingWidth);
    SetVScrollMode(kScrollModeAlways);
    SetHScrollMode(kScrollModeAlways);
    SetMultiSelectMode(0);
    SetHScrollHeight(0);
    GetGridInfo()->m_columnDefaultCell.SetAlignment(kTextMiddle);
}

void COptionsCommonGrid::SetColumns(const std::vector<std::pair<const char*, int>>& columns)
{
    SetColumnCount(int(columns.size()), 0);
    for (int column = 0; column < int(columns.size()); ++column) {
        QuickSetText(column, -1, columns[std::size_t(column)].first);
        SetColumnWidth(column, columns[std::size_t(column)].second);
    }
    FitColumns();
}

std::vector<std::string> COptionsCommonGrid::RowTexts(int row)
{
    std::vector<std::string> texts(std::size_t(std::max(0, GetColumnCount())));
    for (int column = 0; column < int(texts.size()); ++column) {
        std::string& text = texts[std::size_t(column)];
        QuickGetText(column, row, &text);
        TrimLeftChars(text, " \t");
        TrimRightChars(text, " \t");
    }
    return texts;
}

void COptionsCommonGrid::SetRowTexts(int row, const std::vector<std::string>& texts)
{
    const int columns = std::min(GetColumnCount(), int(texts.size()));
    for (int column = 0; column < columns; ++column)
        QuickSetText(column, row, texts[std::size_t(column)].c_str());
}

void COptionsCommonGrid::FillRows(const std::vector<std::vector<std::string>>& rows, int minimumRows)
{
    SetRowCount(std::max(minimumRows, int(rows.size())), 0);
    const std::vector<std::string> empty(std::size_t(std::max(0, GetColumnCount())));
    for (int row = 0; row < GetRowCount(); ++row)
        SetRowTexts(row, row < int(rows.size()) ? rows[std::size_t(row)] : empty);
    RowCountChanged();
}

void COptionsCommonGrid::FinishEdit()
{
    if (CWnd* editor = IsEditing() ? GetActiveEditor() : nullptr)
        EditCtrlFinished(editor->GetWindowText(), 0, 0, GetEditColumn(), GetEditRow());
}

void COptionsCommonGrid::InsertRowAtCurrent()
{
    const int row = std::max(0, GetCurrentRow());
    if (InsertRow(row) != 0)
        return;
    RowCountChanged();
    GotoCell(0, row);
}

void COptionsCommonGrid::DeleteCurrentRow()
{
    const int row = GetCurrentRow();
    if (row < 0 || DeleteRow(row) != 0)
        return;
    RowCountChanged();
    if (GetRowCount() > 0)
        GotoCell(std::max(0, GetCurrentColumn()), std::min(row, GetRowCount() - 1));
}

void COptionsCommonGrid::MoveCurrentRow(int direction)
{
    const int row = GetCurrentRow();
    const int other = row + direction;
    if (row < 0 || other < 0 || other >= GetRowCount())
        return;
    CGridCell here;
    CGridCell there;
    for (int column = 0; column < GetColumnCount(); ++column) {
        GetCell(column, row, &here);
        GetCell(column, other, &there);
        SetCell(column, row, &there);
        SetCell(column, other, &here);
    }
    GotoCell(std::max(0, GetCurrentColumn()), other);
    RedrawAll();
}

int COptionsCommonGrid::OnCanSizeColumn(int) { return kNo; }
int COptionsCommonGrid::OnCanSizeRow(int) { return kNo; }
int COptionsCommonGrid::OnCanSizeTopHeading() { return kNo; }
int COptionsCommonGrid::OnCanSizeSideHeading() { return kNo; }

void COptionsCommonGrid::OnRowHeadingLeftClick(int, int row, int down, RECT*, POINT*, int)
{
    if (!down || row < 0)
        return;
    ClearSelections();
    GotoCell(std::max(0, GetCurrentColumn()), row);
}

void COptionsCommonGrid::OnCellDoubleClick(int, int, RECT*, POINT*, int)
{
    if (m_bEditable)
        StartEditCurrent();
}

void COptionsCommonGrid::OnGridChar(UINT* key, int processed)
{
    // Control characters move or do nothing; a printable one begins the edit with itself.
    if (m_bEditable && !processed && *key >= ' ')
        StartEditCurrentWithKey(int(*key));
}

int COptionsCommonGrid::OnEditEnd(int, int, CWnd*, const std::string&, int cancelled)
{
    if (!cancelled)
        if (CPropertyPage* page = OwnerPage())
            page->SetModified();
    return 1;
}

void COptionsCommonGrid::OnSize(UINT type, int cx, int cy)
{
    CGridCtrl::OnSize(type, cx, cy);
    FitColumns();
}

CPropertyPage* COptionsCommonGrid::OwnerPage() const
{
    return dynamic_cast<CPropertyPage*>(GetParent());
}

void COptionsCommonGrid::RowCountChanged()
{
    // The vertical bar may have come or gone, and with it part of the width.
    RecalcLayout();
    FitColumns();
}

void COptionsCommonGrid::FitColumns()
{
    if (GetColumnCount() > 0)
        FitColumnsToWidth(0, GetColumnCount() - 1);
}

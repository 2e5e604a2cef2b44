// Editing in place: the editor is put over the cell, and when it ends the text is stored
// through the data source and editing may go on in the next cell. The data source is asked
// first and the hook second at every step.
#include <algorithm>
#include <utility>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridDataSource.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridRedrawList.h"
#include "controls/grid/GridSections.h"

namespace {
constexpr int kOpened = 0;
constexpr int kRefused = 1;
constexpr int kNotCurrent = 2;
}  // namespace

CWnd* CGridCtrl::SectionOfCell(int column, int row) const
{
    if (column < 0)
        return m_sideHeading.get();
    if (row < 0)
        return m_topHeading.get();
    return m_cellArea.get();
}

int CGridCtrl::StartEditCurrent()
{
    return StartEdit(GetCurrentColumn(), GetCurrentRow(), 0);
}

int CGridCtrl::StartEditCurrentWithKey(int key)
{
    return StartEdit(GetCurrentColumn(), GetCurrentRow(), key);
}

int CGridCtrl::StartEdit(int column, int row, int key)
{
    CGridInfo* info = GetGridInfo();
    // One edit at a time; and only cells the sheet has.
    if (m_editing || column < -info->m_sideHeadingColumnCount || column >= info->m_columnCount ||
        row < -info->m_topHeadingRowCount || row >= info->m_rowCount)
        return kRefused;
    m_editing = 1;
    ClearSelections();
    if ((column != info->m_currentColumn || row != info->m_currentRow) && GotoCell(column, row) != 0) {
        m_editing = 0;
        return kNotCurrent;
    }
    // GotoCell lands on the origin of a joined block.
    column = column >= 0 && row >= 0 ? info->m_currentColumn : column;
    row = column >= 0 && row >= 0 ? info->m_currentRow : row;
    m_editColumn = column;
    m_editRow = row;
    GetCell(column, row, &m_editCell);
    if (m_editCell.GetReadOnly()) {
        m_editing = 0;
        return kRefused;
    }
    CWnd* editor = info->m_editor;
    const char* text = m_editCell.GetText();
    if (editor)
        editor->SetWindowText(text ? text : "");
    if (info->m_defaultSource->OnEditBegin(column, row, &editor) == 0 || OnEditBegin(column, row, &editor) == 0 ||
        !editor || PlaceEditor(editor, column, row) != 0) {
        m_editing = 0;
        return kRefused;
    }
    editor->SetWindowText(text ? text : "");
    editor->SetFocus();
    if (key > 0)
        editor->SendMessage(WM_CHAR, static_cast<WPARAM>(key));
    return kOpened;
}

// Puts the editor over the cell, inside the section that shows it, with the cell's font.
int CGridCtrl::PlaceEditor(CWnd* editor, int column, int row)
{
    CWnd* section = SectionOfCell(column, row);
    CRect rect;
    int c = column, r = row;
    if (!editor->IsWindow() || !section->IsWindow() || GetCellRect(&c, &r, &rect) != 0)
        return 1;
    rect.right -= 1;
    rect.bottom -= 1;
    GetCellType(m_editCell.GetCellType())->AdjustTextRect(&rect);
    CFont* font = m_editCell.GetFont() ? m_editCell.GetFont() : GetGridInfo()->m_defaultFont;
    if (font)
        editor->SetFont(font, false);
    if (editor->GetParent() != section)
        editor->SetParent(section);
    m_activeEditor = editor;
    m_editSection = section;
    editor->SetWindowPos(HWND_TOP, rect.left, rect.top, rect.Width(), rect.Height(), SWP_SHOWWINDOW);
    return 0;
}

int CGridCtrl::EditCtrlFinished(const std::string& text, int cancelled, int continueEditing, int nextColumn,
                                int nextRow)
{
    CGridInfo* info = GetGridInfo();
    if (!m_editing)
        cancelled = 1;
    CWnd* editor = m_activeEditor;
    const int column = m_editColumn;
    const int row = m_editRow;
    if (info->m_defaultSource->OnEditEnd(column, row, editor, text, cancelled) != 1 ||
        !OnEditEnd(column, row, editor, text, cancelled))
        return m_editing ? 0 : 1;
    const bool wasEditing = m_editing != 0;
    CloseEditor();
    if (!wasEditing)
        return 1;
    if (!cancelled) {
        QuickSetText(column, row, text.c_str());
        RedrawCell(column, row);
    }
    if (continueEditing && m_editSection == m_cellArea.get())
        ContinueEditing(nextColumn, nextRow);
    return 1;
}

void CGridCtrl::ContinueEditing(int nextColumn, int nextRow)
{
    CGridInfo* info = GetGridInfo();
    if (info->m_columnCount == 0 || info->m_rowCount == 0)
        return;
    // Stepping out of a joined block goes past its far edge.
    GridRange block{m_editColumn, m_editRow, m_editColumn, m_editRow};
    GetJoinBlock(m_editColumn, m_editRow, &block);
    if (nextColumn > m_editColumn)
        nextColumn = std::max(nextColumn, block.endColumn + 1);
    if (nextRow > m_editRow)
        nextRow = std::max(nextRow, block.endRow + 1);
    if (nextColumn < 0)
        nextColumn = info->m_columnCount - 1;
    else if (nextColumn >= info->m_columnCount)
        nextColumn = 0;
    if (nextRow < 0)
        nextRow = info->m_rowCount - 1;
    else if (nextRow >= info->m_rowCount)
        nextRow = 0;
    if (info->m_defaultSource->OnEditNextCell(m_editColumn, m_editRow, &nextColumn, &nextRow) != 1 ||
        !OnEditNextCell(m_editColumn, m_editRow, &nextColumn, &nextRow))
        return;
    StartEdit(nextColumn, nextRow, 0);
}

void CGridCtrl::CloseEditor()
{
    m_editing = 0;
    CWnd* editor = std::exchange(m_activeEditor, nullptr);
    if (editor && editor->IsWindow())
        editor->ShowWindow(SW_HIDE);
}

// The edit stays with its row's data: it moves with the rows, and ends with its row, so the
// text typed never lands in a row that took the edited one's place.
void CGridCtrl::FollowRowsWithEdit(int row, int shift)
{
    if (!m_editing || m_editRow < row)
        return;
    if (shift < 0 && m_editRow == row) {
        AbandonEdit();
        return;
    }
    m_editRow += shift;
    if (m_editColumn >= 0) {
        // While an edit is open its cell is the current cell.
        CGridInfo* info = GetGridInfo();
        info->m_currentRow = info->m_targetRow = m_editRow;
    }
    if (m_activeEditor)
        PlaceEditor(m_activeEditor, m_editColumn, m_editRow);
}

// The row being edited is gone: the edit ends as cancelled. The source and the hook hear of
// it, but cannot keep an edit whose cell no longer exists.
void CGridCtrl::AbandonEdit()
{
    CWnd* editor = m_activeEditor;
    const std::string text = editor ? editor->GetWindowText() : std::string();
    GetGridInfo()->m_defaultSource->OnEditEnd(m_editColumn, m_editRow, editor, text, 1);
    OnEditEnd(m_editColumn, m_editRow, editor, text, 1);
    // No longer editing before the focus leaves the editor: leaving then stores nothing.
    m_editing = 0;
    if (editor && CWnd::GetFocus() == editor)
        m_cellArea->SetFocus();
    CloseEditor();
}

// What every in-place editor does: its keys leave the edit for a neighbouring cell or cancel
// it, and losing the focus hands the text to the control.
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridEdit.h"
#include "platform/ui/window/VirtualKeys.h"

namespace {

constexpr UINT kTab = 9;
constexpr UINT kEnter = 13;
constexpr UINT kEscape = 27;

}  // namespace

void CGridCellEditor::OnSetFocus(CWnd* losing)
{
    m_cancelled = 0;
    m_continue = 0;
    SetSel(0, -1);
    ScrollCaret();
    CEdit::OnSetFocus(losing);
}

void CGridCellEditor::Leave(int continueEditing, int columnStep, int rowStep)
{
    m_continue = continueEditing;
    if (m_grid) {
        m_nextColumn = m_grid->GetEditColumn() + columnStep;
        m_nextRow = m_grid->GetEditRow() + rowStep;
        m_grid->SetFocus();
    }
}

void CGridCellEditor::OnKeyDown(UINT key, UINT repeatCount, UINT flags)
{
    switch (key) {
    case VK_TAB: Leave(1, GetKeyState(VK_SHIFT) < 0 ? -1 : 1, 0); return;
    case VK_RETURN: Leave(1, 0, 1); return;
    case VK_ESCAPE:
        m_cancelled = 1;
        Leave(0, 0, 0);
        return;
    case VK_UP:
    case VK_DOWN:
        if (!KeepsUpAndDown()) {
            Leave(1, 0, key == VK_UP ? -1 : 1);
            return;
        }
        break;
    default: break;
    }
    CEdit::OnKeyDown(key, repeatCount, flags);
}

void CGridCellEditor::OnChar(UINT key, UINT repeatCount, UINT flags)
{
    const UINT typed = key;
    if (!AcceptsChar(&key))
        return;
    if (m_grid && !m_grid->OnEditKey(m_grid->GetEditColumn(), m_grid->GetEditRow(), this, &key))
        return;
    // These were handled as keys.
    if (key == kTab || key == kEnter || key == kEscape || key == 0)
        return;
    if (key != typed && key >= ' ') {
        ReplaceSel(std::string(1, static_cast<char>(key)));
        return;
    }
    CEdit::OnChar(key, repeatCount, flags);
}

UINT CGridCellEditor::OnGetDlgCode()
{
    if (GetKeyState(VK_TAB) < 0)
        return DLGC_WANTTAB;
    if (GetKeyState(VK_RETURN) < 0 || GetKeyState(VK_ESCAPE) < 0)
        return DLGC_WANTALLKEYS;
    return CEdit::OnGetDlgCode();
}

void CGridCellEditor::OnKillFocus(CWnd* gaining)
{
    CEdit::OnKillFocus(gaining);
    // Focus that goes to no window (another program) cancels the edit.
    if (!gaining || !gaining->IsWindow())
        m_cancelled = 1;
    if (!m_grid || !m_grid->IsEditing())
        return;
    if (m_grid->EditCtrlFinished(GetWindowText(), m_cancelled, m_continue, m_nextColumn, m_nextRow) != 0)
        return;
    // Refused: the edit goes on where it was.
    m_grid->GotoCell(m_grid->GetEditColumn(), m_grid->GetEditRow());
    SetCapture();
    ReleaseCapture();
    SetFocus();
}

// The control's own editor grows with its text: first to the right, cell by cell, then
// downwards over the cells below, within the window that holds it.
#include "controls/grid/GridEdit.h"

#include <QPlainTextEdit>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "platform/ui/draw/DC.h"

namespace {
// Room for the next word, as the user types it.
constexpr const char* kTypingRoom = " X X";
constexpr int kTextInset = 2;
}  // namespace

void CGridEdit::ConnectWidget()
{
    CGridCellEditor::ConnectWidget();
    // A cell editor shows its text flush in the cell, without scroll bars, and sizes itself.
    if (auto* edit = qobject_cast<QPlainTextEdit*>(GetWidget())) {
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->document()->setDocumentMargin(1);
        QObject::connect(edit, &QPlainTextEdit::textChanged, Context(), Guard([this] { AutoSize(); }));
    }
}

bool CGridEdit::HasGrown() const
{
    CRect client;
    GetClientRect(&client);
    return client.Height() > m_startHeight;
}

void CGridEdit::OnSetFocus(CWnd* losing)
{
    CRect client;
    GetClientRect(&client);
    m_startHeight = client.Height();
    AutoSize();
    CGridCellEditor::OnSetFocus(losing);
}

// The right edge when the text runs past the editor: the end of the cell the text reaches.
int CGridEdit::GrownRight(const CRect& editor, const CRect& measured, const CRect& holder) const
{
    if (measured.right <= editor.right)
        return editor.right;
    int column = -1, row = -1;
    CRect cell;
    const bool inCells = m_grid && GetParent() == static_cast<CWnd*>(m_grid->GetCellArea());
    if (inCells && m_grid->GetCellFromPoint(measured.right + 1, editor.top + 1, &column, &row, &cell) == 0)
        return std::min<int>(cell.right, holder.right) - 1;
    return holder.right - 1;
}

// The bottom edge when the text runs past it: the end of the cell below that it reaches.
int CGridEdit::GrownBottom(const CRect& editor, const CRect& measured, const CRect& holder) const
{
    int column = -1, row = -1;
    CRect cell;
    const bool inCells = m_grid && GetParent() == static_cast<CWnd*>(m_grid->GetCellArea());
    if (inCells && m_grid->GetCellFromPoint(editor.left + 1, measured.bottom + 1, &column, &row, &cell) == 0)
        return cell.bottom - 1;
    return holder.bottom - 1;
}

void CGridEdit::AutoSize()
{
    CWnd* holder = GetParent();
    if (!m_autoSize || !holder || !IsWindow() || !IsWindowVisible())
        return;
    CRect editor;
    GetWindowRect(&editor);
    holder->ScreenToClient(&editor);
    CRect area;
    holder->GetClientRect(&area);
    CDC dc;
    dc.SelectObject(GetFont());
    CRect measured(editor.left + kTextInset, editor.top, area.right, editor.top);
    dc.DrawText(GetWindowText() + kTypingRoom, &measured, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    measured.bottom = std::min<int>(measured.bottom, area.bottom - 1);
    CRect grown = editor;
    grown.right = GrownRight(editor, measured, area);
    if (measured.bottom > editor.bottom) {
        grown.right = area.right;
        grown.bottom = GrownBottom(editor, measured, area);
    }
    grown.bottom = std::max<int>(std::min<int>(grown.bottom, area.bottom - 1), editor.bottom);
    grown.right = std::max<int>(grown.right, editor.right);
    if (grown == editor)
        return;
    MoveWindow(&grown);
    // The cells under the editor need no painting.
    holder->ValidateRect(&grown);
}

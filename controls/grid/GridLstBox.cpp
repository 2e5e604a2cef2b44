#include "controls/grid/GridLstBox.h"

#include <QAbstractScrollArea>

#include "controls/grid/GridCellType.h"
#include "controls/grid/GridCtrl.h"
#include "platform/ui/window/VirtualKeys.h"

void CGridLstBox::ConnectWidget()
{
    CListBox::ConnectWidget();
    // The lines are clicked on the list's viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(GetWidget()))
        ForwardInputOf(area->viewport());
}

void CGridLstBox::OnSetFocus(CWnd* losing)
{
    CListBox::OnSetFocus(losing);
    m_hasFocus = true;
    m_chosen = false;
}

void CGridLstBox::OnKillFocus(CWnd* gaining)
{
    CListBox::OnKillFocus(gaining);
    m_hasFocus = false;
    // Gone from sight at once; the window itself goes once the focus change is over.
    ShowWindow(SW_HIDE);
    PostMessage(WM_CLOSE);
    m_type.ListClosed(m_chosen);
}

void CGridLstBox::ChooseSelected()
{
    const int selected = GetCurSel();
    if (selected < 0)
        return;
    m_chosen = true;
    m_type.Choose(GetText(selected));
}

void CGridLstBox::Close()
{
    if (CGridCtrl* grid = m_type.GetGrid())
        grid->SetFocus();
}

void CGridLstBox::OnLButtonUp(UINT flags, CPoint point)
{
    CListBox::OnLButtonUp(flags, point);
    if (GetCurSel() >= 0)
        ChooseSelected();
}

void CGridLstBox::OnKeyDown(UINT key, UINT repeatCount, UINT flags)
{
    if (key == VK_RETURN && GetCurSel() >= 0) {
        ChooseSelected();
        return;
    }
    if (key == VK_RETURN || key == VK_ESCAPE) {
        Close();
        return;
    }
    CListBox::OnKeyDown(key, repeatCount, flags);
}

UINT CGridLstBox::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

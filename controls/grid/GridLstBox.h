#pragma once
// The list a drop-list cell opens under itself. It ends as soon as it loses the focus; a
// click or Enter on a line chooses it.
#include "platform/ui/controls/ListBox.h"

class CGridDropListType;

class CGridLstBox : public CListBox {
public:
    explicit CGridLstBox(CGridDropListType& type) : m_type(type) {}

    bool HasFocus() const { return m_hasFocus; }

    void OnSetFocus(CWnd* losing) override;
    void OnKillFocus(CWnd* gaining) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeatCount, UINT flags) override;
    UINT OnGetDlgCode() override;

protected:
    void ConnectWidget() override;

private:
    void ChooseSelected();
    void Close();

    CGridDropListType& m_type;
    bool m_hasFocus = false;
    bool m_chosen = false;
};

#pragma once

// Push buttons, check boxes, radio buttons and group boxes. Radio buttons form groups the
// Windows way: a group starts at a button with WS_GROUP and runs to the next one.
#include "platform/ui/window/Wnd.h"

constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
constexpr DWORD BS_CHECKBOX = 0x2;
constexpr DWORD BS_AUTOCHECKBOX = 0x3;
constexpr DWORD BS_RADIOBUTTON = 0x4;
constexpr DWORD BS_3STATE = 0x5;
constexpr DWORD BS_AUTO3STATE = 0x6;
constexpr DWORD BS_GROUPBOX = 0x7;
constexpr DWORD BS_AUTORADIOBUTTON = 0x9;
constexpr DWORD BS_TYPEMASK = 0xF;
constexpr DWORD BS_NOTIFY = 0x4000;

constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;
constexpr int BST_INDETERMINATE = 2;

constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_CLICK = 0x00F5;

class CButton : public CWnd {
public:
    // Sets the state without notifying the parent and without touching other radio buttons.
    void SetCheck(int state);
    int GetCheck() const;
    DWORD GetButtonStyle() const { return GetStyle() & BS_TYPEMASK; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::string GetClassName() const override { return "Button"; }

protected:
    QWidget* CreateWidget(QWidget* parent, DWORD style) override;
    void ConnectWidget() override;
    bool CanAdopt(const QWidget* widget) const override;
    bool PaintsItself() const override { return false; }
    UINT CtlColorKind() const override { return CTLCOLOR_BTN; }
    void ApplyStyle(DWORD oldStyle, DWORD oldExStyle) override;
    void SetWidgetText(const QString& text) override;
    QString WidgetText() const override;

private:
    void Clicked();
    void UncheckGroupExceptThis();
    bool IsRadio() const;

    bool m_settingCheck = false;
    int m_check = BST_UNCHECKED; // state before the current click
};

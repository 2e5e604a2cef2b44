#pragma once

#include "platform/ui/dialogs/Dialog.h"

#include <string>

// The program's picture with its release; the credits from here (or from OK with Shift held).
class CAboutDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDD = 100;
    static constexpr UINT IDC_CREDITS = 5;

    explicit CAboutDlg(CWnd* parent = nullptr);

    bool OnInitDialog() override;
    void OnPaint() override;
    void OnOK() override;

    std::string m_strVersion; // the program's version text

protected:
    void OnCredits();

private:
    CBitmap m_bitmap; // the splash picture
};

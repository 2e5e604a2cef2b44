#pragma once

#include "platform/ui/dialogs/Dialog.h"

// The welcome of the first run, before the bidder information is asked for.
class CNewInstallation : public CDialog {
public:
    static constexpr UINT IDD = 139;
    static constexpr UINT IDC_WELCOME = 1129;

    explicit CNewInstallation(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    bool OnInitDialog() override;

private:
    CFont m_headingFont;
};

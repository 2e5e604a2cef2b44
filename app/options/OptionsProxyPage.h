#pragma once

// How the program reaches the agencies' servers: directly, through a proxy given here, or
// through the system's proxy settings.
#include "platform/ui/dialogs/PropertySheet.h"

class COptionsProxyPage : public CPropertyPage {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDD = 187;
    static constexpr UINT IDC_DIRECT = 1120;
    static constexpr UINT IDC_MANUAL = 1121;
    static constexpr UINT IDC_SYSTEM = 1122;
    static constexpr UINT IDC_ADDRESS = 1069;
    static constexpr UINT IDC_PORT = 1072;

    COptionsProxyPage();

    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnChange();
    bool IsChecked(UINT id) const;
    // The address and port are for the manual proxy only.
    void EnableProxyEdits();
};

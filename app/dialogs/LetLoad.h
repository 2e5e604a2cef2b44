#pragma once

#include "platform/ui/dialogs/Dialog.h"

#include <string>
#include <vector>

// Lets the user pick one letting of a folder. A single letting is taken without asking; with
// none there is nothing to pick and the dialog ends as cancelled.
class CLetLoad : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDD = 312;
    static constexpr UINT IDC_LIST = 1045;

    explicit CLetLoad(CWnd* parent = nullptr);

    bool OnInitDialog() override;
    void OnOK() override;

    std::string m_strLetting;
    std::string m_strTitle;
    std::vector<std::string> m_lettings;

protected:
    void OnDblClkList() { OnOK(); }
};

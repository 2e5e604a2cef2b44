#pragma once

// The contractor's company: name, address and the ways to reach it, as the program's bidder
// record holds them and the bids carry them.
#include "platform/ui/dialogs/PropertySheet.h"

class COptionsBidderInfoPage : public CPropertyPage {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDD = 200;
    static constexpr UINT IDC_FIRST_EDIT = 300;
    static constexpr UINT IDC_LAST_EDIT = 309;

    COptionsBidderInfoPage();

    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnEditChange(UINT id);
};

#pragma once

// The letting node: the letting's date, its folder and how many proposals it holds.
#include "app/views/DV.h"

class CDV_Letting : public CDV {
    DECLARE_DYNCREATE(CDV_Letting)
public:
    static constexpr UINT kTemplate = 313;
    enum : UINT { IDC_LETTING_DATE = 1018, IDC_LETTING_FOLDER = 1145, IDC_PROPOSAL_COUNT = 1146 };

    CDV_Letting();

    void OnInitialUpdate() override;
};

// The template information node: what the data template nodes under it are for.
class CDV_Debug : public CDV {
    DECLARE_DYNCREATE(CDV_Debug)
public:
    static constexpr UINT kTemplate = 134;
    static constexpr UINT IDC_NOTE = 1035;

    CDV_Debug();

    void OnInitialUpdate() override;
};

#pragma once

// The schedule of items summarised (the tree shows the items): contract, call order, letting
// date, how many items and sections, and the items total.
#include "app/views/DV.h"

class CDV_ItemSchedule : public CDV {
    DECLARE_DYNCREATE(CDV_ItemSchedule)
public:
    static constexpr UINT IDD = 133;
    enum : UINT {
        IDC_CONTRACT_ID = 1015,
        IDC_CALL_ORDER = 1016,
        IDC_LETTING_DATE = 1018,
        IDC_ZOD_TOTAL = 1025,
        IDC_TOTAL_SECTIONS = 1026,
        IDC_TOTAL_ITEMS = 1033,
    };

    CDV_ItemSchedule();

    void ShowFigures() override;
};

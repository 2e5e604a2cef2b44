#pragma once

// A section of the schedule: its number, total, alternate code and description. The view only
// shows them, afresh whenever the document's figures change; the description grows with the
// view, the alternate code keeps above its right end.
#include "app/views/DV.h"

class CDV_Section : public CDV {
    DECLARE_DYNCREATE(CDV_Section)
public:
    static constexpr UINT kTemplate = 130;
    enum : UINT {
        IDC_DESCRIPTION = 1005,
        IDC_ALTERNATE = 1008,
        IDC_SECTION_NUMBER = 1036,
        IDC_SECTION_TOTAL = 1037,
    };

    CDV_Section();

    int OnCreate(CREATESTRUCT* create) override;
    void ShowFigures() override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    CRect ControlRect(const CWnd& control) const;
};

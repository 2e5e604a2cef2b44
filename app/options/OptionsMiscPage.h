#pragma once

// The program's switches and its colours: the forms' background gradient, the grids' row
// shading, selection and labels, each with a swatch and a button that opens the colour dialog,
// and a preview of both gradients. OK hands them to the application; a changed colour repaints
// every open form at once.
#include "model/text/ColorSpec.h"
#include "platform/ui/dialogs/PropertySheet.h"

#include <array>

class COptionsMiscPage : public CPropertyPage {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDD = 102;
    static constexpr UINT IDC_CUSTOM_COLORS = 1069;
    static constexpr UINT IDC_HICOLOR_NOTE = 1035;
    static constexpr UINT IDC_FORM_PREVIEW = 1134;
    static constexpr UINT IDC_GRID_PREVIEW = 1135;
    static constexpr int kSwitchCount = 7;
    static constexpr int kColorCount = 6;

    COptionsMiscPage();

    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    bool OnEraseBkgnd(CDC* dc) override;

    // In the order of the application's PrintSave, PrintCheck, DeleteWarn, ShowSplash, SavePos,
    // FloppySave and AutoLoad.
    std::array<int, kSwitchCount> m_switches{};
    int m_bCustomColors = 0;
    // TopColor, BottomColor, GridTopColor, GridBottomColor, GridSelectionColor, GridLabelColor.
    std::array<ColorRef, kColorCount> m_colors{};

private:
    void OnSwitchClicked(UINT id);
    void OnColorClicked(UINT id);
    CRect ControlRect(UINT id) const;
    void PaintPreview(CDC& dc, UINT id, ColorRef top, ColorRef bottom) const;
    // The background type the application gets: the custom-colours box keeps a bitmap
    // background that was set; unchecked means none.
    int BackgroundType(int current) const;
};

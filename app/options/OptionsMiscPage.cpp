#include "app/options/OptionsMiscPage.h"

#include "app/doc/BidDoc.h"
#include "app/startup/BidApp.h"
#include "app/views/ViewBackgrounds.h"
#include "app/views/ViewHints.h"
#include "controls/views/ViewBackground.h"
#include "controls/views/ViewColorScheme.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/dialogs/DataExchange.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"

namespace {

struct SwitchControl {
    UINT box;
    int CBidApp::*member;
};

constexpr SwitchControl kSwitches[COptionsMiscPage::kSwitchCount] = {
    {1064, &CBidApp::m_bPrintSave}, {1065, &CBidApp::m_bPrintCheck}, {1066, &CBidApp::m_bDeleteWarn},
    {1067, &CBidApp::m_bShowSplash}, {1068, &CBidApp::m_bSavePos},  {1082, &CBidApp::m_bFloppySave},
    {1144, &CBidApp::m_bAutoLoad},
};

// A colour's swatch, its "..." button and the preview that shows it (0: none).
struct ColorControl {
    UINT swatch;
    UINT button;
    UINT preview;
    ColorRef CBidApp::*member;
};

constexpr ColorControl kColors[COptionsMiscPage::kColorCount] = {
    {1122, 1124, COptionsMiscPage::IDC_FORM_PREVIEW, &CBidApp::m_crTopColor},
    {1123, 1125, COptionsMiscPage::IDC_FORM_PREVIEW, &CBidApp::m_crBottomColor},
    {1126, 1128, COptionsMiscPage::IDC_GRID_PREVIEW, &CBidApp::m_crGridTopColor},
    {1127, 1129, COptionsMiscPage::IDC_GRID_PREVIEW, &CBidApp::m_crGridBottomColor},
    {1130, 1132, 0, &CBidApp::m_crGridSelectionColor},
    {1131, 1133, 0, &CBidApp::m_crGridLabelColor},
};
enum : std::size_t { kTop, kBottom, kGridTop, kGridBottom };

constexpr UINT kFirstColorControl = 1122;
constexpr UINT kLastColorControl = 1133;
constexpr COLORREF kWhite = 0xFFFFFF;

// The colour dialog's custom colours, kept while the program runs.
std::array<std::uint32_t, 16>& CustomColors()
{
    static std::array<std::uint32_t, 16> colors = [] {
        std::array<std::uint32_t, 16> white;
        white.fill(kWhite);
        return white;
    }();
    return colors;
}

void FrameRect(CDC& dc, const CRect& rect)
{
    const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
    dc.Draw3dRect(&rect, frame, frame);
}

} // namespace

BEGIN_MESSAGE_MAP(COptionsMiscPage, CPropertyPage)
    ON_CONTROL_RANGE(BN_CLICKED, 1064, 1069, OnSwitchClicked)
    ON_CONTROL_RANGE(BN_CLICKED, 1082, 1082, OnSwitchClicked)
    ON_CONTROL_RANGE(BN_CLICKED, 1144, 1144, OnSwitchClicked)
    ON_CONTROL_RANGE(BN_CLICKED, kFirstColorControl, kLastColorControl, OnColorClicked)
END_MESSAGE_MAP()

COptionsMiscPage::COptionsMiscPage() : CPropertyPage(IDD, "Misc.")
{
    m_switches.fill(1);
}

void COptionsMiscPage::DoDataExchange(CDataExchange* dx)
{
    for (std::size_t i = 0; i < m_switches.size(); ++i)
        DDX_Check(dx, kSwitches[i].box, m_switches[i]);
    DDX_Check(dx, IDC_CUSTOM_COLORS, m_bCustomColors);
}

bool COptionsMiscPage::OnInitDialog()
{
    if (const CBidApp* app = GetBidApp()) {
        for (std::size_t i = 0; i < m_switches.size(); ++i)
            m_switches[i] = app->*kSwitches[i].member;
        for (std::size_t i = 0; i < m_colors.size(); ++i)
            m_colors[i] = app->*kColors[i].member;
        m_bCustomColors = app->m_iBackgroundType != BACKGROUND_PLAIN;
    }
    if (!ScreenHasColors())
        m_bCustomColors = 0;
    CPropertyPage::OnInitDialog();
    if (!ScreenHasColors()) {
        if (CWnd* box = GetDlgItem(IDC_CUSTOM_COLORS)) {
            box->EnableWindow(false);
            box->ShowWindow(SW_HIDE);
        }
        if (CWnd* note = GetDlgItem(IDC_HICOLOR_NOTE))
            note->ShowWindow(SW_SHOW);
        for (const ColorControl& color : kColors)
            if (CWnd* button = GetDlgItem(color.button))
                button->EnableWindow(false);
    }
    return true;
}

void COptionsMiscPage::OnSwitchClicked(UINT)
{
    SetModified();
}

void COptionsMiscPage::OnColorClicked(UINT id)
{
    for (std::size_t i = 0; i < std::size(kColors); ++i) {
        const ColorControl& color = kColors[i];
        if (id != color.button && id != color.swatch)
            continue;
        const CWnd* button = GetDlgItem(color.button);
        if (!button || !button->IsWindowEnabled())
            return;
        const std::optional<std::uint32_t> chosen = platform::Modal().ChooseColor({m_colors[i], &CustomColors()});
        if (!chosen)
            return;
        m_colors[i] = *chosen;
        SetModified();
        for (UINT shown : {color.swatch, color.preview}) {
            const CRect rect = ControlRect(shown);
            if (shown)
                InvalidateRect(&rect);
        }
        return;
    }
}

CRect COptionsMiscPage::ControlRect(UINT id) const
{
    CRect rect;
    if (const CWnd* control = id ? GetDlgItem(id) : nullptr) {
        control->GetWindowRect(&rect);
        ScreenToClient(&rect);
    }
    return rect;
}

bool COptionsMiscPage::OnEraseBkgnd(CDC* dc)
{
    CPropertyPage::OnEraseBkgnd(dc);
    for (std::size_t i = 0; i < std::size(kColors); ++i) {
        const CRect swatch = ControlRect(kColors[i].swatch);
        dc->FillSolidRect(&swatch, m_colors[i]);
        FrameRect(*dc, swatch);
    }
    PaintPreview(*dc, IDC_FORM_PREVIEW, m_colors[kTop], m_colors[kBottom]);
    PaintPreview(*dc, IDC_GRID_PREVIEW, m_colors[kGridTop], m_colors[kGridBottom]);
    return true;
}

void COptionsMiscPage::PaintPreview(CDC& dc, UINT id, ColorRef top, ColorRef bottom) const
{
    const CRect rect = ControlRect(id);
    CViewBackground gradient;
    gradient.SetGradient(top, bottom);
    const int saved = dc.SaveDC();
    dc.IntersectClipRect(&rect);
    gradient.Paint(dc, {rect, rect.Size(), CPoint()});
    dc.RestoreDC(saved);
    FrameRect(dc, rect);
}

int COptionsMiscPage::BackgroundType(int current) const
{
    if (!m_bCustomColors)
        return BACKGROUND_PLAIN;
    return current == BACKGROUND_BITMAP ? BACKGROUND_BITMAP : BACKGROUND_GRADIENT;
}

void COptionsMiscPage::OnOK()
{
    CBidApp* app = GetBidApp();
    if (!app)
        return;
    for (std::size_t i = 0; i < m_switches.size(); ++i)
        app->*kSwitches[i].member = m_switches[i];
    const int type = BackgroundType(app->m_iBackgroundType);
    bool changed = type != app->m_iBackgroundType;
    app->m_iBackgroundType = type;
    for (std::size_t i = 0; i < m_colors.size(); ++i) {
        changed = changed || app->*kColors[i].member != m_colors[i];
        app->*kColors[i].member = m_colors[i];
    }
    if (CBidDoc* doc = GetMainDocument(); doc && changed)
        doc->UpdateAllViews(nullptr, HINT_BACKGROUND);
}

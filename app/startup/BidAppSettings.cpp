// The application's own settings groups: "Misc" flags and signer, and "WindowMetrics".
#include "app/startup/BidApp.h"

#include "app/doc/BidDoc.h"
#include "app/frame/MainFrame.h"
#include "app/startup/ProfileValues.h"
#include "app/startup/UnsavedSettings.h"
#include "app/startup/WindowPlacement.h"

namespace {

const std::string kMisc = "Misc";
const std::string kMetrics = "WindowMetrics";

struct ColorSetting {
    const char* name;
    const char* defaultText;
    ColorRef CBidApp::*member;
};

// In the order they are written.
constexpr ColorSetting kColors[] = {
    {"TopColor", "-1", &CBidApp::m_crTopColor},
    {"BottomColor", "-2", &CBidApp::m_crBottomColor},
    {"GridTopColor", "-1", &CBidApp::m_crGridTopColor},
    {"GridBottomColor", "-2", &CBidApp::m_crGridBottomColor},
    {"GridSelectionColor", "-3", &CBidApp::m_crGridSelectionColor},
    {"GridLabelColor", "-4", &CBidApp::m_crGridLabelColor},
};

struct FlagSetting {
    const char* name;
    int CBidApp::*member;
};

// Read with the default 1 (ShowSplash apart, before the others); written in this order.
constexpr FlagSetting kFlags[] = {
    {"PrintSave", &CBidApp::m_bPrintSave},   {"PrintCheck", &CBidApp::m_bPrintCheck},
    {"DeleteWarn", &CBidApp::m_bDeleteWarn}, {"ShowSplash", &CBidApp::m_bShowSplash},
    {"SavePos", &CBidApp::m_bSavePos},       {"FloppySave", &CBidApp::m_bFloppySave},
    {"WarnRef", &CBidApp::m_bWarnRef},       {"AutoLoad", &CBidApp::m_bAutoLoad},
};

} // namespace

void CBidApp::ReadWindowMetrics()
{
    const CRect workArea = GetDesktopWorkArea();
    const CRect byDefault = DefaultWindowRect(workArea);
    const int x = GetProfileInt(m_profile, kMetrics, "XPos", byDefault.left);
    const int y = GetProfileInt(m_profile, kMetrics, "YPos", byDefault.top);
    const int width = GetProfileInt(m_profile, kMetrics, "XSize", byDefault.Width());
    const int height = GetProfileInt(m_profile, kMetrics, "YSize", byDefault.Height());
    m_rcWindow = ReachableWindowRect(CRect(CPoint(x, y), CSize(width, height)), workArea);
    m_bMaximized = GetProfileInt(m_profile, kMetrics, "Maximized", 0);
    m_iHSplitterPos = GetProfileInt(m_profile, kMetrics, "HSplitterPos", height / 2);
    m_iBackgroundType = GetProfileInt(m_profile, kMetrics, "BackgroundType", 0);
    for (const ColorSetting& color : kColors)
        this->*color.member =
            ParseColorSpec(GetProfileString(m_profile, kMetrics, color.name, color.defaultText));
    m_strBackgroundBitmap = GetProfileString(m_profile, kMetrics, "BackgroundBitmap", "");
}

void CBidApp::ReadMiscSettings()
{
    for (const FlagSetting& flag : kFlags)
        if (flag.member != &CBidApp::m_bShowSplash)
            this->*flag.member = GetProfileInt(m_profile, kMisc, flag.name, 1) != 0;
    // Set by whoever installs the program; no page of the options edits it.
    m_strSigner = GetProfileString(m_profile, kMisc, "SIGNER", "");
}

void CBidApp::SaveSettings(const CWnd& mainWindow)
{
    // The exit tells what it could not write (ExitInstance).
    ForgetUnsavedSettings();
    CProfileBatch batch(m_profile);
    WriteMiscFlags();
    WriteWindowMetrics(mainWindow);
}

void CBidApp::WriteMiscFlags()
{
    for (const FlagSetting& flag : kFlags)
        WriteProfileInt(m_profile, kMisc, flag.name, this->*flag.member);
}

void CBidApp::WriteWindowMetrics(const CWnd& mainWindow)
{
    if (m_bSavePos) {
        const CWindowPlacement placement = GetWindowPlacement(mainWindow);
        const CRect& normal = placement.m_rcNormalPosition;
        WriteProfileInt(m_profile, kMetrics, "XPos", normal.left);
        WriteProfileInt(m_profile, kMetrics, "YPos", normal.top);
        WriteProfileInt(m_profile, kMetrics, "XSize", normal.Width());
        WriteProfileInt(m_profile, kMetrics, "YSize", normal.Height());
        WriteProfileInt(m_profile, kMetrics, "Maximized", placement.m_bMaximized ? 1 : 0);
        if (const auto* frame = dynamic_cast<const CMainFrame*>(&mainWindow)) {
            int width = 0;
            int minimum = 0;
            frame->GetSplitter().GetColumnInfo(0, width, minimum);
            WriteProfileInt(m_profile, kMetrics, "SplitterPos", width);
        }
        WriteProfileInt(m_profile, kMetrics, "HSplitterPos", m_iHSplitterPos);
    }
    WriteProfileInt(m_profile, kMetrics, "BackgroundType", m_iBackgroundType);
    for (const ColorSetting& color : kColors)
        m_profile.WriteString(kMetrics, color.name, FormatColorSpec(this->*color.member));
    m_profile.WriteString(kMetrics, "BackgroundBitmap", m_strBackgroundBitmap);
    // The item view chosen last is the one the next start shows.
    if (const CBidDoc* doc = GetMainDocument())
        m_iGridMode = doc->m_iGridMode;
    WriteProfileInt(m_profile, kMetrics, "GridMode", m_iGridMode);
}

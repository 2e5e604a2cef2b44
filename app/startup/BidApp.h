#pragma once

#include "app/startup/Splash.h"
#include "model/text/ColorSpec.h"
#include "platform/core/SettingsStore.h"
#include "platform/ui/docview/WinApp.h"

#include <memory>
#include <set>
#include <string>
#include <utility>

// The program's application object: reads the user's settings at start, makes the document
// template, reads the command line, shows the splash and the main window, and writes the
// settings back when the main window goes. The rest of the program reads the settings here.
class CBidApp : public CWinApp {
    DECLARE_MESSAGE_MAP()
public:
    // The document string of the program's one document template.
    static constexpr UINT IDR_MAINFRAME = 128;
    static constexpr const char* kDocString =
        "Zod\n\nBid\nProposal Files (*.tvb)\n.tvb\nBid.Document\nTarvello Zod Document";

    CBidApp();
    ~CBidApp() override;

    bool InitInstance() override;
    // Frees the unit table, the bidder and flat-file records and the formula symbols.
    int ExitInstance() override;
    // Called by the main frame as its window is destroyed (no longer the main window by then).
    void SaveSettings(const CWnd& mainWindow);
    // The document of the template, made when there is none.
    CDocument* OpenDocumentFile(const std::string& path) override;
    // Where the main window is shown (restored), from the settings or by default.
    const CRect& GetMainWindowRect() const { return m_rcWindow; }

    std::unique_ptr<CSplash> m_pSplash;
    int m_bPrintSave = 1;
    int m_bPrintCheck = 1;
    int m_bDeleteWarn = 1;
    int m_bShowSplash = 1;
    int m_bSavePos = 1;
    int m_bFloppySave = 1;
    int m_bAutoLoad = 1;
    int m_bTemplates = 0;
    int m_bKeepLogs = 1;
    int m_bWarnRef = 1;
    int m_iGridMode = 1;
    int m_iHSplitterPos = 0;
    int m_iBackgroundType = 0;
    ColorRef m_crTopColor = 0;
    ColorRef m_crBottomColor = 0;
    ColorRef m_crGridTopColor = 0;
    ColorRef m_crGridBottomColor = 0;
    ColorRef m_crGridSelectionColor = 0;
    ColorRef m_crGridLabelColor = 0;
    std::string m_strBackgroundBitmap;
    std::string m_strSigner; // the name the printed bid is signed with
    std::string m_strConfigFile;
    std::string m_strExportFile;
    // Settings files and reasons the user was told could not be written in this run.
    std::set<std::pair<std::string, std::string>> m_toldSettingsFailures;

protected:
    // Help > About: the program's picture and release, and the credits from there.
    void OnAppAbout();

private:
    void ShowSplashWhenWanted();
    void ReadWindowMetrics();
    void ReadMiscSettings();
    void ReadCommandLine(class CMyCommandLineInfo& commandLine);
    void PlaceMainWindow();
    void WriteMiscFlags();
    void WriteWindowMetrics(const CWnd& mainWindow);

    // The framework's profile: the per-user registry, whatever file the command line names.
    CProfileStore m_profile{CProfileStore::UserRegistry{}};
    CRect m_rcWindow;
    int m_bMaximized = 0;
};

// The program's application object; null while there is none (or another kind runs).
CBidApp* GetBidApp();

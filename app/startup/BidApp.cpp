#include "app/startup/BidApp.h"

#include "app/startup/BidCommandLine.h"
#include "app/startup/ProfileValues.h"
#include "app/startup/UnsavedSettings.h"
#include "app/dialogs/AboutDlg.h"
#include "app/doc/BidDoc.h"
#include "app/frame/MainFrame.h"
#include "app/tree/BidTreeView.h"
#include "model/eval/Evaluator.h"
#include "model/settings/BidderSettings.h"
#include "model/settings/FileTypes.h"
#include "model/settings/IOFormatSettings.h"
#include "model/settings/OptionSettings.h"
#include "model/settings/ProxySettings.h"
#include "model/settings/UnitTable.h"
#include "platform/core/ConfigurationFile.h"
#include "platform/core/Environment.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/docview/DocTemplate.h"
#include "platform/ui/docview/Document.h"
#include "platform/ui/docview/FrameworkIds.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "platform/ui/window/ScreenFit.h"
#include "resources/Resources.h"

BEGIN_MESSAGE_MAP(CBidApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
END_MESSAGE_MAP()

CBidApp* GetBidApp()
{
    return dynamic_cast<CBidApp*>(AfxGetApp());
}

CBidApp::CBidApp() : CWinApp("Zod") {}

CBidApp::~CBidApp() = default;

bool CBidApp::InitInstance()
{
    // Menus, toolbar, strings, pictures and dialog templates, before any window wants them.
    resources::RegisterAll();
    SetRegistryKey("Wendrick\\Tarvello");
    SetProfileStore(&m_profile);
    CProfileStore::SetMessageHandler(
        [](const std::string& message) { AfxMessageBox(message, MB_ICONEXCLAMATION); });
    CurrentSystemColors() = {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_BTNFACE)};

    ShowSplashWhenWanted();
    LoadStdProfileSettings(9);
    ReadWindowMetrics();
    ReadMiscSettings();
    AddDocTemplate(std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, kDocString,
                                                        RUNTIME_CLASS(CBidDoc), RUNTIME_CLASS(CMainFrame),
                                                        RUNTIME_CLASS(CBidTreeView)));
    // Files are opened from the desktop through the registered desktop entry.
    RegisterFileTypes();

    CMyCommandLineInfo commandLine;
    ReadCommandLine(commandLine);
    {
        CProfileStore store;
        LoadProxySettings(store);
    }
    m_iGridMode = GetProfileInt(m_profile, "WindowMetrics", "GridMode", 1);
    if (!ProcessShellCommand(commandLine))
        return false;
    PlaceMainWindow();
    return true;
}

void CBidApp::ShowSplashWhenWanted()
{
    m_bShowSplash = GetProfileInt(m_profile, "Misc", "ShowSplash", 1) != 0;
    if (!m_bShowSplash)
        return;
    m_pSplash = std::make_unique<CSplash>();
    m_pSplash->Create();
}

void CBidApp::ReadCommandLine(CMyCommandLineInfo& commandLine)
{
    ParseCommandLine(commandLine);
    m_bTemplates = commandLine.m_bTemplates;
    m_bKeepLogs = commandLine.m_bKeepLogs;
    m_strConfigFile = commandLine.m_strConfigFile;
    m_strExportFile = m_strConfigFile.empty() ? DefaultExportFileName(platform::ExecutablePath())
                                              : m_strConfigFile;
    platform::SetCommandLineConfigFile(m_strConfigFile);
}

void CBidApp::PlaceMainWindow()
{
    if (m_pMainWnd == nullptr)
        return;
    m_pMainWnd->MoveWindow(m_rcWindow.left, m_rcWindow.top, m_rcWindow.Width(), m_rcWindow.Height());
    // Fitted as at its creation, which also set it to be fitted again once framed.
    if (QWidget* widget = m_pMainWnd->GetWidget())
        platform::FitWindowToScreen(*widget);
    m_pMainWnd->ShowWindow(m_bMaximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    m_pMainWnd->UpdateWindow();
    if (auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd))
        frame->DragAcceptFiles();
}

CDocument* CBidApp::OpenDocumentFile(const std::string& path)
{
    CSingleDocTemplate* docTemplate = GetDocTemplate();
    if (docTemplate == nullptr)
        return nullptr;
    if (docTemplate->GetDocument() == nullptr)
        docTemplate->OpenDocumentFile(std::string());
    // The company first: the proposal takes its bidder record from it.
    if (CMainFrame* frame = ::GetMainFrame())
        frame->RunPendingFirstRun();
    auto* doc = dynamic_cast<CBidDoc*>(docTemplate->GetDocument());
    if (doc == nullptr)
        return docTemplate->GetDocument();
    // The document has shown what went wrong; the program goes on as it was.
    doc->OpenOutsideLetting(path);
    return doc;
}

void CBidApp::OnAppAbout()
{
    CAboutDlg about(m_pMainWnd);
    about.DoModal();
}

int CBidApp::ExitInstance()
{
    FreeUnitList();
    SetBidderInfo(nullptr);
    SetIOFormatSettings(nullptr);
    FreeEvaluatorSymbols();
    int exitCode = 0;
    {
        CProfileBatch batch(m_profile);
        exitCode = CWinApp::ExitInstance();
    }
    // What the main window wrote as it closed and the recent files, told together.
    TellUnsavedSettings();
    return exitCode;
}

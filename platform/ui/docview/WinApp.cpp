#include "platform/ui/docview/WinApp.h"

#include "platform/ui/docview/DocTemplate.h"
#include "platform/ui/docview/Document.h"
#include "platform/ui/docview/FrameworkIds.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/print/PrintSetupDialog.h"
#include "platform/ui/print/PrinterSetup.h"
#include "platform/ui/window/DeferredDelete.h"
#include "platform/ui/window/Menu.h"
#include "platform/ui/window/PathText.h"

#include <QApplication>
#include <QPrinter>
#include <QTimer>

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_COMMAND_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, OnOpenRecentFile)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
END_MESSAGE_MAP()

CWinApp::CWinApp(std::string appName) : m_pszAppName(std::move(appName))
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (m_docTemplate)
        m_docTemplate->CloseAllDocuments();
    if (g_app == this)
        g_app = nullptr;
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return m_exitCode;
}

int CWinApp::Run(int argc, char** argv)
{
    m_argc = argc;
    m_argv = argv;
    if (!InitInstance()) {
        if (m_docTemplate)
            m_docTemplate->CloseAllDocuments();
        SetMainFrame(nullptr, nullptr);
        return ExitInstance();
    }
    m_exitCode = QApplication::exec();
    // Closing the last window ended the loop before the windows it closed were deleted.
    platform::FlushDeferredDeletes();
    return ExitInstance();
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info)
{
    ::ParseCommandLine(m_argc, m_argv, info);
}

bool CWinApp::ProcessShellCommand(CCommandLineInfo& info)
{
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        return m_docTemplate && m_docTemplate->OpenDocumentFile(std::string());
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(info.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo: {
        // Print the file without showing anything, then end.
        if (!OpenDocumentFile(info.m_strFileName))
            return false;
        if (m_mainFrame)
            m_mainFrame->SendCommand(ID_FILE_PRINT_DIRECT);
        return false;
    }
    default:
        return true;
    }
}

void CWinApp::SetMainFrame(CWnd* window, platform::MainFrameLink* frame)
{
    m_pMainWnd = window;
    m_mainFrame = frame;
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate)
{
    m_docTemplate = std::move(docTemplate);
}

CDocument* CWinApp::OpenDocumentFile(const std::string& path)
{
    return m_docTemplate ? m_docTemplate->OpenDocumentFile(path) : nullptr;
}

void CWinApp::LoadStdProfileSettings(std::size_t recentFiles)
{
    m_recentFiles = std::make_unique<CRecentFileList>(recentFiles);
    if (m_profileStore)
        m_recentFiles->ReadList(*m_profileStore);
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_recentFiles && m_profileStore)
        m_recentFiles->WriteList(*m_profileStore);
}

void CWinApp::AddToRecentFileList(const std::string& path)
{
    if (m_recentFiles)
        m_recentFiles->Add(path);
}

void CWinApp::RequestCommandUIUpdate()
{
    if (!m_updateTimer) {
        m_updateTimer = std::make_unique<QTimer>();
        m_updateTimer->setSingleShot(true);
        m_updateTimer->setInterval(0);
        QObject::connect(m_updateTimer.get(), &QTimer::timeout, [this] {
            if (m_mainFrame)
                m_mainFrame->UpdateCommandUI();
        });
    }
    m_updateTimer->start();
}

void CWinApp::OnDocumentTitleChanged(CDocument*)
{
    if (m_mainFrame)
        m_mainFrame->OnUpdateFrameTitle(true);
}

void CWinApp::OnFileNew()
{
    if (m_docTemplate)
        m_docTemplate->OpenDocumentFile(std::string());
}

void CWinApp::OnFileOpen()
{
    platform::FileDialogRequest request;
    request.title = "Open";
    request.flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    if (m_docTemplate)
        request.filter = m_docTemplate->GetSaveFilter();
    if (const auto chosen = platform::Modal().FileDialog(request))
        OpenDocumentFile(chosen->path);
}

void CWinApp::OnFilePrintSetup()
{
    QPrinter printer(QPrinter::HighResolution);
    platform::ApplyPrinterSetup(printer);
    CPrintSetupDialog dialog(printer);
    if (dialog.DoModal() == IDOK)
        platform::RememberPrinterSetup(printer);
}

void CWinApp::OnAppExit()
{
    if (m_docTemplate && m_docTemplate->GetDocument() && !m_docTemplate->GetDocument()->SaveModified())
        return;
    // Through the template when it holds the frame, so that it does not destroy it again later.
    if (m_docTemplate && m_docTemplate->GetFrame())
        m_docTemplate->CloseAllDocuments();
    else if (m_mainFrame)
        m_mainFrame->DestroyFrame();
    QApplication::quit();
}

void CWinApp::OnOpenRecentFile(UINT id)
{
    if (!m_recentFiles)
        return;
    const std::size_t index = id - ID_FILE_MRU_FILE1;
    if (index >= m_recentFiles->GetCount())
        return;
    const std::string path = (*m_recentFiles)[index];
    // A file that can no longer be opened leaves the list.
    if (!OpenDocumentFile(path))
        m_recentFiles->Remove(index);
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* ui)
{
    const std::size_t count = m_recentFiles ? m_recentFiles->GetCount() : 0;
    if (!ui->m_pMenu) {
        ui->Enable(count > 0);
        return;
    }
    CMenu& menu = *ui->m_pMenu;
    if (m_recentPlaceholder.empty())
        m_recentPlaceholder = menu.GetMenuString(ui->m_nIndex, MF_BYPOSITION);
    for (UINT id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_LAST; ++id)
        while (menu.RemoveMenu(id, MF_BYCOMMAND)) {
        }
    const UINT at = ui->m_nIndex;
    ui->m_enableChanged = true; // the entries' states are set here
    if (count == 0) {
        menu.InsertMenu(at, MF_BYPOSITION | MF_STRING | MF_GRAYED, ID_FILE_MRU_FILE1,
                        m_recentPlaceholder.c_str());
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        // Paths are the file system's bytes; the menu shows program text.
        const std::string text = platform::PathForDisplay(m_recentFiles->GetMenuText(i));
        menu.InsertMenu(at + UINT(i), MF_BYPOSITION | MF_STRING, ID_FILE_MRU_FILE1 + UINT(i),
                        text.c_str());
    }
    ui->m_nIndex = at + UINT(count) - 1;
}

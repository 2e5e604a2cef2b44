#pragma once

#include "platform/ui/docview/CmdTarget.h"
#include "platform/ui/docview/FrameworkLinks.h"

#include "platform/core/CommandLineInfo.h"
#include "platform/core/ProfileStore.h"
#include "platform/core/RecentFileList.h"

#include <memory>
#include <string>

class CDocument;
class CSingleDocTemplate;
class CWnd;
class QTimer;

// The application object: start-up and shut-down, the document template, the recent-file list
// and the last stop of command routing.
class CWinApp : public CCmdTarget {
    DECLARE_MESSAGE_MAP()
public:
    explicit CWinApp(std::string appName = "Zod");
    ~CWinApp() override;

    virtual bool InitInstance() { return true; }
    virtual int ExitInstance();

    // Start-up, the event loop and shut-down; the result is the process exit code.
    int Run(int argc, char** argv);

    void ParseCommandLine(CCommandLineInfo& info);
    // New document, or open (and for the print commands, print and end) the named file.
    bool ProcessShellCommand(CCommandLineInfo& info);

    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
    CSingleDocTemplate* GetDocTemplate() const { return m_docTemplate.get(); }
    virtual CDocument* OpenDocumentFile(const std::string& path);

    // The store the profile functions use (the settings store of the program, or a test's).
    void SetProfileStore(platform::ProfileStore* store) { m_profileStore = store; }
    platform::ProfileStore* GetProfileStore() const { return m_profileStore; }
    void SetRegistryKey(const std::string& key) { m_registryKey = key; }
    const std::string& GetRegistryKey() const { return m_registryKey; }
    void LoadStdProfileSettings(std::size_t recentFiles = 9);
    void SaveStdProfileSettings();

    virtual void AddToRecentFileList(const std::string& path);
    CRecentFileList* GetRecentFileList() const { return m_recentFiles.get(); }

    // Re-runs the update handlers of the main frame soon (once, however often it is asked).
    void RequestCommandUIUpdate();
    virtual void OnDocumentTitleChanged(CDocument* document);

    int GetExitCode() const { return m_exitCode; }

    // The frame registers itself here when it is made the main window.
    void SetMainFrame(CWnd* window, platform::MainFrameLink* frame);
    platform::MainFrameLink* GetMainFrame() const { return m_mainFrame; }

    std::string m_pszAppName;
    CWnd* m_pMainWnd = nullptr;
    int m_argc = 0;
    char** m_argv = nullptr;

protected:
    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppExit();
    void OnOpenRecentFile(UINT id);
    // The recent files take the place of the "Recent File" entry of the menu being opened.
    void OnUpdateRecentFileMenu(CCmdUI* ui);

private:
    std::unique_ptr<CSingleDocTemplate> m_docTemplate;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    std::string m_recentPlaceholder; // the entry's text while the list is empty
    platform::ProfileStore* m_profileStore = nullptr;
    platform::MainFrameLink* m_mainFrame = nullptr;
    std::string m_registryKey;
    std::unique_ptr<QTimer> m_updateTimer;
    int m_exitCode = 0;
};

// The one application object (the most recently constructed); null before it exists.
CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

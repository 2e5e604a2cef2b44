#pragma once

// The frame: the top-level window with its menu, accelerators, control bars (toolbar above,
// status bar below, found by their ids), and the view or splitter that fills the rest. It owns
// the views it makes, keeps the active view, routes commands (active view, its document, the
// frame, the application) and keeps menu items and toolbar buttons up to date.
#include "platform/ui/docview/FrameworkLinks.h"
#include "platform/ui/docview/RuntimeClass.h"
#include "platform/ui/window/Wnd.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {
class CommandUIScheduler;
}

class CDocument;
class CView;
class QMenuBar;
class QMimeData;
class QShortcut;
struct CCreateContext;

class CFrameWnd : public CWnd, public CRuntimeObject, public platform::MainFrameLink {
    DECLARE_DYNCREATE(CFrameWnd)
    DECLARE_MESSAGE_MAP()
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // MainFrameLink: made by the document template.
    bool LoadFrame(UINT resourceId, CDocument* document, const CRuntimeClass* viewClass) override;
    void InitialUpdateFrame(CDocument* document, bool makeVisible) override;
    void UpdateCommandUI() override;
    void OnUpdateFrameTitle(bool addToTitle) override;
    bool SendCommand(UINT id) override;
    void DestroyFrame() override;

    // Makes a view of the context's class as a child (id AFX_IDW_PANE_FIRST unless given); the
    // view goes with its window. Null when it cannot be made.
    CView* CreateView(CCreateContext* context, UINT id = 0);
    CView* GetActiveView() const { return m_activeView; }
    void SetActiveView(CView* view, bool notify = true);
    CDocument* GetActiveDocument() const;

    // The text of the status bar's first pane.
    void SetMessageText(const std::string& text);
    // The prompt of a command there (its string, up to a newline), or "Ready" for 0.
    void ShowCommandPrompt(UINT id);
    std::string GetMessageText() const { return m_messageText; }
    void DragAcceptFiles(bool accept = true);
    virtual void OnDropFiles(const std::vector<std::string>& paths);
    // Dropped data: its local files go to OnDropFiles when the frame accepts files. True when
    // the drop was taken.
    bool DropData(const QMimeData* data);

    // Lays out the menu, the visible control bars and the pane that fills the rest.
    virtual void RecalcLayout();
    // Runs a command if its update handler leaves it enabled (accelerators and posted commands).
    bool RunCommand(UINT id);
    // Queues a command chosen from a menu, an accelerator or a toolbar button; it runs through
    // RunCommand from the event loop.
    void PostCommand(UINT id);
    // What the update pass of the command says now.
    bool IsCommandEnabled(UINT id);
    QMenuBar* GetMenuBar() const { return m_menuBar; }
    // The menu shown in the menu bar; changes to it show there. Null removes the menu bar.
    bool SetMenu(CMenu* menu) override;
    CMenu* GetMenu() const override { return m_menu.get(); }

    bool OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo = nullptr) override;
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnClose() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;
    void OnInitMenuPopup(CMenu* popup, UINT index, bool systemMenu) override;
    void OnMenuSelect(UINT id, UINT flags, CMenu* menu) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // A view of this frame is going away (called by the view).
    void OnViewGone(CView* view);

protected:
    // Makes the first view; derived frames make a splitter here instead.
    virtual bool OnCreateClient(CCreateContext* context);
    void OnBarCheck(UINT id);
    // F6 and Shift+F6: the next or previous view of the frame becomes active.
    void OnNextPane(UINT id);
    void OnUpdateControlBarMenu(CCmdUI* ui);

    // Keeps the frame alive while one of its handlers runs: a frame destroyed meanwhile is
    // deleted once the outermost handler has returned.
    class Entry {
    public:
        explicit Entry(CFrameWnd& frame);
        ~Entry();
        Entry(const Entry&) = delete;
        Entry& operator=(const Entry&) = delete;

    private:
        CFrameWnd& m_frame;
    };

private:
    void LoadMenu(UINT resourceId);
    void SyncMenuBar();
    void LoadAccelerators(UINT resourceId);
    void ActivateViewOf(QWidget* widget, bool clicked = false); // focused or clicked
    void InstallHooks();
    std::vector<CView*> Views() const; // in the order of their windows

    QMenuBar* m_menuBar = nullptr;
    std::unique_ptr<CMenu> m_menu;
    std::vector<QShortcut*> m_accelerators;
    CView* m_activeView = nullptr;
    CDocument* m_document = nullptr;
    CCreateContext* m_loadContext = nullptr;
    UINT m_loadResource = 0;
    std::string m_messageText;
    std::unique_ptr<QObject> m_hooks; // file drops, clicks and focus changes
    std::unique_ptr<platform::CommandUIScheduler> m_uiUpdates;
    bool m_acceptFiles = false;
    int m_entryDepth = 0;
    bool m_deletePending = false;
};

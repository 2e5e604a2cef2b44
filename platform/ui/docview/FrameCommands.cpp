// The frame's menu, accelerators, update pass, status text, file drops and active-view tracking.
#include "platform/ui/docview/FrameWnd.h"

#include "platform/ui/docview/CommandRouting.h"
#include "platform/ui/controls/ControlBar.h"
#include "platform/ui/docview/FrameworkIds.h"
#include "platform/ui/docview/MenuResource.h"
#include "platform/ui/docview/QtMenus.h"
#include "platform/ui/window/Menu.h"
#include "platform/ui/window/StringTable.h"
#include "platform/ui/window/PathText.h"
#include "platform/ui/docview/View.h"
#include "platform/ui/docview/WinApp.h"

#include <QApplication>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QUrl>

#include <algorithm>

namespace {

std::vector<std::string> LocalPaths(const QMimeData* data)
{
    std::vector<std::string> paths;
    if (!data)
        return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths.push_back(platform::ToLocal8(url.toLocalFile()));
    return paths;
}

// Hears what the window layer does not forward: drag and drop on the frame, and mouse presses
// anywhere in it (a click makes the view under it the active one, focus or not).
class FrameHooks : public QObject {
public:
    FrameHooks(QWidget* frame, std::function<bool()> accepting,
               std::function<bool(const QMimeData*)> dropped, std::function<void(QWidget*)> pressed)
        : m_frame(frame), m_accepting(std::move(accepting)), m_dropped(std::move(dropped)),
          m_pressed(std::move(pressed))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && m_frame->isAncestorOf(widget))
                m_pressed(widget);
            return false;
        }
        if (watched != m_frame)
            return false;
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (m_accepting() && !LocalPaths(drag->mimeData()).empty())
                drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (m_dropped(drop->mimeData()))
                drop->acceptProposedAction();
            return true;
        }
        default: return false;
        }
    }

private:
    QWidget* m_frame;
    std::function<bool()> m_accepting;
    std::function<bool(const QMimeData*)> m_dropped;
    std::function<void(QWidget*)> m_pressed;
};

} // namespace

void CFrameWnd::InstallHooks()
{
    m_hooks = std::make_unique<FrameHooks>(
        GetWidget(), [this] { return m_acceptFiles; },
        [this](const QMimeData* data) { return DropData(data); },
        [this](QWidget* widget) { ActivateViewOf(widget, true); });
    GetWidget()->installEventFilter(m_hooks.get());
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        app->installEventFilter(m_hooks.get());
        QObject::connect(app, &QApplication::focusChanged, m_hooks.get(),
                         [this] { ActivateViewOf(QApplication::focusWidget()); });
    }
    // Focus and clipboard changes can change what the commands may do.
    m_uiUpdates = std::make_unique<platform::CommandUIScheduler>([this] { UpdateCommandUI(); });
}

void CFrameWnd::LoadMenu(UINT resourceId)
{
    CMenu menu;
    if (menu.LoadMenu(resourceId))
        SetMenu(&menu);
}

bool CFrameWnd::SetMenu(CMenu* menu)
{
    if (!IsWindow())
        return false;
    if (!menu || !menu->IsMenu()) {
        m_menu.reset();
        delete m_menuBar;
        m_menuBar = nullptr;
    } else {
        m_menu = std::make_unique<CMenu>();
        m_menu->Attach(menu->Data());
        // Items added, removed or renamed later show at once.
        m_menu->SetChangeListener([this] { SyncMenuBar(); });
        SyncMenuBar();
    }
    RecalcLayout();
    return true;
}

void CFrameWnd::SyncMenuBar()
{
    if (!m_menu || !IsWindow())
        return;
    if (!m_menuBar)
        m_menuBar = new QMenuBar(GetWidget());
    platform::MenuHooks hooks;
    hooks.chosen = [this](UINT id) { PostCommand(id); };
    hooks.hovered = [this](UINT id) { OnMenuSelect(id, id ? 0 : 0xFFFF, nullptr); };
    hooks.opening = [this](CMenu& popup) { OnInitMenuPopup(&popup, 0, false); };
    platform::SyncQtMenuBar(*m_menuBar, *m_menu, hooks);
    m_menuBar->show();
}

void CFrameWnd::OnInitMenuPopup(CMenu* popup, UINT, bool)
{
    if (popup)
        platform::UpdateMenuItems(*popup, *this);
}

void CFrameWnd::OnMenuSelect(UINT id, UINT flags, CMenu*)
{
    ShowCommandPrompt(flags == 0xFFFF ? 0 : id);
}

void CFrameWnd::ShowCommandPrompt(UINT id)
{
    std::string prompt = id ? platform::LoadResourceString(id) : std::string();
    prompt = prompt.substr(0, prompt.find('\n'));
    if (id == 0 || prompt.empty())
        prompt = id == 0 ? platform::IdleMessage() : std::string();
    SetMessageText(prompt);
}

LRESULT CFrameWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Bars report the command under the pointer (0: none) for the status bar.
    if (message == WM_SETMESSAGESTRING) {
        ShowCommandPrompt(UINT(wParam));
        return 0;
    }
    return CWnd::OnMessage(message, wParam, lParam);
}

void CFrameWnd::LoadAccelerators(UINT resourceId)
{
    if (const AcceleratorTable* table = platform::ResourceRegistry<AcceleratorTable>::Find(resourceId))
        m_accelerators = platform::InstallAccelerators(*GetWidget(), *table,
                                                       [this](UINT id) { PostCommand(id); });
}

bool CFrameWnd::IsCommandEnabled(UINT id)
{
    Entry entry(*this);
    CCmdUI probe(id);
    probe.DoUpdate(this, true);
    return probe.m_enabled;
}

void CFrameWnd::PostCommand(UINT id)
{
    // Run from the event loop, once the menu, key or button that chose it is done: a command
    // may destroy the frame, and with it the menu bar that is still delivering the choice.
    // A key must not queue what the menu would refuse at that moment.
    if (IsCommandEnabled(id))
        PostMessage(WM_COMMAND, MAKEWPARAM(WORD(id), WORD(CN_COMMAND)), 0);
}

bool CFrameWnd::RunCommand(UINT id)
{
    Entry entry(*this);
    // Its state may have changed while it waited in the queue.
    if (!IsCommandEnabled(id))
        return false;
    return platform::ExecuteCommand(*this, id);
}

void CFrameWnd::UpdateCommandUI()
{
    if (!IsWindow())
        return;
    Entry entry(*this);
    if (m_menu) {
        for (int i = 0; i < m_menu->GetMenuItemCount(); ++i)
            if (CMenu* popup = m_menu->GetSubMenu(i))
                platform::UpdateMenuItems(*popup, *this);
        SyncMenuBar();
    }
    for (QObject* child : GetWidget()->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (auto* bar = dynamic_cast<CControlBar*>(widget ? CWnd::FromWidget(widget) : nullptr))
            bar->OnUpdateCmdUI(this, true);
    }
}

bool CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Toolbar buttons send plain commands; they run like menu commands.
    if (HIWORD(wParam) == CN_COMMAND)
        return RunCommand(LOWORD(wParam));
    return CWnd::OnCommand(wParam, lParam);
}

void CFrameWnd::SetMessageText(const std::string& text)
{
    m_messageText = text;
    if (CWnd* status = GetDlgItem(AFX_IDW_STATUS_BAR))
        status->SetWindowText(text);
}

void CFrameWnd::DragAcceptFiles(bool accept)
{
    m_acceptFiles = accept;
    if (IsWindow())
        GetWidget()->setAcceptDrops(accept);
}

bool CFrameWnd::DropData(const QMimeData* data)
{
    std::vector<std::string> paths = LocalPaths(data);
    if (!m_acceptFiles || paths.empty())
        return false;
    Entry entry(*this);
    OnDropFiles(paths);
    return true;
}

void CFrameWnd::OnDropFiles(const std::vector<std::string>& paths)
{
    // One document at a time: the first file dropped is opened.
    if (CWinApp* app = AfxGetApp(); app && !paths.empty())
        app->OpenDocumentFile(paths.front());
}

void CFrameWnd::ActivateViewOf(QWidget* widget, bool clicked)
{
    if (!IsWindow() || !widget || !GetWidget()->isAncestorOf(widget))
        return;
    // The view that holds the widget becomes the active one; a click also gives it the keyboard
    // when it was the active one already (a view that takes no focus by itself, the empty one),
    // unless the click gave it to a control of the view.
    for (CWnd* w = CWnd::FromWidget(widget); w && w != this; w = w->GetParent()) {
        if (auto* view = dynamic_cast<CView*>(w)) {
            const bool wasActive = m_activeView == view;
            SetActiveView(view);
            if (clicked && wasActive)
                view->OnActivateView(true, view, view);
            return;
        }
    }
}

void CFrameWnd::OnNextPane(UINT id)
{
    const std::vector<CView*> views = Views();
    std::vector<CView*> shown;
    for (CView* view : views)
        if (view->IsWindowVisible() || !IsWindowVisible())
            shown.push_back(view);
    if (shown.empty())
        return;
    const std::size_t count = shown.size();
    const auto current = std::find(shown.begin(), shown.end(), m_activeView);
    std::size_t index = id == ID_PREV_PANE ? count - 1 : 0; // without an active view
    if (current != shown.end()) {
        const std::size_t at = std::size_t(current - shown.begin());
        index = id == ID_PREV_PANE ? (at + count - 1) % count : (at + 1) % count;
    }
    SetActiveView(shown[index]);
}

void CFrameWnd::OnBarCheck(UINT id)
{
    if (CWnd* bar = GetDlgItem(id); bar && bar->GetParent() == this) {
        bar->ShowWindow(bar->GetWidget()->isHidden() ? SW_SHOW : SW_HIDE);
        RecalcLayout();
    }
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* ui)
{
    CWnd* bar = GetDlgItem(ui->m_nID);
    const bool present = bar && bar->GetParent() == this;
    ui->Enable(present);
    ui->SetCheck(present && !bar->GetWidget()->isHidden() ? 1 : 0);
}

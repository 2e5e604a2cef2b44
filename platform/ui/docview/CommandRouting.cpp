#include "platform/ui/docview/CommandRouting.h"

#include "platform/ui/docview/WinApp.h"
#include "platform/ui/window/Menu.h"
#include "platform/ui/window/WinText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QTimer>

namespace platform {
namespace {
const char* const kCommandIdProperty = "zodCommandId";
}

bool RouteCommand(std::initializer_list<CCmdTarget*> targets, UINT id, int code, void* extra,
                  CmdHandlerInfo* handlerInfo)
{
    for (CCmdTarget* target : targets)
        if (target && target->OnCmdMsg(id, code, extra, handlerInfo))
            return true;
    return false;
}

bool ExecuteCommand(CCmdTarget& router, UINT id)
{
    const bool handled = router.OnCmdMsg(id, CN_COMMAND, nullptr);
    if (CWinApp* app = AfxGetApp())
        app->RequestCommandUIUpdate();
    return handled;
}

void SetCommandId(QAction* action, UINT id)
{
    action->setProperty(kCommandIdProperty, id);
}

UINT CommandIdOf(const QAction* action)
{
    return action->property(kCommandIdProperty).toUInt();
}

ActionCmdUI::ActionCmdUI(QAction* action) : CCmdUI(CommandIdOf(action)), m_action(action) {}

void ActionCmdUI::Enable(bool on)
{
    CCmdUI::Enable(on);
    m_action->setEnabled(on);
}

void ActionCmdUI::SetCheck(int check)
{
    CCmdUI::SetCheck(check);
    m_action->setCheckable(true);
    m_action->setChecked(check != 0);
}

void ActionCmdUI::SetText(const std::string& text)
{
    CCmdUI::SetText(text);
    // The shortcut text after a tab stays; only the words change.
    const QString old = m_action->text();
    const qsizetype tab = old.indexOf(QLatin1Char('\t'));
    m_action->setText(ToQString(text) + (tab >= 0 ? old.mid(tab) : QString()));
}

MenuCmdUI::MenuCmdUI(CMenu& menu, UINT index) : CCmdUI(menu.GetMenuItemID(int(index)))
{
    m_pMenu = &menu;
    m_nIndex = index;
}

void MenuCmdUI::Enable(bool on)
{
    CCmdUI::Enable(on);
    m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
}

void MenuCmdUI::SetCheck(int check)
{
    CCmdUI::SetCheck(check);
    m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
}

void MenuCmdUI::SetText(const std::string& text)
{
    CCmdUI::SetText(text);
    // The shortcut after a tab stays; only the words change.
    const std::string old = m_pMenu->GetMenuString(m_nIndex, MF_BYPOSITION);
    const std::size_t tab = old.find('\t');
    const std::string full = text + (tab == std::string::npos ? std::string() : old.substr(tab));
    const UINT state = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION) & (MF_GRAYED | MF_CHECKED);
    m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | state, m_nID, full.c_str());
}

void UpdateMenuItems(CMenu& menu, CCmdTarget& router)
{
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const UINT id = menu.GetMenuItemID(i);
        if (id == 0 || id == UINT(-1))
            continue;
        MenuCmdUI element(menu, UINT(i));
        element.DoUpdate(&router, true);
        i = int(element.m_nIndex);
    }
}

CommandUIScheduler::CommandUIScheduler(std::function<void()> update)
    : m_context(std::make_unique<QObject>()), m_update(std::move(update))
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        QObject::connect(clipboard, &QClipboard::dataChanged, m_context.get(), [this] { Request(); });
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        QObject::connect(app, &QApplication::focusChanged, m_context.get(), [this] { Request(); });
}

CommandUIScheduler::~CommandUIScheduler() = default;

void CommandUIScheduler::Request()
{
    if (m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, m_context.get(), [this] {
        m_pending = false;
        m_update();
    });
}

} // namespace platform

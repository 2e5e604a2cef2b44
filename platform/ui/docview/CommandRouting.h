#pragma once

#include "platform/ui/docview/CmdTarget.h"

#include <functional>
#include <initializer_list>
#include <memory>

class QAction;
class QObject;

namespace platform {

// Offers the command to each target in turn (null ones skipped) until one handles it. Frames
// route active view (which asks its document), frame, then application.
bool RouteCommand(std::initializer_list<CCmdTarget*> targets, UINT id, int code, void* extra,
                  CmdHandlerInfo* handlerInfo);

// Runs a command through the router (menu, toolbar, accelerator, posted command) and has the
// update handlers re-run afterwards, since a command may change what the others may do.
bool ExecuteCommand(CCmdTarget& router, UINT id);

// Menu items and toolbar buttons are QActions carrying their command id.
void SetCommandId(QAction* action, UINT id);
UINT CommandIdOf(const QAction* action); // 0 for separators and actions without one

// A QAction as the element of an update pass: enable, check and text go to the action.
class ActionCmdUI : public CCmdUI {
public:
    explicit ActionCmdUI(QAction* action);
    void Enable(bool on = true) override;
    void SetCheck(int check = 1) override;
    void SetText(const std::string& text) override;

private:
    QAction* m_action;
};

// A menu item as the element of an update pass.
class MenuCmdUI : public CCmdUI {
public:
    MenuCmdUI(CMenu& menu, UINT index);
    void Enable(bool on = true) override;
    void SetCheck(int check = 1) override;
    void SetText(const std::string& text) override;
};

// The update pass over the items of one menu (not its sub-menus, which update when they open).
void UpdateMenuItems(CMenu& menu, CCmdTarget& router);

// Calls back once, soon, after any number of requests; also after every clipboard change and
// every focus change of the application, which can change what commands may do.
class CommandUIScheduler {
public:
    explicit CommandUIScheduler(std::function<void()> update);
    ~CommandUIScheduler();
    void Request();

private:
    std::unique_ptr<QObject> m_context;
    bool m_pending = false;
    std::function<void()> m_update;
};

} // namespace platform

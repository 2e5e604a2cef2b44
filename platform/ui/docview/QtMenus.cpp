#include "platform/ui/docview/QtMenus.h"

#include "platform/ui/docview/CommandRouting.h"
#include "platform/ui/window/Menu.h"
#include "platform/ui/window/WinText.h"

#include <QMenu>
#include <QMenuBar>
#include <QVariant>

namespace platform {
namespace {

// Whether the Qt actions stand for the same items (ids and kinds) as the menu.
bool SameItems(const QList<QAction*>& actions, const CMenu& menu)
{
    if (actions.size() != menu.GetMenuItemCount())
        return false;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const MenuItem& item = menu.Data()->items[std::size_t(i)];
        QAction* action = actions[i];
        const bool popup = item.flags & MF_POPUP;
        if (action->isSeparator() != bool(item.flags & MF_SEPARATOR) ||
            (action->menu() != nullptr) != popup || (!popup && CommandIdOf(action) != item.id))
            return false;
    }
    return true;
}

void ApplyState(QAction* action, const MenuItem& item)
{
    action->setText(ToQString(item.text));
    action->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
    action->setCheckable(item.flags & MF_CHECKED);
    action->setChecked(item.flags & MF_CHECKED);
}

const char* const kModelProperty = "zodMenu";

CMenu* ModelOf(const QMenu* qmenu)
{
    return static_cast<CMenu*>(qmenu->property(kModelProperty).value<void*>());
}

QMenu* NewPopup(QWidget* owner, const MenuHooks& hooks)
{
    auto* qmenu = new QMenu(owner);
    // The model is looked up when the menu opens: a sync may have given it another.
    QObject::connect(qmenu, &QMenu::aboutToShow, qmenu, [qmenu, hooks] {
        CMenu* model = ModelOf(qmenu);
        if (!model)
            return;
        if (hooks.opening)
            hooks.opening(*model);
        SyncQtMenu(*qmenu, *model, hooks);
    });
    QObject::connect(qmenu, &QMenu::aboutToHide, qmenu, [hooks] {
        if (hooks.hovered)
            hooks.hovered(0);
    });
    return qmenu;
}

// Adds the menu's items to a Qt menu or menu bar (both are widgets holding actions).
template <class Target>
void Fill(Target& target, CMenu& menu, const MenuHooks& hooks)
{
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const MenuItem& item = menu.Data()->items[std::size_t(i)];
        if (item.flags & MF_SEPARATOR) {
            target.addSeparator();
            continue;
        }
        QAction* action;
        if (CMenu* popup = menu.GetSubMenu(i)) {
            QMenu* qmenu = NewPopup(&target, hooks);
            SyncQtMenu(*qmenu, *popup, hooks);
            action = target.addMenu(qmenu);
        } else {
            action = target.addAction(QString());
            SetCommandId(action, item.id);
            const UINT id = item.id;
            QObject::connect(action, &QAction::triggered, action, [hooks, id] {
                if (hooks.chosen)
                    hooks.chosen(id);
            });
            QObject::connect(action, &QAction::hovered, action, [hooks, id] {
                if (hooks.hovered)
                    hooks.hovered(id);
            });
        }
        ApplyState(action, item);
    }
}

template <class Target>
void Sync(Target& target, CMenu& menu, const MenuHooks& hooks)
{
    if (auto* qmenu = qobject_cast<QMenu*>(&target))
        qmenu->setProperty(kModelProperty, QVariant::fromValue<void*>(&menu));
    const QList<QAction*> actions = target.actions();
    if (!SameItems(actions, menu)) {
        // The items changed: made anew, unless the menu is open under the pointer.
        if (target.isVisible() && qobject_cast<QMenu*>(&target))
            return;
        for (QAction* action : actions)
            delete action->menu();
        target.clear();
        Fill(target, menu, hooks);
        return;
    }
    for (int i = 0; i < actions.size(); ++i) {
        const MenuItem& item = menu.Data()->items[std::size_t(i)];
        if (item.flags & MF_SEPARATOR)
            continue;
        ApplyState(actions[i], item);
        if (CMenu* popup = menu.GetSubMenu(i))
            SyncQtMenu(*actions[i]->menu(), *popup, hooks);
    }
}

} // namespace

void SyncQtMenu(QMenu& target, CMenu& menu, const MenuHooks& hooks)
{
    Sync(target, menu, hooks);
}

void SyncQtMenuBar(QMenuBar& target, CMenu& menu, const MenuHooks& hooks)
{
    Sync(target, menu, hooks);
}

} // namespace platform

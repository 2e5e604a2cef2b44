#pragma once

// The ways a bidder issues a command, each through the real thing: an entry of the menu bar
// chosen by keys (Alt and the menu's letter, then the entry's letter, pressed again while other
// entries share it, and Enter), an accelerator pressed where the focus is, a click on a toolbar
// button, and a right-click on a node of the proposal tree with its pop-up menu's choice.
#include "app/frame/MainFrame.h"
#include "platform/ui/docview/CommandRouting.h"
#include "platform/ui/docview/MenuResource.h"
#include "platform/ui/window/KeyEvents.h"
#include "platform/ui/window/StringTable.h"
#include "resources/ResourceIds.h"
#include "tests/app/MenuKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace crawl {

struct Route {
    enum Kind { Menu, Accelerator, Toolbar, ContextMenu };
    Kind kind;
    UINT command;
    std::string name;                  // as the bidder would say it: "File > Save As...", "Ctrl+L"
    QChar menuLetter{};                // Menu: the menu's letter on the menu bar
    QKeyCombination key{Qt::Key_unknown}; // Accelerator
};

inline QChar MnemonicOf(const QString& text)
{
    const QKeySequence mnemonic = QKeySequence::mnemonic(text);
    return mnemonic.isEmpty() ? QChar() : QChar(mnemonic[0].key() & 0xFFFF);
}

inline std::string Plain(QString text)
{
    return text.remove('&').toStdString();
}

// Every entry of every menu of the menu bar as it is now.
inline std::vector<Route> MenuRoutes(const CFrameWnd& frame)
{
    std::vector<Route> routes;
    for (QAction* top : frame.GetMenuBar()->actions()) {
        if (!top->menu())
            continue;
        for (QAction* entry : top->menu()->actions())
            if (!entry->isSeparator() && !entry->menu())
                routes.push_back({Route::Menu, platform::CommandIdOf(entry),
                                  Plain(top->text()) + " > " + Plain(entry->text().section('\t', 0, 0)),
                                  MnemonicOf(top->text())});
    }
    return routes;
}

// Every key of the main window's accelerator table.
inline std::vector<Route> AcceleratorRoutes()
{
    std::vector<Route> routes;
    const AcceleratorTable* table = platform::ResourceRegistry<AcceleratorTable>::Find(resources::IDR_MAINFRAME);
    for (std::size_t i = 0; table && i < table->count; ++i) {
        const AcceleratorResource& entry = table->entries[i];
        Qt::KeyboardModifiers modifiers;
        if (entry.modifiers & FSHIFT) modifiers |= Qt::ShiftModifier;
        if (entry.modifiers & FCONTROL) modifiers |= Qt::ControlModifier;
        if (entry.modifiers & FALT) modifiers |= Qt::AltModifier;
        const QKeyCombination key(modifiers, Qt::Key(platform::QtKeyOfVirtualKey(entry.virtualKey)));
        routes.push_back({Route::Accelerator, entry.command, QKeySequence(key).toString().toStdString(), {}, key});
    }
    return routes;
}

// The button's tip: the part of the command's prompt after its last newline, or its id.
inline std::string TipOf(UINT command)
{
    const std::string prompt = platform::LoadResourceString(command);
    const std::string tip = prompt.substr(prompt.rfind('\n') + 1);
    return tip.empty() ? std::to_string(command) : tip;
}

// Every button of the main window's toolbar.
inline std::vector<Route> ToolbarRoutes(CMainFrame& frame)
{
    std::vector<Route> routes;
    CToolBar& bar = frame.GetToolBar();
    for (int i = 0; i < bar.GetCount(); ++i)
        if (const UINT id = bar.GetItemID(i); id != ID_SEPARATOR)
            routes.push_back({Route::Toolbar, id, "toolbar " + TipOf(id)});
    return routes;
}

inline QWidget* KeyTarget()
{
    return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
}

inline QAction* EntryOf(QMenu& menu, UINT command)
{
    for (QAction* action : menu.actions())
        if (!action->isSeparator() && platform::CommandIdOf(action) == command)
            return action;
    return nullptr;
}

// How many entries of the menu answer to the letter.
inline int SharingLetter(QMenu& menu, QChar letter)
{
    int count = 0;
    for (QAction* action : menu.actions())
        count += !action->isSeparator() && MnemonicOf(action->text()) == letter;
    return count;
}

// Alt and the menu's letter open it; the entry's letter chooses it, or, when other entries
// share the letter, moves to it and Enter chooses. A disabled entry takes nothing: its menu
// stays open and Escape closes it (and leaves the menu bar). Ok when what happened is what the
// entry's state says.
inline ::testing::AssertionResult ChooseEntryByKeys(CFrameWnd& frame, QChar menuLetter, UINT command)
{
    if (auto result = testsupport::Activate(frame.GetWidget()); !result)
        return result;
    QTest::keyClick(KeyTarget(), Qt::Key(menuLetter.toUpper().unicode()), Qt::AltModifier);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!popup)
        return ::testing::AssertionFailure() << "Alt+" << QString(menuLetter).toStdString() << " opened no menu";
    QAction* entry = EntryOf(*popup, command);
    const QChar letter = entry ? MnemonicOf(entry->text()) : QChar();
    if (!entry || letter.isNull())
        return ::testing::AssertionFailure() << "no entry with a letter for command " << command;
    const bool enabled = entry->isEnabled();
    const Qt::Key key = Qt::Key(letter.toUpper().unicode());
    const int sharing = SharingLetter(*popup, letter);
    if (sharing == 1) {
        QTest::keyClick(popup, key);
    } else {
        for (int i = 0; i < sharing && popup->activeAction() != entry; ++i)
            QTest::keyClick(popup, key);
        QTest::keyClick(popup, Qt::Key_Return);
    }
    const bool open = QApplication::activePopupWidget() == popup;
    if (open) {
        QTest::keyClick(popup, Qt::Key_Escape);
        QTest::keyClick(KeyTarget(), Qt::Key_Escape); // out of the menu bar
    }
    if (open == enabled)
        return ::testing::AssertionFailure() << (enabled ? "the enabled entry was not chosen"
                                                         : "the disabled entry closed the menu");
    return ::testing::AssertionSuccess();
}

// The accelerator pressed on whatever has the focus.
inline ::testing::AssertionResult PressKey(CFrameWnd& frame, QKeyCombination key)
{
    if (auto result = testsupport::Activate(frame.GetWidget()); !result)
        return result;
    QTest::keyClick(KeyTarget(), key.key(), key.keyboardModifiers());
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult ClickButton(CMainFrame& frame, UINT command)
{
    auto* bar = static_cast<QToolBar*>(frame.GetToolBar().GetWidget());
    for (QAction* action : bar->actions())
        if (platform::CommandIdOf(action) == command) {
            QWidget* button = bar->widgetForAction(action);
            if (!button || !button->isVisible())
                return ::testing::AssertionFailure() << "toolbar button " << command << " is not shown";
            QTest::mouseClick(button, Qt::LeftButton);
            return ::testing::AssertionSuccess();
        }
    return ::testing::AssertionFailure() << "no toolbar button " << command;
}

} // namespace crawl

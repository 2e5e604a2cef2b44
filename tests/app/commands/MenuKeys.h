#pragma once

// The main window's menus worked with the keyboard, as a user without a mouse works them: Alt and
// the menu's underlined letter opens the menu, the entry's letter chooses it. Commands may be
// delivered after the menu has closed, so the events that follow are run before the caller looks.
#include <QApplication>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace menukeys {

// Run before a test sends keys: shortcuts and mnemonics reach the active window only. The
// offscreen platform leaves the application's activation with a menu after it has closed.
inline bool Activate(QWidget* window)
{
    window->activateWindow();
    if (QApplication::activeWindow() != window)
        QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window) && QApplication::activeWindow() == window;
}

inline void RunPending()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

inline void ChooseByKeys(QWidget* window, Qt::Key menu, Qt::Key entry)
{
    ASSERT_TRUE(Activate(window));
    QTest::keyClick(window, menu, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << "Alt+" << QKeySequence(menu).toString().toStdString() << " opened no menu";
    QTest::keyClick(popup, entry);
    RunPending();
    // A disabled entry leaves its menu open; it closes as the user would close it.
    if (QWidget* still = QApplication::activePopupWidget())
        QTest::keyClick(still, Qt::Key_Escape);
}

// The toolbar's button of that action, clicked.
inline void ClickButton(QToolBar& bar, QAction* action)
{
    QWidget* button = action ? bar.widgetForAction(action) : nullptr;
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    RunPending();
}

} // namespace menukeys

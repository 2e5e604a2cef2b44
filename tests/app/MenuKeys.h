#pragma once

// The main window worked with the keyboard and the toolbar as a bidder works it: Alt and the
// menu's underlined letter open the menu, the entry's letter chooses it. A chosen command is
// queued and runs from the event loop once the menu has closed: RunPending runs it.
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <initializer_list>

namespace testsupport {

// Shortcuts and mnemonics reach the active window only: the window is activated, as the bidder's
// click on it would. (Dialogs the test's script answers give no activation back when they close,
// and the offscreen platform leaves it with a pop-up menu that has closed.)
inline ::testing::AssertionResult Activate(QWidget* window)
{
    window->activateWindow();
    if (QGuiApplication::platformName() == QLatin1String("offscreen") && QApplication::activeWindow() != window)
        QApplication::setActiveWindow(window);
    if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
        return ::testing::AssertionFailure() << "the main window is not the active one";
    return ::testing::AssertionSuccess();
}

inline void RunPending()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
}

// The entry chosen with its letter; where two entries share a letter, the keys go from one to
// the next and Enter chooses. The command is queued, not yet run.
inline ::testing::AssertionResult ChooseByKeys(QWidget* window, Qt::Key menu, std::initializer_list<Qt::Key> entry)
{
    if (auto active = Activate(window); !active)
        return active;
    QTest::keyClick(window, menu, Qt::AltModifier);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!popup)
        return ::testing::AssertionFailure() << "Alt+" << QKeySequence(menu).toString().toStdString()
                                             << " opened no menu";
    for (const Qt::Key key : entry)
        QTest::keyClick(popup, key);
    if (QApplication::activePopupWidget() == popup) {
        // A disabled entry leaves its menu open; it closes as the user would close it.
        QTest::keyClick(popup, Qt::Key_Escape);
        return ::testing::AssertionFailure() << "the menu took no entry";
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult ChooseByKeys(QWidget* window, Qt::Key menu, Qt::Key entry)
{
    return ChooseByKeys(window, menu, {entry});
}

// The toolbar's button of that action, clicked; its command is queued, not yet run.
inline ::testing::AssertionResult ClickButton(QToolBar& bar, QAction* action)
{
    QWidget* button = action ? bar.widgetForAction(action) : nullptr;
    if (!button)
        return ::testing::AssertionFailure() << "no toolbar button for the action";
    QTest::mouseClick(button, Qt::LeftButton);
    return ::testing::AssertionSuccess();
}

} // namespace testsupport

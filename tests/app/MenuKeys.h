#pragma once

// The bidder's way through the menus: Alt and the menu's letter open it on the menu bar, the
// entry's letter chooses. The chosen command runs from the event loop once the menu has closed.
#include "platform/ui/docview/FrameWnd.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace testsupport {

inline ::testing::AssertionResult ChooseByKeys(CFrameWnd& frame, Qt::Key menu, Qt::Key entry)
{
    QWidget* window = frame.GetWidget();
    // The offscreen platform leaves a closed pop-up menu the active window; an X server gives
    // the activation back to the main window by itself.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        window->activateWindow();
    if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
        return ::testing::AssertionFailure() << "the main window is not the active one";
    QTest::keyClick(window, menu, Qt::AltModifier);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!popup)
        return ::testing::AssertionFailure() << "Alt+" << QKeySequence(menu).toString().toStdString()
                                             << " opened no menu; focus on " << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "nothing")
                                             << " active " << (QApplication::activeWindow() ? QApplication::activeWindow()->metaObject()->className() : "none");
    QTest::keyClick(popup, entry);
    if (QApplication::activePopupWidget() == popup)
        return ::testing::AssertionFailure() << "the menu took no entry for "
                                             << QKeySequence(entry).toString().toStdString();
    return ::testing::AssertionSuccess();
}

} // namespace testsupport

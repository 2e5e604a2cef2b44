// The splash closes on its timer whatever is open at that moment; a message box shown while
// the splash was the active window (a proposal that fails to open from the command line) must
// not go with it.
#include "app/startup/Splash.h"
#include "platform/ui/dialogs/QtModalServices.h"

#include <QApplication>
#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(SplashClosing, AMessageBoxShownOverTheSplashOutlivesIt)
{
    platform::QtModalServices real;
    platform::ScopedModalServices installed(real);
    CSplash splash;
    ASSERT_TRUE(splash.Create());
    splash.GetWidget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(splash.GetWidget()));

    QPointer<QMessageBox> shown;
    bool seen = false, stillOpen = false;
    QTimer::singleShot(0, [&] {
        shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        seen = shown != nullptr;
        splash.SendMessage(WM_CLOSE); // what its timer does
        QTimer::singleShot(0, [&] {
            stillOpen = shown && shown->isVisible();
            if (shown)
                shown->button(QMessageBox::Ok)->click();
        });
    });
    const int answer = platform::Modal().MessageBox({"Not an TVB File\n\nempty.tvb", "Error Opening Proposal File",
                                                     MB_OK | MB_ICONEXCLAMATION});
    EXPECT_TRUE(seen);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(answer, IDOK);
    EXPECT_FALSE(splash.IsWindow());
}

} // namespace

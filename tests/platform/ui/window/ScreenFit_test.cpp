// Windows kept on the screen: shrunk to its available area when larger, moved in when they stand
// partly outside it, left alone when they fit.
#include "platform/ui/dialogs/Dialog.h"
#include "platform/ui/window/ScreenFit.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QRect Available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// A dialog that asks for more room than the screen has, from beyond its bottom right corner.
struct HugeDialog : CDialog {
    bool OnInitDialog() override
    {
        const QRect area = Available();
        GetWidget()->setGeometry(area.right() - 50, area.bottom() - 50, area.width() + 300, area.height() + 200);
        return true;
    }
};

} // namespace

TEST(ScreenFit, ADialogLargerThanTheScreenOpensShrunkInsideIt)
{
    HugeDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    QWidget* window = dialog.GetWidget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_TRUE(Available().contains(window->frameGeometry()));
    EXPECT_GE(window->frameGeometry().height(), Available().height() - 8);
    dialog.DestroyWindow();
}

TEST(ScreenFit, AWindowPartlyOutsideIsMovedInAndOneThatFitsStays)
{
    QWidget window;
    platform::KeepOnScreen(window);
    const QRect area = Available();
    window.setGeometry(area.left() - 40, area.bottom() - 100, 300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(area.contains(window.frameGeometry()));
    EXPECT_EQ(window.size(), QSize(300, 200));
    window.hide();
    window.move(area.left() + 30, area.top() + 20);
    const QRect placed = window.frameGeometry();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.frameGeometry(), placed);
}

// The print dialog's "Options >>" makes it taller while it is open: it is fitted again.
TEST(ScreenFit, AWindowThatGrowsWhileShownIsFittedAgain)
{
    QWidget window;
    platform::KeepOnScreen(window);
    const QRect area = Available();
    window.setGeometry(area.left() + 40, area.bottom() - 260, 300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(area.contains(window.frameGeometry()));
    const auto inside = [&] { return area.contains(window.frameGeometry()); };
    window.resize(320, 400);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.size() == QSize(320, 400) && inside(); }, 2000));
    // Taller than the screen: as tall as it.
    window.resize(320, area.height() + 100);
    EXPECT_TRUE(QTest::qWaitFor(inside, 2000));
}

// The main window: fitted as it opens, however large it was stored; what the user makes of it
// after is theirs.
TEST(ScreenFit, TheMainWindowIsFittedAsItOpensAndThenLeftToTheUser)
{
    QWidget window;
    const QRect area = Available();
    window.setGeometry(area.left(), area.top(), area.width() + 366, area.height() + 168);
    platform::FitOnScreenWhenFramed(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(area.contains(window.frameGeometry()));
    EXPECT_GE(window.frameGeometry().width(), area.width() - 8);

    window.resize(area.width() + 50, 300);
    QTest::qWait(100);
    EXPECT_EQ(window.width(), area.width() + 50);
}

// After a real modal dialog closes, the keyboard is back where it was: the window that was
// active is active again and its focused control has the focus. A bare X server (no window
// manager) would otherwise leave no window active, and every key after a message lost.
#include "platform/ui/dialogs/QtModalServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

TEST(KeyboardReturn, AfterARealMessageBoxTheWindowAndItsFocusedControlHaveTheKeyboardAgain)
{
    platform::QtModalServices real;
    platform::ScopedModalServices installed(real);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << "the platform gives no window the focus";
    second->setFocus();

    bool boxHadTheKeyboard = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        boxHadTheKeyboard = QTest::qWaitForWindowActive(box);
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(platform::Modal().MessageBox({"Number Format Error", "Zod", MB_OK | MB_ICONEXCLAMATION}), IDOK);
    EXPECT_TRUE(boxHadTheKeyboard);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
    EXPECT_EQ(QApplication::focusWidget(), second);
    QTest::keyClicks(QApplication::focusWidget(), "12");
    EXPECT_EQ(second->text(), "12");
}

// One box right after another (a question, then the print dialog): the second comes up before
// the window system has given the keyboard back after the first.
TEST(KeyboardReturn, AfterTwoBoxesInARowTheWindowHasTheKeyboardAgain)
{
    platform::QtModalServices real;
    platform::ScopedModalServices installed(real);
    QWidget window;
    auto* edit = new QLineEdit(&window);
    (new QVBoxLayout(&window))->addWidget(edit);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << "the platform gives no window the focus";
    edit->setFocus();
    const auto answerTheBox = [] {
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(QTest::qWaitForWindowActive(box));
            box->button(QMessageBox::Ok)->click();
        });
    };
    for (const char* text : {"File Saved.", "Print"}) {
        answerTheBox();
        EXPECT_EQ(platform::Modal().MessageBox({text, "Zod", MB_OK}), IDOK);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window && QApplication::focusWidget() == edit; }));
}

// The window a modal box blocks cannot keep the keyboard: made active, it hands it to the box.
TEST(KeyboardReturn, TheWindowAModalBoxBlocksGivesTheKeyboardToTheBox)
{
    platform::QtModalServices real;
    platform::ScopedModalServices installed(real);
    QWidget window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << "the platform gives no window the focus";
    bool boxHadTheKeyboardAgain = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(QTest::qWaitFor([box] { return QApplication::activeWindow() == box; }));
        window.activateWindow();
        QTest::qWait(50);
        boxHadTheKeyboardAgain = QTest::qWaitFor([box] { return QApplication::activeWindow() == box; });
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(platform::Modal().MessageBox({"Zod Errors", "Zod", MB_OK}), IDOK);
    EXPECT_TRUE(boxHadTheKeyboardAgain);
}

} // namespace

// The real message box answered as a user answers it, under a window manager: a Yes/No box has
// no Cancel, so Escape and the title bar's close button leave it open; the other boxes take
// Escape for their Cancel, or for OK where OK is all they have.
#include "platform/ui/dialogs/QtModalServices.h"
#include "tests/support/ModalSteps.h"
#include "tests/support/WindowManager.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

using testsupport::WindowManager;

class MessageBoxAnswers : public ::testing::Test {
protected:
    // The box the program asks with, worked by `act` once it has the keyboard.
    int Ask(unsigned type, std::function<void(QMessageBox*)> act)
    {
        testsupport::ModalSteps steps({{testsupport::OfClass<QMessageBox>(), [act](QWidget* box) {
                                            EXPECT_TRUE(QTest::qWaitForWindowExposed(box));
                                            act(static_cast<QMessageBox*>(box));
                                        }}});
        const int answer = platform::Modal().MessageBox(
            {"The File sample.tvb has changed.\nDo you want to save the changes?", "Zod", type | MB_ICONQUESTION});
        EXPECT_TRUE(steps.AllDone());
        EXPECT_EQ(steps.Strays(), 0);
        return answer;
    }

    void SetUp() override { (void)WindowManager::Start(); }

    platform::QtModalServices m_real;
    platform::ScopedModalServices m_installed{m_real};
};

} // namespace

TEST_F(MessageBoxAnswers, AYesNoBoxStaysOpenThroughEscapeAndTheCloseButtonUntilAButtonAnswers)
{
    bool openAfterEscape = false, openAfterClose = false;
    const int answer = Ask(MB_YESNO, [&](QMessageBox* box) {
        QTest::keyClick(box, Qt::Key_Escape);
        QCoreApplication::processEvents();
        openAfterEscape = box->isVisible();
        if (!openAfterEscape)
            return;
        ASSERT_TRUE(WindowManager::PressCloseButton(box)) << "no close request came";
        QCoreApplication::processEvents();
        openAfterClose = box->isVisible();
        if (openAfterClose)
            box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(openAfterEscape);
    EXPECT_TRUE(openAfterClose);
    EXPECT_EQ(answer, IDYES);
}

TEST_F(MessageBoxAnswers, EscapeIsTheCancelOfABoxWithOneAndTheOkOfABoxWithOnlyOk)
{
    const auto escape = [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); };
    EXPECT_EQ(Ask(MB_YESNOCANCEL, escape), IDCANCEL);
    EXPECT_EQ(Ask(MB_OKCANCEL, escape), IDCANCEL);
    EXPECT_EQ(Ask(MB_OK, escape), IDOK);
    const auto close = [](QMessageBox* box) { WindowManager::PressCloseButton(box); };
    EXPECT_EQ(Ask(MB_YESNOCANCEL, close), IDCANCEL);
}

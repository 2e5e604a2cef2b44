#pragma once

// Message boxes shown by the program's real modal services, answered as a user would: once the
// box is up and has taken the keyboard, Enter presses its default button. The box really takes
// the focus away from the window under it, and the window has to get it back.
#include "platform/ui/dialogs/QtModalServices.h"
#include "tests/support/ModalSteps.h"

#include <QMessageBox>
#include <QTest>

#include <memory>
#include <string>

class RealMessageBoxes {
public:
    // The next box to come up is answered; a box that never comes is not waited for forever.
    void AnswerNext()
    {
        m_steps = std::make_unique<testsupport::ModalSteps>(std::deque<testsupport::ModalStep>{
            {testsupport::OfClass<QMessageBox>(), [this](QWidget* box) {
                 ++m_answered;
                 m_hadFocus = QTest::qWaitForWindowActive(box);
                 m_caption = box->windowTitle().toStdString();
                 QTest::keyClick(box, Qt::Key_Return);
             }}});
    }

    int Answered() const { return m_answered; }
    // Whether the box had the keyboard when it was answered.
    bool HadFocus() const { return m_hadFocus; }
    const std::string& Caption() const { return m_caption; }

private:
    platform::QtModalServices m_services;
    platform::ScopedModalServices m_installed{m_services};
    std::unique_ptr<testsupport::ModalSteps> m_steps;
    int m_answered = 0;
    bool m_hadFocus = false;
    std::string m_caption;
};

#pragma once

// Message boxes shown by the program's real modal services, answered as a user would: once the
// box is up and has taken the keyboard, Enter presses its default button. The box really takes
// the focus away from the window under it, and the window has to get it back.
#include "platform/ui/dialogs/QtModalServices.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <string>

class RealMessageBoxes {
public:
    // The next box to come up is answered; a box that never comes is not waited for forever.
    void AnswerNext() { Answer(kPatience); }

    int Answered() const { return m_answered; }
    // Whether the box had the keyboard when it was answered.
    bool HadFocus() const { return m_hadFocus; }
    const std::string& Caption() const { return m_caption; }

private:
    static constexpr int kPatience = 500;

    void Answer(int patience)
    {
        QTimer::singleShot(10, [this, patience] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            // Where the platform activates no window the box is answered all the same, late.
            const bool up = box && box->isVisible() && (box->isActiveWindow() || patience < kPatience / 2);
            if (!up) {
                if (patience > 0)
                    Answer(patience - 1);
                return;
            }
            ++m_answered;
            m_hadFocus = box->isActiveWindow();
            m_caption = box->windowTitle().toStdString();
            QTest::keyClick(box, Qt::Key_Return);
        });
    }

    platform::QtModalServices m_services;
    platform::ScopedModalServices m_installed{m_services};
    int m_answered = 0;
    bool m_hadFocus = false;
    std::string m_caption;
};

#pragma once

// Real modal windows (Qt's dialogs, and the program's own run by the real modal services) worked
// as they come up. Each step waits for the window it is for and acts in it. A window no step is
// for, or a step whose window never comes, ends in closing whatever is open, so that the modal
// loop returns and the test fails instead of hanging.
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace testsupport {

struct ModalStep {
    std::function<bool(QWidget*)> isFor; // the window the step waits for
    std::function<void(QWidget*)> act;
};

class ModalSteps {
public:
    explicit ModalSteps(std::deque<ModalStep> steps) : m_state(std::make_shared<State>())
    {
        m_state->steps = std::move(steps);
        Play(m_state, kPatience);
    }
    ~ModalSteps() { m_state->finished = true; }
    ModalSteps(const ModalSteps&) = delete;
    ModalSteps& operator=(const ModalSteps&) = delete;

    bool AllDone() const { return m_state->steps.empty(); }
    // Windows closed because no step was for them.
    int Strays() const { return m_state->strays; }

private:
    struct State {
        std::deque<ModalStep> steps;
        bool finished = false;
        int strays = 0;
        std::vector<QWidget*> busy; // windows a step is still acting in
    };
    static constexpr int kPatience = 1000; // looks, 10 ms apart

    static void Play(std::shared_ptr<State> state, int patience)
    {
        QTimer::singleShot(10, [state, patience] {
            if (state->finished)
                return;
            QWidget* modal = QApplication::activeModalWidget();
            const bool shown = modal && modal->isVisible();
            if (std::find(state->busy.begin(), state->busy.end(), modal) != state->busy.end()) {
                Play(state, patience);
                return;
            }
            if (state->steps.empty() || patience == 0) {
                if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && shown) {
                    ++state->strays;
                    dialog->reject();
                }
                Play(state, std::max(patience - 1, 0));
                return;
            }
            if (!shown || !state->steps.front().isFor(modal)) {
                Play(state, patience - 1);
                return;
            }
            ModalStep step = std::move(state->steps.front());
            state->steps.pop_front();
            // Armed before acting: the step may open the next window's modal loop itself.
            Play(state, kPatience);
            state->busy.push_back(modal);
            step.act(modal);
            state->busy.pop_back();
        });
    }

    std::shared_ptr<State> m_state;
};

// The window of that title.
inline std::function<bool(QWidget*)> Titled(const QString& title)
{
    return [title](QWidget* window) { return window->windowTitle() == title; };
}

// A window of that Qt class.
template <typename T> std::function<bool(QWidget*)> OfClass()
{
    return [](QWidget* window) { return qobject_cast<T*>(window) != nullptr; };
}

} // namespace testsupport

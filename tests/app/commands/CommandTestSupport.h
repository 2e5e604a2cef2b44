#pragma once

// The program's commands run as the user runs them: through the main window's menu (or an
// accelerator), after the update pass has set each entry's state.
#include "platform/ui/docview/CommandRouting.h"
#include "resources/ResourceIds.h"
#include "tests/app/MenuKeys.h"
#include "tests/app/ShellTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

using namespace resources;

class CommandTest : public ShellTest {
protected:
    // The program with no proposal: its empty window.
    void StartEmpty()
    {
        bool started = false;
        m_app = Start({}, &started);
        Settle();
        ASSERT_TRUE(started);
    }

    // The user reads the next messages and presses OK.
    void AnswerOk(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            m_script.AnswerMessageBox(IDOK);
    }

    // The sample opened with its two amendments.
    void StartOnSample()
    {
        AnswerAmendmentReport();
        AnswerBidderId();
        StartOn(InLetting("sample.tvb"));
        ASSERT_NE(Prop(), nullptr);
    }

    QAction* MenuAction(UINT id) const
    {
        for (QAction* top : Frame().GetMenuBar()->actions())
            for (QAction* item : top->menu()->actions())
                if (platform::CommandIdOf(item) == id)
                    return item;
        return nullptr;
    }

    bool Enabled(UINT id)
    {
        Frame().UpdateCommandUI();
        QAction* action = MenuAction(id);
        return action && action->isEnabled();
    }

    bool Checked(UINT id)
    {
        Frame().UpdateCommandUI();
        QAction* action = MenuAction(id);
        return action && action->isChecked();
    }

    // Chosen from the menu as the user does: a disabled entry does nothing.
    void Choose(UINT id)
    {
        Frame().UpdateCommandUI();
        QAction* action = MenuAction(id);
        ASSERT_NE(action, nullptr) << id;
        action->trigger();
        Settle();
    }

    // The program ends as it does once its window is gone: ExitInstance writes the settings.
    int EndProgram()
    {
        const std::unique_ptr<CBidApp> app = std::move(m_app);
        return app->ExitInstance();
    }

    // The main window active, as the bidder's desktop gives it: keys go where the focus is.
    void Activate() { ASSERT_TRUE(testsupport::Activate(Frame().GetWidget())) << "the platform gives no window the focus"; }
    // A key pressed on whatever has the focus (the main window when nothing in it has), then
    // whatever the key set going has run.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : Frame().GetWidget(), key, modifiers);
        Settle();
    }
    void PressCtrl(Qt::Key key) { Press(key, Qt::ControlModifier); }
    // A menu of the menu bar opened with Alt and its letter, its entry chosen, and what it set
    // going run.
    void ChooseByKeys(Qt::Key menu, std::initializer_list<Qt::Key> entry)
    {
        ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), menu, entry));
        Settle();
    }

    // The status bar's text while the pointer is on the menu entry.
    std::string PromptOf(UINT id)
    {
        QAction* action = MenuAction(id);
        if (!action)
            return {};
        emit action->hovered();
        return Frame().GetStatusBar().GetPaneText(0);
    }

    // What was asked without an answer, or answered and never asked.
    std::string Unanswered() const
    {
        std::string text;
        for (const std::string& question : m_script.Unexpected())
            text += question + "; ";
        for (const platform::MessageBoxRequest& box : m_script.MessageBoxes())
            text += "\n[" + box.caption + "] " + box.text;
        return text;
    }

    const platform::MessageBoxRequest* LastMessage() const
    {
        return m_script.MessageBoxes().empty() ? nullptr : &m_script.MessageBoxes().back();
    }
};

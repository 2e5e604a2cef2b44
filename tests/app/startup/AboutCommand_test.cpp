// Help > About Zod... and the toolbar's About button open the About box, with or without a
// proposal, and the credits open from it: the real menu by keys, the real button, the real
// modal loops.
#include "app/dialogs/AboutDlg.h"
#include "platform/ui/dialogs/QtModalServices.h"
#include "platform/ui/docview/FrameworkIds.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/app/MenuKeys.h"
#include "tests/support/ModalSteps.h"

#include <QToolBar>

namespace {

using testsupport::Titled;

void PressButton(QWidget* window, UINT id)
{
    auto* dialog = dynamic_cast<CDialog*>(CWnd::FromWidget(window));
    ASSERT_NE(dialog, nullptr);
    CWnd* button = dialog->GetDlgItem(id);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button->GetWidget(), Qt::LeftButton);
}

class AboutCommand : public CommandTest {
protected:

    // The About box as it comes up: the credits from its button, read and closed with Return;
    // then OK.
    static std::deque<testsupport::ModalStep> AboutThenCredits(bool& creditsShown)
    {
        return {{Titled("About Tarvello Zod"),
                 [](QWidget* about) {
                     PressButton(about, CAboutDlg::IDC_CREDITS);
                     PressButton(about, IDOK);
                 }},
                {Titled("Tarvello Credits"), [&creditsShown](QWidget* credits) {
                     creditsShown = true;
                     QTest::keyClick(credits, Qt::Key_Return);
                 }}};
    }

    QAction* ToolbarAction(UINT id) const
    {
        for (QAction* action : Bar().actions())
            if (platform::CommandIdOf(action) == id)
                return action;
        return nullptr;
    }
    QToolBar& Bar() const { return *qobject_cast<QToolBar*>(Frame().GetToolBar().GetWidget()); }

    platform::QtModalServices m_real;
};

} // namespace

TEST_F(AboutCommand, HelpAboutByKeysOpensTheAboutBoxAndTheCreditsFromIt)
{
    StartEmpty();
    ASSERT_TRUE(testsupport::Activate(Frame().GetWidget()));
    EXPECT_TRUE(Enabled(ID_APP_ABOUT));
    platform::ScopedModalServices installed(m_real);
    bool creditsShown = false;
    testsupport::ModalSteps user(AboutThenCredits(creditsShown));
    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_H, Qt::Key_A));
    testsupport::RunPending();
    Settle();
    EXPECT_TRUE(user.AllDone()) << "the About box or the credits did not come up";
    EXPECT_TRUE(creditsShown);
    EXPECT_EQ(user.Strays(), 0);
}

TEST_F(AboutCommand, TheToolbarButtonOpensTheAboutBoxWithAProposalOpenToo)
{
    StartOnSample();
    ASSERT_TRUE(testsupport::Activate(Frame().GetWidget()));
    Frame().UpdateCommandUI();
    EXPECT_TRUE(Frame().GetToolBar().IsButtonEnabled(ID_APP_ABOUT));
    platform::ScopedModalServices installed(m_real);
    bool creditsShown = false;
    testsupport::ModalSteps user(AboutThenCredits(creditsShown));
    ASSERT_TRUE(testsupport::ClickButton(Bar(), ToolbarAction(ID_APP_ABOUT)));
    testsupport::RunPending();
    Settle();
    EXPECT_TRUE(user.AllDone()) << "the About box or the credits did not come up";
    EXPECT_TRUE(creditsShown);
    EXPECT_EQ(user.Strays(), 0);
}

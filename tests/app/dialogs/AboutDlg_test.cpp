// The About box and the credits it opens.
#include "app/dialogs/AboutDlg.h"
#include "app/dialogs/ShowCrd.h"
#include "tests/app/dialogs/DialogTestSupport.h"

namespace {

using namespace dialogtest;

class AboutBox : public DialogTest {
protected:
    CAboutDlg m_dialog;
};

// Ticks until the credits end; the ticks at which the text wrapped.
std::vector<int> TickToTheEnd(CShowCrd& credits, int limit)
{
    std::vector<int> wraps;
    for (int tick = 1; tick <= limit && !credits.HasEnded(); ++tick) {
        const int passes = credits.GetPasses();
        credits.OnTimer(CShowCrd::kTimerId);
        QApplication::processEvents();
        if (credits.GetPasses() != passes)
            wraps.push_back(tick);
    }
    return wraps;
}

} // namespace

TEST_F(AboutBox, CreditsOpenFromTheirButtonOrFromOkWithShiftAndPlainOkCloses)
{
    const int result = Run(m_dialog, [&] {
        m_script.AnswerDialogWith(IDOK);
        Click(m_dialog.GetDlgItem(CAboutDlg::IDC_CREDITS));
        m_script.AnswerDialogWith(IDOK);
        Click(m_dialog.GetDlgItem(IDOK), Qt::ShiftModifier);
        EXPECT_FALSE(m_dialog.HasEnded());
        Click(m_dialog.GetDlgItem(IDOK));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_script.DialogTitles(),
              (std::vector<std::string>{"About Tarvello Zod", "Tarvello Credits", "Tarvello Credits"}));
    EXPECT_TRUE(m_script.AllAnswered());
}

TEST_F(AboutBox, TheCreditsScrollAndEndByThemselvesAtTheFourthWrap)
{
    CShowCrd credits;
    std::vector<int> wraps;
    const int result = Run(credits, [&] {
        EXPECT_TRUE(QTest::qWaitFor([&] { return credits.GetOffset() > 0; }, 5000));
        credits.KillTimer(CShowCrd::kTimerId); // the ticks from here are the test's
        credits.OnTimer(0); // not its timer: nothing moves
        wraps = TickToTheEnd(credits, 100000);
    });
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(wraps.size(), 4u);
    // Each pass scrolls the whole text by, one step a tick.
    EXPECT_EQ(wraps[3] - wraps[2], wraps[1] - wraps[0]);
    EXPECT_GT(wraps[1] - wraps[0], 300);
}

TEST_F(AboutBox, OkEndsTheCreditsAtAnyTime)
{
    CShowCrd credits;
    EXPECT_EQ(Run(credits, [&] {
                  credits.OnTimer(CShowCrd::kTimerId);
                  QTest::keyClick(credits.ModalWindow(), Qt::Key_Return);
              }),
              IDOK);
}

// A window that sends the focus on while losing it: the first target never hears it had the
// focus, as on Windows (an in-place editor that ends its edit and opens the next one relies on
// this).
#include "platform/ui/window/Cursor.h"
#include "platform/ui/window/Wnd.h"

#include <QCursor>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Logged : public CWnd {
public:
    Logged(std::vector<std::string>& log, std::string name) : m_log(log), m_name(std::move(name)) {}
    void OnSetFocus(CWnd*) override { m_log.push_back(m_name + " set"); }
    void OnKillFocus(CWnd* gaining) override
    {
        m_log.push_back(m_name + " kill");
        if (sendOnTo && gaining != sendOnTo)
            sendOnTo->SetFocus();
    }
    CWnd* sendOnTo = nullptr;

private:
    std::vector<std::string>& m_log;
    std::string m_name;
};

} // namespace

TEST(FocusHandOver, AWindowThatMovesTheFocusOnWhileLosingItKeepsTheFirstTargetUntold)
{
    std::vector<std::string> log;
    CWnd top;
    Logged editor(log, "editor"), grid(log, "grid"), next(log, "next");
    ASSERT_TRUE(top.Create(nullptr, "", 0, CRect(0, 0, 300, 200), nullptr, 0));
    for (Logged* w : {&editor, &grid, &next})
        ASSERT_TRUE(w->Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), &top, 1));
    top.ShowWindow(SW_SHOW);
    top.GetWidget()->activateWindow();
    if (!QTest::qWaitForWindowActive(top.GetWidget()))
        GTEST_SKIP() << "the platform gives no window the focus";
    editor.SetFocus();
    log.clear();
    editor.sendOnTo = &next;
    grid.SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"editor kill", "next set"}));
    EXPECT_EQ(CWnd::GetFocus(), &next);
}

TEST(FocusHandOver, TheCursorPositionIsTheScreenPointOfThePointer)
{
    QCursor::setPos(QPoint(123, 45));
    POINT at{};
    ASSERT_TRUE(GetCursorPos(&at));
    EXPECT_EQ(at.x, QCursor::pos().x());
    EXPECT_EQ(at.y, QCursor::pos().y());
    EXPECT_FALSE(GetCursorPos(nullptr));
}

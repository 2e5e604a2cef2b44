// A window that sends the focus on while losing it: the first target never hears it had the
// focus, as on Windows (an in-place editor that ends its edit and opens the next one relies on
// this).
#include "platform/ui/controls/Edit.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/window/Cursor.h"
#include "platform/ui/window/VirtualKeys.h"
#include "platform/ui/window/Wnd.h"
#include "tests/support/PointerMoves.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
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
        GTEST_FAIL() << "the platform gives no window the focus";
    editor.SetFocus();
    log.clear();
    editor.sendOnTo = &next;
    grid.SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"editor kill", "next set"}));
    EXPECT_EQ(CWnd::GetFocus(), &next);
}

TEST(FocusHandOver, TheCursorPositionIsTheScreenPointOfTheLatestMouseEvent)
{
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, CRect(40, 30, 240, 130), nullptr, 0));
    QWidget& widget = *window.GetWidget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    testsupport::HoverMouse(&widget, QPoint(83, 15));
    POINT at{};
    ASSERT_TRUE(GetCursorPos(&at));
    const QPoint expected = widget.mapToGlobal(QPoint(83, 15));
    EXPECT_EQ(at.x, expected.x());
    EXPECT_EQ(at.y, expected.y());
    EXPECT_FALSE(GetCursorPos(nullptr));
}

TEST(FocusHandOver, AKeyLeftByAWindowThatGaveItsParentTheFocusIsNotTheParents)
{
    struct Parent : CWnd {
        void OnKeyDown(UINT key, UINT, UINT) override { keys.push_back(key); }
        UINT OnGetDlgCode() override { return DLGC_WANTALLKEYS; }
        std::vector<UINT> keys;
    } parent;
    // Enter hands the focus back to the parent and leaves the key to the edit, which has no use
    // for it: Qt offers it to the parent next.
    struct Handing : CEdit {
        void OnKeyDown(UINT key, UINT repeat, UINT flags) override
        {
            if (key == VK_RETURN)
                GetParent()->SetFocus();
            CEdit::OnKeyDown(key, repeat, flags);
        }
    } edit;
    ASSERT_TRUE(parent.Create(nullptr, "", 0, CRect(0, 0, 200, 100), nullptr, 0));
    ASSERT_TRUE(edit.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 24), &parent, 1));
    parent.ShowWindow(SW_SHOW);
    parent.GetWidget()->activateWindow();
    if (!QTest::qWaitForWindowActive(parent.GetWidget()))
        GTEST_FAIL() << "the platform gives no window the focus";
    edit.SetFocus();
    QTest::keyClick(edit.GetWidget(), Qt::Key_Return);
    EXPECT_EQ(CWnd::GetFocus(), &parent);
    EXPECT_TRUE(parent.keys.empty());
    QTest::keyClick(parent.GetWidget(), Qt::Key_A);
    EXPECT_EQ(parent.keys, (std::vector<UINT>{'A'}));
}

TEST(FocusHandOver, APopUpMadeNeverToActivateLeavesTheActiveWindowAndFocusAlone)
{
    CWnd top, field, hint;
    ASSERT_TRUE(top.Create(nullptr, "", 0, CRect(0, 0, 200, 100), nullptr, 0));
    ASSERT_TRUE(field.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 50, 20), &top, 1));
    top.ShowWindow(SW_SHOW);
    top.GetWidget()->activateWindow();
    if (!QTest::qWaitForWindowActive(top.GetWidget()))
        GTEST_FAIL() << "the platform gives no window the focus";
    field.SetFocus();
    ASSERT_TRUE(hint.CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, nullptr, "", WS_POPUP | WS_BORDER,
                              CRect(300, 300, 360, 320), nullptr, 0));
    hint.ShowWindow(SW_SHOWNA);
    QTest::qWait(20);
    EXPECT_TRUE(hint.IsWindowVisible());
    EXPECT_TRUE(top.GetWidget()->isActiveWindow());
    EXPECT_EQ(CWnd::GetFocus(), &field);
}

namespace {

class PaintCounted : public CWnd {
public:
    void OnPaint() override
    {
        CPaintDC dc(this);
        ++paints;
    }
    int paints = 0;
};

} // namespace

// On Windows a focus change repaints nothing by itself; a grid of thousands of rows that takes
// the focus back at every entered price must not be painted whole each time.
TEST(FocusHandOver, AFocusChangeRepaintsNeitherWindowByItself)
{
    CWnd top;
    PaintCounted first, second;
    ASSERT_TRUE(top.Create(nullptr, "", 0, CRect(0, 0, 300, 200), nullptr, 0));
    ASSERT_TRUE(first.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &top, 1));
    ASSERT_TRUE(second.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(100, 0, 200, 100), &top, 2));
    top.ShowWindow(SW_SHOW);
    top.GetWidget()->activateWindow();
    if (!QTest::qWaitForWindowActive(top.GetWidget()))
        GTEST_FAIL() << "the platform gives no window the focus";
    first.SetFocus();
    QApplication::processEvents();
    first.paints = second.paints = 0;
    second.SetFocus();
    first.SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(CWnd::GetFocus(), &first);
    EXPECT_EQ(first.paints, 0);
    EXPECT_EQ(second.paints, 0);
}

// A dialog that closes leaves no window active where no window manager picks the next one: the
// program gives the keyboard back itself.
TEST(FocusHandOver, SetActiveWindowActivatesTheTopLevelWindowOfAChild)
{
    CWnd first, second, field;
    ASSERT_TRUE(first.Create(nullptr, "", 0, CRect(0, 0, 200, 100), nullptr, 0));
    ASSERT_TRUE(second.Create(nullptr, "", 0, CRect(220, 0, 420, 100), nullptr, 0));
    ASSERT_TRUE(field.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &second, 1));
    first.ShowWindow(SW_SHOW);
    second.ShowWindow(SW_SHOW);
    first.GetWidget()->activateWindow();
    if (!QTest::qWaitForWindowActive(first.GetWidget()))
        GTEST_SKIP() << "the platform gives no window the focus";
    field.SetFocus();
    EXPECT_EQ(CWnd::GetFocus(), nullptr); // its window is not the active one

    EXPECT_EQ(field.SetActiveWindow(), &first);
    ASSERT_TRUE(QTest::qWaitForWindowActive(second.GetWidget()));
    EXPECT_EQ(CWnd::GetFocus(), &field);
}

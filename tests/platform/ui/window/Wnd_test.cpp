#include "platform/ui/draw/DC.h"
#include "platform/ui/window/InputState.h"
#include "platform/ui/window/VirtualKeys.h"
#include "platform/ui/window/Wnd.h"

#include <QApplication>
#include <QTest>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Logs the handlers it receives.
class SpyWnd : public CWnd {
public:
    std::vector<std::string> log;
    UINT dlgCode = 0;
    bool passKeysOn = false;

    void OnLButtonDown(UINT flags, CPoint p) override { Log("ldown", flags, p); }
    void OnLButtonUp(UINT flags, CPoint p) override { Log("lup", flags, p); }
    void OnLButtonDblClk(UINT flags, CPoint p) override { Log("ldbl", flags, p); }
    void OnRButtonDown(UINT flags, CPoint p) override { Log("rdown", flags, p); }
    void OnMouseMove(UINT flags, CPoint p) override { Log("move", flags, p); }
    bool OnMouseWheel(UINT, short delta, CPoint) override
    {
        log.push_back("wheel " + std::to_string(delta));
        return true;
    }
    void OnKeyDown(UINT vk, UINT, UINT) override
    {
        log.push_back("keydown " + std::to_string(vk));
        if (passKeysOn)
            CWnd::OnKeyDown(vk, 1, 0);
    }
    void OnKeyUp(UINT vk, UINT, UINT) override { log.push_back("keyup " + std::to_string(vk)); }
    void OnChar(UINT ch, UINT, UINT) override { log.push_back("char " + std::to_string(ch)); }
    UINT OnGetDlgCode() override { return dlgCode; }
    void OnSize(UINT, int cx, int cy) override
    {
        log.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy));
    }
    void OnSetFocus(CWnd* losing) override { focusFrom = losing; log.push_back("setfocus"); }
    void OnKillFocus(CWnd* gaining) override { focusTo = gaining; log.push_back("killfocus"); }
    void OnTimer(UINT_PTR id) override { log.push_back("timer " + std::to_string(id)); }
    LRESULT OnMessage(UINT msg, WPARAM w, LPARAM l) override
    {
        log.push_back("msg " + std::to_string(msg - WM_USER) + " " + std::to_string(w) + " " +
                      std::to_string(l));
        return LRESULT(w + l);
    }
    void OnPaint() override
    {
        CPaintDC dc(this);
        dc.FillSolidRect(&dc.m_ps.rcPaint, RGB(255, 0, 0));
        ++paints;
    }

    CWnd* focusFrom = nullptr;
    CWnd* focusTo = nullptr;
    int paints = 0;

private:
    void Log(const char* what, UINT flags, CPoint p)
    {
        log.push_back(std::string(what) + " " + std::to_string(flags) + " " + std::to_string(p.x) +
                      "," + std::to_string(p.y));
    }
};

class WndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create(nullptr, "frame", WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
        ASSERT_TRUE(child.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 60), &frame, 7));
        frame.GetWidget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.GetWidget()));
        child.log.clear();
    }

    QWidget* W() { return child.GetWidget(); }

    SpyWnd frame;
    SpyWnd child;
};

} // namespace

TEST_F(WndTest, MouseButtonsReachHandlersWithClientPointsAndFlags)
{
    QTest::mousePress(W(), Qt::RightButton, Qt::NoModifier, QPoint(1, 2));
    QTest::mouseRelease(W(), Qt::RightButton, Qt::NoModifier, QPoint(1, 2));
    QTest::mousePress(W(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 6));
    QTest::mouseRelease(W(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    QTest::mouseDClick(W(), Qt::LeftButton, Qt::ControlModifier, QPoint(7, 8));
    ASSERT_GE(child.log.size(), 4u);
    // QTest keeps a button state across tests; only the right-button bit is certain here.
    EXPECT_TRUE(child.log[0].starts_with("rdown ") && child.log[0].ends_with(" 1,2"));
    EXPECT_TRUE(std::stoi(child.log[0].substr(6)) & MK_RBUTTON);
    EXPECT_EQ(child.log[1], "ldown " + std::to_string(MK_LBUTTON | MK_SHIFT) + " 5,6");
    EXPECT_EQ(child.log[2], "lup 0 5,6");
    EXPECT_NE(std::find(child.log.begin(), child.log.end(),
                        "ldbl " + std::to_string(MK_LBUTTON | MK_CONTROL) + " 7,8"),
              child.log.end());
}

TEST_F(WndTest, KeysArriveAsWindowsVirtualKeysFollowedByCharacters)
{
    child.SetFocus();
    QTest::keyClick(W(), Qt::Key_A);
    QTest::keyClick(W(), Qt::Key_Down);
    QTest::keyClick(W(), Qt::Key_F2);
    QTest::keyClick(W(), Qt::Key_Return);
    QTest::keyClick(W(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(W(), Qt::Key_5, Qt::KeypadModifier);
    std::vector<std::string> expected = {
        "keydown 65", "char 97", "keyup 65",
        "keydown 40", "keyup 40",
        "keydown 113", "keyup 113",
        "keydown 13", "char 13", "keyup 13",
        "keydown 17", "keydown 67", "char 3", "keyup 67", "keyup 17",
        "keydown 101", "char 53", "keyup 101",
    };
    std::erase_if(child.log, [](const std::string& s) { return s.find("focus") != std::string::npos; });
    EXPECT_EQ(child.log, expected);
}

TEST(VirtualKeys, PunctuationAndShiftedDigitsUseTheirKeys)
{
    struct Case { int qt; bool keypad; UINT vk; };
    const Case cases[] = {
        {Qt::Key_Semicolon, false, VK_OEM_1}, {Qt::Key_Colon, false, VK_OEM_1},
        {Qt::Key_Minus, false, VK_OEM_MINUS}, {Qt::Key_Minus, true, VK_SUBTRACT},
        {Qt::Key_Period, true, VK_DECIMAL}, {Qt::Key_Exclam, false, '1'},
        {Qt::Key_ParenRight, false, '0'}, {Qt::Key_PageUp, false, VK_PRIOR},
        {Qt::Key_Delete, false, VK_DELETE}, {Qt::Key_F24, false, VK_F1 + 23},
        {Qt::Key_Backtab, false, VK_TAB}, {Qt::Key_Enter, true, VK_RETURN},
        {Qt::Key_unknown, false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::VirtualKeyFromQt(c.qt, c.keypad), c.vk) << c.qt;
}

TEST(VirtualKeys, CharactersAreWindows1252Codes)
{
    EXPECT_EQ(platform::CharCodeFromKey(0x20ac, false, "\xE2\x82\xAC"), 0x80);
    EXPECT_EQ(platform::CharCodeFromKey(Qt::Key_Eacute, false, "\xC3\xA9"), 0xE9);
    EXPECT_EQ(platform::CharCodeFromKey(0, false, "\xE4\xB8\xAD"), -1); // no such character
    EXPECT_EQ(platform::CharCodeFromKey(Qt::Key_Question, false, "?"), '?');
    EXPECT_EQ(platform::CharCodeFromKey(Qt::Key_Escape, false, "\x1b"), 27);
    EXPECT_EQ(platform::CharCodeFromKey(Qt::Key_Backtab, false, "\x19"), 9);
    EXPECT_EQ(platform::CharCodeFromKey(Qt::Key_Z, true, ""), 26);
    EXPECT_EQ(platform::CharCodeFromKey(Qt::Key_Shift, false, ""), -1);
}

TEST_F(WndTest, TabGoesToTheWindowOnlyWhenItAsksForIt)
{
    child.SetFocus();
    QTest::keyClick(W(), Qt::Key_Tab);
    EXPECT_TRUE(std::none_of(child.log.begin(), child.log.end(),
                             [](const std::string& s) { return s == "keydown 9"; }));
    child.dlgCode = DLGC_WANTTAB;
    child.SetFocus();
    child.log.clear();
    QTest::keyClick(W(), Qt::Key_Tab);
    EXPECT_EQ(child.log.front(), "keydown 9");
}

TEST_F(WndTest, WheelStepsAccumulateToWholeNotches)
{
    auto wheel = [&](int dy) {
        QWheelEvent e(QPointF(5, 5), W()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, dy),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(W(), &e);
    };
    wheel(40);
    wheel(40);
    EXPECT_TRUE(child.log.empty());
    wheel(50); // 130: one notch, 10 kept
    wheel(-30); // the other way starts afresh
    wheel(-90);
    wheel(360);
    EXPECT_EQ(child.log, (std::vector<std::string>{"wheel 120", "wheel -120", "wheel 360"}));
}

TEST_F(WndTest, FocusHandlersNameTheOtherWindow)
{
    SpyWnd other;
    ASSERT_TRUE(other.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 100, 50, 150), &frame, 8));
    child.SetFocus();
    EXPECT_EQ(CWnd::GetFocus(), &child);
    EXPECT_EQ(other.SetFocus(), &child);
    EXPECT_EQ(child.focusTo, &other);
    EXPECT_EQ(other.focusFrom, &child);
    EXPECT_EQ(child.log.back(), "killfocus");
    EXPECT_EQ(CWnd::GetFocus(), &other);
}

TEST_F(WndTest, PostedMessagesWaitForTheEventLoopAndSentOnesDoNot)
{
    EXPECT_EQ(child.SendMessage(WM_USER + 1, 2, 3), 5);
    EXPECT_EQ(child.log, (std::vector<std::string>{"msg 1 2 3"}));
    EXPECT_TRUE(child.PostMessage(WM_USER + 2, 4, 5));
    EXPECT_TRUE(child.PostMessage(WM_USER + 3, 6, 7));
    EXPECT_EQ(child.log.size(), 1u); // not inline
    QCoreApplication::processEvents();
    EXPECT_EQ(child.log, (std::vector<std::string>{"msg 1 2 3", "msg 2 4 5", "msg 3 6 7"}));
}

TEST_F(WndTest, MessagesPostedToADestroyedWindowAreDropped)
{
    auto doomed = std::make_unique<SpyWnd>();
    ASSERT_TRUE(doomed->Create(nullptr, "", WS_CHILD, CRect(0, 0, 5, 5), &frame, 9));
    EXPECT_TRUE(doomed->PostMessage(WM_USER + 1));
    doomed.reset();
    QCoreApplication::processEvents(); // must not touch the freed window
    EXPECT_FALSE(SpyWnd().PostMessage(WM_USER + 1)); // no window, no message
}

TEST(RegisteredMessages, OneIdPerNameIgnoringCase)
{
    UINT a = RegisterWindowMessage("ZodFindReplace");
    UINT b = RegisterWindowMessage("ZodOther");
    EXPECT_GE(a, WM_REGISTERED_FIRST);
    EXPECT_NE(a, b);
    EXPECT_EQ(RegisterWindowMessage("zodfindreplace"), a);
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
    EXPECT_EQ(RegisterWindowMessage(nullptr), 0u);
}

TEST_F(WndTest, ChildrenAreFoundByIdAndKnowTheirParent)
{
    // A grid's section 1 inside a dialog is no answer for the dialog's IDOK (1).
    SpyWnd grandchild;
    ASSERT_TRUE(grandchild.Create(nullptr, "", WS_CHILD, CRect(0, 0, 5, 5), &child, 1));
    SpyWnd ok;
    ASSERT_TRUE(ok.Create(nullptr, "", WS_CHILD, CRect(0, 0, 5, 5), &frame, 1));
    EXPECT_EQ(frame.GetDlgItem(7), &child);
    EXPECT_EQ(frame.GetDlgItem(1), &ok);
    EXPECT_EQ(child.GetDlgItem(1), &grandchild);
    ok.DestroyWindow();
    EXPECT_EQ(frame.GetDlgItem(1), nullptr);
    // Widgets that are no window are looked through.
    QWidget inner(frame.GetWidget());
    SpyWnd held;
    ASSERT_TRUE(held.Attach(new QWidget(&inner), 44, true));
    EXPECT_EQ(frame.GetDlgItem(44), &held);
    EXPECT_EQ(held.GetParent(), &frame);
    EXPECT_EQ(grandchild.GetParent(), &child);
    EXPECT_EQ(grandchild.GetTopLevelParent(), &frame);
    EXPECT_TRUE(frame.IsChild(&grandchild));
    EXPECT_FALSE(child.IsChild(&frame));
    EXPECT_FALSE(grandchild.Create(nullptr, "", WS_CHILD, CRect(), &child, 43)); // exists
}

TEST_F(WndTest, SizeGeometryAndVisibility)
{
    child.MoveWindow(20, 30, 50, 40);
    EXPECT_EQ(child.log, (std::vector<std::string>{"size 50x40"}));
    CRect client;
    child.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 50, 40));
    CPoint p(1, 2);
    child.ClientToScreen(&p);
    child.ScreenToClient(&p);
    EXPECT_EQ(p, CPoint(1, 2));
    CRect window, frameRect;
    child.GetWindowRect(&window);
    frame.GetWindowRect(&frameRect);
    EXPECT_EQ(window.left - frameRect.left, 20);
    EXPECT_TRUE(child.ShowWindow(SW_HIDE));
    EXPECT_FALSE(child.IsWindowVisible());
    EXPECT_FALSE(child.EnableWindow(false));
    EXPECT_TRUE(child.EnableWindow(true));
    child.MoveWindow(0, 0, -5, -5); // negative sizes clamp to empty
    child.GetClientRect(&client);
    EXPECT_TRUE(client.IsRectNull());
}

TEST_F(WndTest, InvalidatedAreaIsPaintedByUpdateWindow)
{
    int before = child.paints;
    CRect part(0, 0, 10, 10);
    child.InvalidateRect(&part);
    CRect pending;
    EXPECT_TRUE(child.GetUpdateRect(&pending));
    EXPECT_EQ(pending, part);
    child.UpdateWindow();
    EXPECT_EQ(child.paints, before + 1);
    EXPECT_FALSE(child.GetUpdateRect(nullptr));
    QImage shot = W()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(255, 0, 0));
}

TEST_F(WndTest, TimersFireUntilKilled)
{
    EXPECT_EQ(child.SetTimer(5, 1), 5u);
    EXPECT_EQ(child.SetTimer(0, 1), 0u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !child.log.empty(); }, 5000));
    ASSERT_FALSE(child.log.empty());
    EXPECT_EQ(child.log.front(), "timer 5");
    EXPECT_TRUE(child.KillTimer(5));
    EXPECT_FALSE(child.KillTimer(5));
}

TEST_F(WndTest, CaptureIsHeldUntilReleasedOrDestroyed)
{
    EXPECT_EQ(child.SetCapture(), nullptr);
    EXPECT_EQ(CWnd::GetCapture(), &child);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    {
        SpyWnd temporary;
        ASSERT_TRUE(temporary.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), &frame, 3));
        temporary.SetCapture();
    }
    EXPECT_EQ(CWnd::GetCapture(), nullptr); // no dangling capture window
}

TEST_F(WndTest, MouseMovesWithoutButtonsArrive)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), W()->mapToGlobal(QPointF(4, 4)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(W(), &move);
    EXPECT_EQ(child.log, (std::vector<std::string>{"move 0 4,4"}));
}

TEST_F(WndTest, SetCursorAppliesToTheWindowHandlingTheMouse)
{
    class Sizer : public CWnd {
        void OnMouseMove(UINT, CPoint) override { ::SetCursor(LoadStandardCursor(IDC_SIZEWE)); }
    } sizer;
    ASSERT_TRUE(sizer.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &frame, 4));
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), sizer.GetWidget()->mapToGlobal(QPointF(3, 3)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(sizer.GetWidget(), &move);
    EXPECT_EQ(sizer.GetWidget()->cursor().shape(), Qt::SizeHorCursor);
    EXPECT_EQ(LoadStandardCursor(12345), nullptr);
    EXPECT_EQ(CursorId(LoadStandardCursor(IDC_WAIT)), IDC_WAIT);
}

TEST_F(WndTest, DestroyingAParentDestroysChildWindowsFirst)
{
    struct Tracker : CWnd {
        std::vector<std::string>* order;
        std::string name;
        void OnDestroy() override { order->push_back(name); }
    };
    std::vector<std::string> order;
    Tracker parent, kid;
    parent.order = kid.order = &order;
    parent.name = "parent";
    kid.name = "kid";
    ASSERT_TRUE(parent.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), &frame, 11));
    ASSERT_TRUE(kid.Create(nullptr, "", WS_CHILD, CRect(0, 0, 5, 5), &parent, 12));
    parent.DestroyWindow();
    EXPECT_EQ(order, (std::vector<std::string>{"parent", "kid"})); // each once
    kid.DestroyWindow();
    EXPECT_EQ(order.size(), 2u);
    EXPECT_FALSE(kid.IsWindow());
    EXPECT_EQ(frame.GetDlgItem(12), nullptr);
}

TEST_F(WndTest, ClosingAWindowRunsOnCloseAndSurvivesDeletionInsideIt)
{
    SpyWnd top;
    ASSERT_TRUE(top.Create(nullptr, "top", WS_VISIBLE, CRect(0, 0, 50, 50), nullptr, 0));
    top.GetWidget()->close(); // default OnClose destroys the window
    EXPECT_FALSE(top.IsWindow());
    QCoreApplication::processEvents();
}

TEST_F(WndTest, WindowTextCrossesAsWindows1252)
{
    child.SetWindowText("\x93quoted\x94 \x80 caf\xE9");
    EXPECT_EQ(W()->windowTitle(), QString::fromUtf8("\u201Cquoted\u201D \u20AC caf\u00E9"));
    EXPECT_EQ(child.GetWindowText(), "\x93quoted\x94 \x80 caf\xE9");
    W()->setWindowTitle(QString::fromUtf8("\u4E2D x")); // no Windows-1252 form
    EXPECT_EQ(child.GetWindowText(), "? x");
}

TEST_F(WndTest, ThePointerIsWhereTheLatestMouseEventWas)
{
    platform::EnsureInputTracking();
    QTest::mouseClick(W(), Qt::RightButton, Qt::NoModifier, QPoint(21, 13));
    POINT point{};
    ASSERT_TRUE(GetCursorPos(&point));
    const QPoint global = W()->mapToGlobal(QPoint(21, 13));
    EXPECT_EQ(point.x, global.x());
    EXPECT_EQ(point.y, global.y());
}

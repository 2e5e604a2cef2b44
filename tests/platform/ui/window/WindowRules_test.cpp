// The rules of windows that the screens rely on: input stays with its window, hidden windows
// stay hidden, sent keys act like typed ones, styles take effect, and OnDestroy runs once.
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/Static.h"
#include "platform/ui/docview/FrameWnd.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "platform/ui/window/VirtualKeys.h"
#include "platform/ui/window/Wnd.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// Logs its handlers under a name and passes every event on, as a window without its own use
// for them does.
class PassingWnd : public CWnd {
public:
    PassingWnd(std::vector<std::string>& log, std::string name) : m_log(log), m_name(std::move(name)) {}
    void OnLButtonDown(UINT f, CPoint p) override { Note("ldown"); CWnd::OnLButtonDown(f, p); }
    void OnLButtonUp(UINT f, CPoint p) override { Note("lup"); CWnd::OnLButtonUp(f, p); }
    void OnKeyDown(UINT vk, UINT r, UINT f) override { Note("key " + std::to_string(vk)); CWnd::OnKeyDown(vk, r, f); }
    void OnChar(UINT c, UINT r, UINT f) override { Note("char " + std::to_string(c)); CWnd::OnChar(c, r, f); }
    bool OnMouseWheel(UINT f, short d, CPoint p) override { Note("wheel"); return CWnd::OnMouseWheel(f, d, p); }
    UINT OnGetDlgCode() override { return DLGC_WANTALLKEYS; }

private:
    void Note(const std::string& what) { m_log.push_back(m_name + " " + what); }
    std::vector<std::string>& m_log;
    std::string m_name;
};

bool ShowAndActivate(CWnd& top)
{
    top.ShowWindow(SW_SHOW);
    top.GetWidget()->activateWindow();
    return QTest::qWaitForWindowActive(top.GetWidget());
}

} // namespace

TEST(WindowRules, InputPassedOnByAChildStaysWithTheChild)
{
    std::vector<std::string> log;
    PassingWnd parent(log, "parent"), child(log, "child");
    ASSERT_TRUE(parent.Create(nullptr, "", 0, CRect(0, 0, 300, 200), nullptr, 0));
    ASSERT_TRUE(child.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 110, 60), &parent, 1));
    CEdit edit;
    ASSERT_TRUE(edit.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 100, 110, 124), &parent, 2));
    if (!ShowAndActivate(parent))
        GTEST_FAIL() << "the platform gives no window the focus";

    QTest::mouseClick(child.GetWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    child.SetFocus();
    QTest::keyClick(child.GetWidget(), Qt::Key_A);
    EXPECT_EQ(log, (std::vector<std::string>{"child ldown", "child lup", "child key 65", "child char 97"}));

    log.clear();
    edit.SetFocus();
    QTest::keyClicks(edit.GetWidget(), "ok");
    QTest::keyClick(edit.GetWidget(), Qt::Key_F5);
    EXPECT_EQ(edit.GetWindowText(), "ok");
    EXPECT_TRUE(log.empty()); // not the parent's keys or characters

    // A wheel turn nobody uses goes on to the parent, as on Windows.
    QWheelEvent turn(QPointF(5, 5), child.GetWidget()->mapToGlobal(QPointF(5, 5)), QPoint(),
                     QPoint(0, WHEEL_DELTA), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(child.GetWidget(), &turn);
    EXPECT_EQ(log, (std::vector<std::string>{"child wheel", "parent wheel"}));
}

TEST(WindowRules, AChildMadeWithoutWsVisibleStaysHiddenWhenItsParentShows)
{
    CWnd top, hidden, shown;
    ASSERT_TRUE(top.Create(nullptr, "", 0, CRect(0, 0, 200, 100), nullptr, 0));
    ASSERT_TRUE(hidden.Create(nullptr, "", WS_CHILD, CRect(0, 0, 50, 20), &top, 1));
    ASSERT_TRUE(shown.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 30, 50, 50), &top, 2));
    top.ShowWindow(SW_SHOW);
    EXPECT_FALSE(hidden.IsWindowVisible());
    EXPECT_FALSE(hidden.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(shown.IsWindowVisible());
    hidden.ShowWindow(SW_SHOW);
    EXPECT_TRUE(hidden.IsWindowVisible());
}

TEST(WindowRules, SentKeysAndCharactersReachTheHandlersAndTypeIntoAnEdit)
{
    struct Counting : CEdit {
        std::vector<UINT> chars;
        std::vector<UINT> keys;
        UINT refuse = 0;
        void OnChar(UINT c, UINT r, UINT f) override
        {
            chars.push_back(c);
            if (c != refuse)
                CEdit::OnChar(c, r, f);
        }
        void OnKeyDown(UINT vk, UINT r, UINT f) override
        {
            keys.push_back(vk);
            CEdit::OnKeyDown(vk, r, f);
        }
    } edit;
    CWnd top;
    ASSERT_TRUE(top.Create(nullptr, "", 0, CRect(0, 0, 200, 100), nullptr, 0));
    ASSERT_TRUE(edit.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 150, 24), &top, 1));
    edit.refuse = 'q';
    for (UINT c : {UINT('x'), UINT('q'), UINT('y'), 0xE9u})
        edit.SendMessage(WM_CHAR, c);
    EXPECT_EQ(edit.GetWindowText(), "xy\xE9");
    edit.SendMessage(WM_CHAR, VK_BACK);
    edit.SendMessage(WM_KEYDOWN, VK_HOME);
    edit.SendMessage(WM_KEYDOWN, 'A'); // a key that types acts through its character only
    edit.SendMessage(WM_CHAR, 'z');
    EXPECT_EQ(edit.GetWindowText(), "zxy");
    EXPECT_EQ(edit.chars, (std::vector<UINT>{'x', 'q', 'y', 0xE9, VK_BACK, 'z'}));
    EXPECT_EQ(edit.keys, (std::vector<UINT>{VK_HOME, 'A'}));
}

TEST(WindowRules, StyleChangesTakeEffectAndAreReadBack)
{
    std::vector<std::string> log;
    CWnd top;
    PassingWnd plain(log, "plain");
    ASSERT_TRUE(top.Create(nullptr, "", 0, CRect(0, 0, 300, 200), nullptr, 0));
    ASSERT_TRUE(plain.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 60), &top, 1));
    top.ShowWindow(SW_SHOW);

    EXPECT_TRUE(plain.ModifyStyle(0, WS_DISABLED));
    EXPECT_FALSE(plain.IsWindowEnabled());
    EXPECT_TRUE(plain.GetStyle() & WS_DISABLED);
    plain.EnableWindow(true);
    EXPECT_FALSE(plain.GetStyle() & WS_DISABLED);
    plain.ShowWindow(SW_HIDE);
    EXPECT_FALSE(plain.GetStyle() & WS_VISIBLE);
    plain.ModifyStyle(0, WS_VISIBLE);
    EXPECT_TRUE(plain.IsWindowVisible());

    // Borders take their room from the client area; children keep their client places.
    CWnd inner;
    ASSERT_TRUE(inner.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &plain, 2));
    plain.ModifyStyle(0, WS_BORDER);
    plain.ModifyStyleEx(0, WS_EX_CLIENTEDGE);
    CRect client;
    plain.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 100 - 6, 50 - 6));
    EXPECT_EQ(inner.GetWidget()->pos(), QPoint(3, 3));
    const QImage shot = plain.GetWidget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), platform::ToQColor(GetSysColor(COLOR_WINDOWFRAME)));
    EXPECT_EQ(shot.pixelColor(50, 40), platform::ToQColor(GetSysColor(COLOR_WINDOW)));
    CPoint origin(0, 0);
    plain.ClientToScreen(&origin);
    EXPECT_EQ(origin.x, plain.GetWidget()->mapToGlobal(QPoint(3, 3)).x());

    // A control's own styles show in its widget.
    CEdit edit;
    CStatic label;
    ASSERT_TRUE(edit.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 100, 100, 124), &top, 3));
    ASSERT_TRUE(label.Create(nullptr, "1,200.00", WS_CHILD | WS_VISIBLE | SS_RIGHT, CRect(0, 130, 100, 150), &top, 4));
    edit.ModifyStyle(0, ES_READONLY);
    EXPECT_TRUE(edit.IsReadOnly());
    EXPECT_TRUE(static_cast<QLineEdit*>(edit.GetWidget())->isReadOnly());
    label.ModifyStyle(0, SS_SUNKEN);
    EXPECT_TRUE(label.GetStyle() & SS_SUNKEN);
    EXPECT_EQ(static_cast<QLabel*>(label.GetWidget())->frameShape(), QFrame::Panel);
}

namespace {

struct Counts {
    int destroyed = 0;
    int deleted = 0;
};

class Counted : public CWnd {
public:
    explicit Counted(Counts& counts) : m_counts(counts) {}
    ~Counted() override { ++m_counts.deleted; }
    void OnDestroy() override { ++m_counts.destroyed; }
    void OnLButtonDown(UINT, CPoint) override { DestroyWindow(); }

private:
    Counts& m_counts;
};

class CountedFrame : public CFrameWnd {
public:
    explicit CountedFrame(Counts& counts) : m_counts(counts) {}
    ~CountedFrame() override { DestroyWindowFromDestructor(); }
    void OnDestroy() override
    {
        ++m_counts.destroyed;
        CFrameWnd::OnDestroy();
    }

private:
    Counts& m_counts;
};

} // namespace

TEST(WindowRules, ASubclassesOnDestroyRunsExactlyOnceBeforeItsObjectGoes)
{
    CWnd top;
    ASSERT_TRUE(top.Create(nullptr, "", 0, CRect(0, 0, 200, 100), nullptr, 0));
    Counts explicitly, byItself, byDestructor;
    {
        Counted window(explicitly);
        ASSERT_TRUE(window.Create(nullptr, "", WS_CHILD, CRect(0, 0, 5, 5), &top, 1));
        EXPECT_TRUE(window.DestroyWindow());
        EXPECT_FALSE(window.DestroyWindow());
    }
    EXPECT_EQ(explicitly.destroyed, 1);

    // Made to go with its window, even from inside its own handler.
    auto* owned = new Counted(byItself);
    ASSERT_TRUE(owned->Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), &top, 4));
    owned->SetDeleteWithWindow();
    top.ShowWindow(SW_SHOW);
    QTest::mouseClick(owned->GetWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
    EXPECT_EQ(byItself.destroyed, 1);
    EXPECT_EQ(byItself.deleted, 1);

    {
        CountedFrame frame(byDestructor);
        ASSERT_TRUE(frame.Create(nullptr, "frame", WS_OVERLAPPED, CRect(0, 0, 100, 100), nullptr, 0));
    }
    EXPECT_EQ(byDestructor.destroyed, 1);
}

// Pop-ups, parents, z-order, scrolling, placement and the key state.
#include "platform/ui/draw/DC.h"
#include "platform/ui/window/VirtualKeys.h"
#include "platform/ui/window/Wnd.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Painted : CWnd {
    std::vector<CRect> areas;
    void OnPaint() override
    {
        CPaintDC dc(this);
        areas.push_back(dc.m_ps.rcPaint);
    }
};

struct Host : ::testing::Test {
    CWnd top;
    void SetUp() override
    {
        ASSERT_TRUE(top.Create(nullptr, "host", WS_VISIBLE, CRect(100, 100, 500, 400), nullptr, 0));
    }
    bool Active()
    {
        top.GetWidget()->activateWindow();
        return QTest::qWaitForWindowActive(top.GetWidget());
    }
};

} // namespace

TEST_F(Host, APopUpShownWithoutActivatingLeavesTheFocusWhereItWas)
{
    CWnd field, hint;
    ASSERT_TRUE(field.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 50, 20), &top, 1));
    if (!Active())
        GTEST_FAIL() << "the platform gives no window the focus";
    field.SetFocus();
    ASSERT_TRUE(hint.CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, nullptr, "", WS_POPUP | WS_BORDER,
                              CRect(300, 300, 360, 320), &top, 0));
    EXPECT_FALSE(hint.IsWindowVisible());
    hint.ShowWindow(SW_SHOWNA);
    EXPECT_TRUE(hint.IsWindowVisible());
    EXPECT_EQ(CWnd::GetFocus(), &field);
    EXPECT_TRUE(hint.GetWidget()->isWindow());
    EXPECT_TRUE(hint.GetWidget()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(hint.GetParent(), &top); // its owner
    CRect place;
    hint.GetWindowRect(&place);
    EXPECT_EQ(place, CRect(300, 300, 360, 320));
    CRect client;
    hint.GetClientRect(&client); // a pop-up's border comes out of its client area
    EXPECT_EQ(client, CRect(0, 0, 58, 18));
}

TEST_F(Host, ChildrenMoveToAnotherParentAndChangeTheirZOrder)
{
    CWnd left, right, editor, other;
    ASSERT_TRUE(left.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &top, 1));
    ASSERT_TRUE(right.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(150, 0, 250, 100), &top, 2));
    ASSERT_TRUE(editor.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 40, 30), &left, 3));
    ASSERT_TRUE(other.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), &right, 4));
    CRect before;
    editor.GetWindowRect(&before);
    EXPECT_EQ(editor.SetParent(&right), &left);
    EXPECT_EQ(editor.GetParent(), &right);
    EXPECT_TRUE(editor.IsWindowVisible());
    CRect after;
    editor.GetWindowRect(&after);
    EXPECT_EQ(after, before); // it stays where it was on the screen

    // On top of its siblings, then behind one of them.
    EXPECT_TRUE(editor.SetWindowPos(HWND_TOP, 5, 6, 0, 0, SWP_NOSIZE));
    const auto order = [&] { return right.GetWidget()->children().indexOf(editor.GetWidget()); };
    const auto otherOrder = [&] { return right.GetWidget()->children().indexOf(other.GetWidget()); };
    EXPECT_GT(order(), otherOrder());
    CRect place;
    editor.GetWindowRect(&place);
    right.ScreenToClient(&place);
    EXPECT_EQ(place.TopLeft(), CPoint(5, 6));
    editor.SetWindowPos(&other, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_LT(order(), otherOrder());
    editor.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW);
    EXPECT_FALSE(editor.IsWindowVisible());
}

TEST_F(Host, ScrollingMovesTheImageAndChildrenAndLeavesTheUncoveredPartToPaint)
{
    Painted area;
    CWnd child;
    ASSERT_TRUE(area.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &top, 1));
    ASSERT_TRUE(child.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 50, 20, 70), &area, 2));
    area.UpdateWindow();
    QApplication::processEvents();
    area.ScrollWindow(0, -20);
    CRect waiting;
    ASSERT_TRUE(area.GetUpdateRect(&waiting));
    EXPECT_EQ(waiting, CRect(0, 80, 200, 100));
    EXPECT_EQ(child.GetWidget()->pos(), QPoint(0, 30));

    // Only a part scrolls: children stay.
    const CRect band(0, 0, 200, 40);
    area.ScrollWindow(10, 0, &band);
    EXPECT_EQ(child.GetWidget()->pos(), QPoint(0, 30));
}

TEST_F(Host, PlacementRemembersTheNormalPlaceOfAMaximisedWindow)
{
    WINDOWPLACEMENT placement;
    ASSERT_TRUE(top.GetWindowPlacement(&placement));
    EXPECT_EQ(placement.showCmd, UINT(SW_SHOWNORMAL));
    EXPECT_EQ(placement.rcNormalPosition.Width(), 400);
    placement.rcNormalPosition = CRect(50, 60, 350, 260);
    placement.showCmd = SW_SHOWMAXIMIZED;
    ASSERT_TRUE(top.SetWindowPlacement(&placement));
    EXPECT_TRUE(top.IsZoomed());
    WINDOWPLACEMENT read;
    top.GetWindowPlacement(&read);
    EXPECT_EQ(read.showCmd, UINT(SW_SHOWMAXIMIZED));
    EXPECT_EQ(read.rcNormalPosition, CRect(50, 60, 350, 260));
}

TEST_F(Host, TheWorkAreaAndCentring)
{
    CRect area;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(area, CRect(screen.left(), screen.top(), screen.right() + 1, screen.bottom() + 1));
    EXPECT_FALSE(SystemParametersInfo(0x1234, 0, &area, 0));

    CWnd box;
    ASSERT_TRUE(box.Create(nullptr, "", WS_POPUP | WS_CAPTION, CRect(0, 0, 100, 50), &top, 0));
    box.CenterWindow();
    CRect owner, centred;
    top.GetWindowRect(&owner);
    box.GetWindowRect(&centred);
    EXPECT_EQ(centred.CenterPoint(), owner.CenterPoint());
}

TEST_F(Host, KeyStateFollowsKeysAndButtonsAsTheyArriveAnywhere)
{
    QWidget* widget = top.GetWidget();
    for (const auto& [qtKey, vk] : {std::pair{Qt::Key_Tab, VK_TAB}, std::pair{Qt::Key_Return, VK_RETURN},
                                    std::pair{Qt::Key_Escape, VK_ESCAPE}, std::pair{Qt::Key_Shift, VK_SHIFT}}) {
        QTest::keyPress(widget, qtKey, qtKey == Qt::Key_Shift ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_LT(GetKeyState(int(vk)), 0) << vk;
        EXPECT_LT(GetAsyncKeyState(int(vk)), 0) << vk;
        QTest::keyRelease(widget, qtKey, Qt::NoModifier);
        EXPECT_GE(GetKeyState(int(vk)), 0) << vk;
    }
    QTest::mousePress(widget, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_LT(GetKeyState(VK_RBUTTON), 0);
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
    QTest::mouseRelease(widget, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_GE(GetKeyState(VK_RBUTTON), 0);
}

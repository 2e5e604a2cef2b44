// Controls following the form's size: by the markers they lie over, or by the rules given.
#include "controls/views/ControlLayout.h"
#include "platform/ui/window/Wnd.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A form 300 by 200 with the five markers along its edges and room for controls.
class LayoutForm : public ::testing::Test {
protected:
    LayoutForm()
    {
        m_form.Create(nullptr, "", WS_OVERLAPPED, CRect(0, 0, 300, 200), nullptr, 0);
        // Markers: 1 right strip, 2 a wide band, 3 bottom strip, 4 a tall band, 5 near the top.
        AddChild(4000, CRect(250, 0, 260, 200));
        AddChild(4001, CRect(100, 60, 240, 70));
        AddChild(4002, CRect(0, 170, 300, 180));
        AddChild(4003, CRect(20, 100, 30, 160));
        AddChild(4004, CRect(140, 20, 160, 40));
    }

    CWnd& AddChild(UINT id, const CRect& rect)
    {
        auto child = std::make_unique<CWnd>();
        child->Create(nullptr, "", WS_CHILD | WS_VISIBLE, rect, &m_form, id);
        m_children.push_back(std::move(child));
        return *m_children.back();
    }

    static CRect Where(const CWnd& child)
    {
        CRect rect;
        child.GetWindowRect(&rect);
        child.GetParent()->ScreenToClient(&rect);
        return rect;
    }

    CWnd m_form;
    std::vector<std::unique_ptr<CWnd>> m_children;
    CControlLayout m_layout;
};

} // namespace

TEST_F(LayoutForm, AControlOverTheFirstAndFourthMarkersMovesRightAndStretchesDown)
{
    CWnd& list = AddChild(10, CRect(20, 100, 255, 150));
    ASSERT_EQ(m_layout.Build(&m_form, 1, {-1, -1, -1, -1, -1}), 1);
    ASSERT_TRUE(m_layout.Find(&list));
    EXPECT_EQ(m_layout.Find(&list)->m_iFlags, LAYOUT_MOVE_RIGHT | LAYOUT_STRETCH_DOWN);
    m_layout.Relayout(400, 300);
    // The extent is 300 by 200 (the children's union with equal margins): 100 more each way.
    EXPECT_EQ(Where(list), CRect(120, 100, 355, 250));
}

TEST_F(LayoutForm, ShrinkingNeverTakesAnEdgeBeforeWhereItWas)
{
    CWnd& edit = AddChild(11, CRect(100, 50, 240, 62));  // over marker 2: stretches right
    CWnd& button = AddChild(12, CRect(200, 172, 240, 190)); // over marker 3: moves down
    m_layout.Build(&m_form, 1, {-1, -1, -1, -1, -1});
    m_layout.Relayout(150, 100);
    EXPECT_EQ(Where(edit), CRect(100, 50, 240, 62));
    EXPECT_EQ(Where(button), CRect(200, 172, 240, 190));
    m_layout.Relayout(320, 230);
    EXPECT_EQ(Where(edit), CRect(100, 50, 260, 62));
    EXPECT_EQ(Where(button), CRect(200, 202, 240, 220));
}

TEST_F(LayoutForm, ACentredControlKeepsItsPlaceFromTheMiddle)
{
    CWnd& logo = AddChild(13, CRect(135, 15, 165, 45));
    m_layout.Build(&m_form, 1, {-1, -1, -1, -1, -1});
    m_layout.Relayout(500, 400);
    EXPECT_EQ(Where(logo), CRect(235, 115, 265, 145));
}

TEST_F(LayoutForm, ARuleWinsOverTheMarkersAndTheMarkersStayPut)
{
    CWnd& label = AddChild(14, CRect(100, 60, 140, 70)); // over marker 2
    m_layout.SetRule(14, LAYOUT_MOVE_DOWN);
    m_layout.Build(&m_form, 1, {-1, -1, -1, -1, -1});
    m_layout.Relayout(300, 260);
    EXPECT_EQ(Where(label), CRect(100, 120, 140, 130));
    EXPECT_EQ(Where(*m_children[1]), CRect(100, 60, 240, 70));
}

TEST_F(LayoutForm, ModeZeroAndControlsMadeLaterStayWhereTheyAre)
{
    CWnd& early = AddChild(15, CRect(100, 172, 140, 190));
    CControlLayout off;
    off.Build(&m_form, 0, {-1, -1, -1, -1, -1});
    off.Relayout(600, 600);
    EXPECT_EQ(Where(early), CRect(100, 172, 140, 190));
    m_layout.Build(&m_form, 1, {-1, -1, -1, -1, -1});
    CWnd& late = AddChild(16, CRect(150, 172, 190, 190));
    m_layout.Relayout(300, 300);
    EXPECT_EQ(Where(early), CRect(100, 272, 140, 290));
    EXPECT_EQ(Where(late), CRect(150, 172, 190, 190));
}

TEST(ControlLayout, WithoutAnOwnerNothingIsBuilt)
{
    CControlLayout layout;
    EXPECT_EQ(layout.Build(nullptr, 1, {-1, -1, -1, -1, -1}), 0);
    EXPECT_FALSE(layout.IsBuilt());
}

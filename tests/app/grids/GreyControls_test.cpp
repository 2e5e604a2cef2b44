// The template forms' grey edit and combo box: Tab and Enter go to the form as Tab, the edit
// has a client edge instead of a border, and keeps texts beside it.
#include "app/grids/GreyControls.h"
#include "platform/ui/window/VirtualKeys.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Form : public CWnd {
public:
    void OnChar(UINT key, UINT, UINT) override { m_chars.push_back(key); }
    std::vector<UINT> m_chars;
};

class GreyControlsTest : public ::testing::Test {
protected:
    GreyControlsTest() { m_form.Create(nullptr, "form", WS_POPUP, CRect(0, 0, 200, 100), nullptr, 0); }
    ~GreyControlsTest() override { m_form.DestroyWindow(); }
    Form m_form;
};

} // namespace

TEST_F(GreyControlsTest, TabAndEnterInTheEditGoToTheFormAsTabOthersAreTyped)
{
    CGreyEdit edit;
    ASSERT_TRUE(edit.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 100, 20), &m_form, 5001));
    EXPECT_FALSE(edit.GetStyle() & WS_BORDER);
    EXPECT_TRUE(edit.GetExStyle() & WS_EX_CLIENTEDGE);
    edit.SendMessage(WM_CHAR, 13);
    edit.SendMessage(WM_CHAR, 9);
    edit.SendMessage(WM_CHAR, 'a');
    EXPECT_EQ(m_form.m_chars, (std::vector<UINT>{9, 9}));
    EXPECT_EQ(edit.GetWindowText(), "a");
    EXPECT_EQ(edit.GetGreyColor(), COLORREF(0xE0E0E0));
}

TEST_F(GreyControlsTest, ATabKeyInTheEditReachesTheFormNotTheNextWidget)
{
    CGreyEdit edit;
    ASSERT_TRUE(edit.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 100, 20), &m_form, 5001));
    QTest::keyClick(edit.GetWidget(), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(m_form.m_chars, (std::vector<UINT>{9}));
}

TEST_F(GreyControlsTest, TheComboBoxWantsTabAndPassesItOn)
{
    CGreyComboBox combo;
    ASSERT_TRUE(combo.Create(nullptr, "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 100, 80), &m_form, 5002));
    EXPECT_EQ(combo.OnGetDlgCode(), UINT(DLGC_WANTTAB));
    combo.SendMessage(WM_CHAR, 13);
    EXPECT_EQ(m_form.m_chars, (std::vector<UINT>{9}));
}

TEST(GreyEditTexts, GrowToTheIndexSetAndStayWithinTheirLimit)
{
    CGreyEdit edit;
    edit.SetListText(3, "third");
    EXPECT_EQ(edit.GetListText(3), "third");
    EXPECT_EQ(edit.GetListText(1), "");
    EXPECT_EQ(edit.GetListText(4), "");
    edit.SetListText(-1, "none");
    edit.SetListText(1 << 30, "none");
    EXPECT_EQ(edit.GetListText(-1), "");
    EXPECT_EQ(edit.GetListText(1 << 30), "");
}

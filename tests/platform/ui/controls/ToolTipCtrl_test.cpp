#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ToolTipCtrl.h"

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <cstring>
#include <gtest/gtest.h>

namespace {

enum : UINT { kButton = 7, kOther = 8, kRectTool = 9 };

// A form that answers the tip requests of its button and of its own rectangle tool.
class TipForm : public CWnd {
public:
    std::vector<std::string> asked;
    bool fillWithoutEnd = false;
    bool ownText = false;
    std::string mine = "own text";

    void OnNeedText(NMHDR* header, LRESULT*)
    {
        auto* info = reinterpret_cast<NMTTDISPINFO*>(header);
        asked.push_back(std::to_string(header->idFrom) + (info->uFlags & TTF_IDISHWND ? " window" : " rect"));
        if (fillWithoutEnd)
            std::memset(info->szText, 'y', sizeof info->szText);
        else if (ownText)
            info->lpszText = mine.data();
        else
            std::snprintf(info->szText, sizeof info->szText, "Help %u", header->idFrom);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TipForm, CWnd)
    ON_NOTIFY(TTN_NEEDTEXT, kButton, OnNeedText)
    ON_NOTIFY(TTN_NEEDTEXT, kRectTool, OnNeedText)
END_MESSAGE_MAP()

class ToolTipTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Create(nullptr, "form", WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
        ASSERT_TRUE(button.Create(nullptr, "b", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), &form, kButton));
        ASSERT_TRUE(other.Create(nullptr, "o", WS_CHILD | WS_VISIBLE, CRect(0, 30, 60, 50), &form, kOther));
        ASSERT_TRUE(tips.Create(&form));
    }
    // What Qt shows after a tip request at a point of the window.
    QString Hover(CWnd& window, QPoint point)
    {
        QHelpEvent help(QEvent::ToolTip, point, window.GetWidget()->mapToGlobal(point));
        QCoreApplication::sendEvent(window.GetWidget(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    TipForm form;
    CButton button, other;
    CToolTipCtrl tips;
};

} // namespace

TEST_F(ToolTipTest, FixedAndAskedTextsOfWindowAndRectangleTools)
{
    ASSERT_TRUE(tips.AddTool(&button));
    ASSERT_TRUE(tips.AddTool(&other, "Fixed tip"));
    CRect corner(250, 150, 300, 200);
    ASSERT_TRUE(tips.AddTool(&form, LPSTR_TEXTCALLBACK, &corner, kRectTool));
    EXPECT_EQ(tips.GetToolCount(), 3);

    EXPECT_EQ(Hover(button, {5, 5}), "Help 7");
    EXPECT_EQ(Hover(other, {5, 5}), "Fixed tip");
    EXPECT_EQ(Hover(form, {260, 160}), "Help 9");
    EXPECT_EQ(tips.TipTextAt(&form, CPoint(10, 100)), ""); // outside the rectangle
    EXPECT_EQ(form.asked, (std::vector<std::string>{"7 window", "9 rect"}));

    tips.UpdateTipText("Changed", &other);
    EXPECT_EQ(tips.TipTextAt(&other, CPoint(1, 1)), "Changed");
    tips.Activate(false);
    EXPECT_EQ(tips.TipTextAt(&other, CPoint(1, 1)), "");
    tips.Activate(true);
    tips.DelTool(&other, kOther);
    EXPECT_EQ(tips.TipTextAt(&other, CPoint(1, 1)), "");
    EXPECT_FALSE(tips.AddTool(nullptr, "x"));
}

TEST_F(ToolTipTest, OwnerTextsAreReadWithinBounds)
{
    tips.AddTool(&button);
    form.fillWithoutEnd = true; // the whole buffer without a terminating zero
    EXPECT_EQ(tips.TipTextAt(&button, CPoint(1, 1)), std::string(79, 'y'));
    form.fillWithoutEnd = false;
    form.ownText = true;
    EXPECT_EQ(tips.TipTextAt(&button, CPoint(1, 1)), "own text");
}

TEST_F(ToolTipTest, LongTipsBreakAtTheMaximumWidthAndMarkupShowsAsWritten)
{
    tips.AddTool(&other, "one two three four five six seven eight nine ten");
    EXPECT_EQ(tips.SetMaxTipWidth(60), -1);
    const QString shown = Hover(other, {5, 5});
    EXPECT_GT(shown.count('\n'), 1);
    EXPECT_EQ(QString(shown).replace('\n', ' '), "one two three four five six seven eight nine ten");

    tips.UpdateTipText("<b>not bold</b>", &other, kOther);
    tips.SetMaxTipWidth(-1);
    EXPECT_TRUE(Hover(other, {5, 5}).contains("&lt;b&gt;"));
}

TEST_F(ToolTipTest, ToolsOfDestroyedWindowsAreDropped)
{
    {
        CButton passing;
        ASSERT_TRUE(passing.Create(nullptr, "p", WS_CHILD | WS_VISIBLE, CRect(0, 60, 60, 80), &form, 11));
        tips.AddTool(&passing, "bye");
        EXPECT_EQ(tips.GetToolCount(), 1);
    }
    EXPECT_EQ(tips.GetToolCount(), 0);
    tips.AddTool(&other, "still here");
    EXPECT_EQ(Hover(other, {5, 5}), "still here");
}

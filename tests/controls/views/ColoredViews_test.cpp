// The coloured views drawn: a form over its gradient with its texts in the scheme's colours and
// its buttons left alone, controls given the gradient's colour at their height, and the tree's
// items over its background.
#include "controls/views/ColoredTreeView.h"
#include "controls/views/DynaFormView.h"
#include "platform/ui/dialogs/DialogTemplate.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"

#include <QApplication>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

constexpr UINT kFormId = 951;
constexpr UINT kText = 10, kGreyText = 11, kButton = 12, kEdit = 13;
constexpr COLORREF kTop = RGB(0, 0, 0), kBottom = RGB(255, 255, 255), kInk = RGB(200, 0, 0);

const DialogItemTemplate kControls[] = {
    dlg::LText("Contract", kText, 7, 7, 60, 8),
    dlg::LText("Not entered", kGreyText, 7, 20, 60, 8),
    dlg::PushButton("Check", kButton, 7, 40, 50, 14),
    dlg::EditText(kEdit, 7, 100, 60, 12),
};
const DialogTemplate kForm{kFormId, "", 140, 140, "MS Sans Serif", 8, kControls, std::size(kControls)};

class GradientForm : public ::testing::Test {
protected:
    GradientForm()
    {
        m_frame.Create(nullptr, "", WS_OVERLAPPED, CRect(0, 0, 300, 300), nullptr, 0);
        m_form.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), &m_frame, 1, nullptr);
        m_form.GetDlgItem(kGreyText)->EnableWindow(false);
        m_form.SetBackgroundColors(kTop, kBottom, kInk);
    }

    QImage Picture()
    {
        m_frame.ShowWindow(SW_SHOW);
        QApplication::processEvents();
        return m_form.GetWidget()->grab().toImage();
    }

    QColor TextColor(UINT id, QPalette::ColorGroup group = QPalette::Active)
    {
        return m_form.GetDlgItem(id)->GetWidget()->palette().color(group, QPalette::WindowText);
    }

    platform::ResourceRegistration<DialogTemplate> m_table{kForm};
    CWnd m_frame;
    CDynaFormView m_form{kFormId};
};

} // namespace

TEST_F(GradientForm, TheBackgroundRunsFromTheTopColourToTheBottomColour)
{
    const QImage picture = Picture();
    EXPECT_LT(QColor(picture.pixel(picture.width() - 5, 1)).lightness(), 10);
    EXPECT_GT(QColor(picture.pixel(picture.width() - 5, picture.height() - 2)).lightness(), 240);
}

TEST_F(GradientForm, TextsTakeTheSchemeColourAndAGreyedTextStaysGrey)
{
    Picture();
    EXPECT_EQ(TextColor(kText), platform::ToQColor(kInk));
    EXPECT_EQ(TextColor(kGreyText, QPalette::Disabled), platform::ToQColor(GetSysColor(COLOR_GRAYTEXT)));
    EXPECT_NE(TextColor(kButton, QPalette::Active), platform::ToQColor(kInk));
}

TEST_F(GradientForm, AnEditGetsTheGradientColourAtItsMiddle)
{
    CWnd* edit = m_form.GetDlgItem(kEdit);
    CRect rect;
    edit->GetWindowRect(&rect);
    m_form.ScreenToClient(&rect);
    CRect client;
    m_form.GetClientRect(&client);
    const int height = std::max(client.Height(), int(m_form.GetTotalSize().cy));
    CDC dc;
    const CBrush* brush = m_form.OnCtlColor(&dc, edit, CTLCOLOR_EDIT);
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(brush->Color(), m_form.GetColorScheme().Background().GetColorAt(rect.CenterPoint().y, height));
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    EXPECT_EQ(dc.GetTextColor(), kInk);
}

TEST_F(GradientForm, ButtonsAndClearedFormsAreLeftToTheFramework)
{
    CDC dc;
    EXPECT_EQ(m_form.OnCtlColor(&dc, m_form.GetDlgItem(kButton), CTLCOLOR_BTN), nullptr);
    m_form.ClearBackground();
    EXPECT_EQ(m_form.OnCtlColor(&dc, m_form.GetDlgItem(kEdit), CTLCOLOR_EDIT), nullptr);
    const QImage picture = Picture();
    EXPECT_EQ(QColor(picture.pixel(picture.width() - 5, 1)), platform::ToQColor(GetSysColor(COLOR_BTNFACE)));
}

TEST(ColoredTreeView, ItemsShowOverTheGradientAndAPlainColourIsTheTreesOwn)
{
    CWnd frame;
    frame.Create(nullptr, "", WS_OVERLAPPED, CRect(0, 0, 200, 300), nullptr, 0);
    CColoredTreeView view;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 300), &frame, 1, nullptr));
    view.GetTreeCtrl().InsertItem("Schedule Of Items");
    ASSERT_EQ(view.SetBackgroundColors(RGB(0, 0, 128), RGB(0, 128, 0), RGB(255, 255, 0)), 1);
    EXPECT_TRUE(view.ColorsOn());
    frame.ShowWindow(SW_SHOW);
    QApplication::processEvents();
    auto* tree = static_cast<QTreeWidget*>(view.GetTreeCtrl().GetWidget());
    const QImage picture = tree->viewport()->grab().toImage();
    const QColor bottom(picture.pixel(picture.width() - 2, picture.height() - 2));
    EXPECT_GT(bottom.green(), 100);
    EXPECT_LT(bottom.red(), 20);
    EXPECT_EQ(view.GetTreeCtrl().GetTextColor(), RGB(255, 255, 0));

    view.ClearBackground();
    EXPECT_EQ(view.SetBackgroundColors(RGB(10, 20, 30), COLORREF(-1), COLORREF(-1)), 1);
    EXPECT_EQ(view.GetTreeCtrl().GetBkColor(), RGB(10, 20, 30));
    EXPECT_FALSE(view.Background().HasBackground());
}

#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/controls/ScrollBar.h"
#include "platform/ui/controls/Static.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> g_heard;

// A parent that logs the notifications of its controls through its command map.
class FormWnd : public CWnd {
public:
    void OnOkClicked() { g_heard.push_back("ok clicked"); }
    void OnRadio(UINT id) { g_heard.push_back("radio " + std::to_string(id)); }
    void OnNameChange() { g_heard.push_back("name change"); }
    void OnNameKillFocus() { g_heard.push_back("name killfocus"); }
    void OnKindChange() { g_heard.push_back("kind selchange"); }
    void OnListChange() { g_heard.push_back("list selchange"); }
    void OnListDouble() { g_heard.push_back("list dblclk"); }
    void OnNameUpdate() { g_heard.push_back("name update"); }
    void OnComboNote(UINT code) { g_heard.push_back("combo " + std::to_string(code)); }
    void OnEditNote() { g_heard.push_back("combo edit change"); }
    void OnEditUpdate() { g_heard.push_back("combo edit update"); }
    void OnComboFocus() { g_heard.push_back("combo setfocus"); }
    void OnComboBlur() { g_heard.push_back("combo killfocus"); }
    void OnStaticClick() { g_heard.push_back("static clicked"); }
    void OnLButtonDown(UINT, CPoint) override { g_heard.push_back("form ldown"); }
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar) override
    {
        g_heard.push_back("vscroll " + std::to_string(code) + " " + std::to_string(pos));
        if (code == SB_LINEDOWN && bar)
            bar->SetScrollPos(bar->GetScrollPos() + 1);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FormWnd, CWnd)
    ON_BN_CLICKED(1, OnOkClicked)
    ON_CONTROL_RANGE(BN_CLICKED, 10, 13, OnRadio)
    ON_EN_CHANGE(20, OnNameChange)
    ON_EN_KILLFOCUS(20, OnNameKillFocus)
    ON_CBN_SELCHANGE(30, OnKindChange)
    ON_LBN_SELCHANGE(40, OnListChange)
    ON_LBN_DBLCLK(40, OnListDouble)
    ON_EN_UPDATE(20, OnNameUpdate)
    ON_CBN_EDITCHANGE(31, OnEditNote)
    ON_CONTROL(CBN_EDITUPDATE, 31, OnEditUpdate)
    ON_CONTROL(CBN_SETFOCUS, 31, OnComboFocus)
    ON_CONTROL(CBN_KILLFOCUS, 31, OnComboBlur)
    ON_CONTROL(STN_CLICKED, 61, OnStaticClick)
END_MESSAGE_MAP()

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_heard.clear();
        ASSERT_TRUE(form.Create(nullptr, "form", WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
        form.GetWidget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.GetWidget()));
    }
    FormWnd form;
};

} // namespace

TEST_F(ControlsTest, ButtonClicksReachTheParentsMapByControlId)
{
    CButton ok;
    ASSERT_TRUE(ok.Create(nullptr, "OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 60, 20), &form, 1));
    EXPECT_EQ(form.GetDlgItem(1), &ok);
    QTest::mouseClick(ok.GetWidget(), Qt::LeftButton);
    EXPECT_EQ(g_heard, (std::vector<std::string>{"ok clicked"}));
}

TEST_F(ControlsTest, RadioGroupsFollowWsGroupAndSetCheckLeavesOthersAlone)
{
    CButton a, b, c, d;
    DWORD radio = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
    ASSERT_TRUE(a.Create(nullptr, "a", radio | WS_GROUP, CRect(0, 0, 50, 20), &form, 10));
    ASSERT_TRUE(b.Create(nullptr, "b", radio, CRect(0, 20, 50, 40), &form, 11));
    ASSERT_TRUE(c.Create(nullptr, "c", radio | WS_GROUP, CRect(0, 40, 50, 60), &form, 12));
    ASSERT_TRUE(d.Create(nullptr, "d", radio, CRect(0, 60, 50, 80), &form, 13));
    a.SetCheck(BST_CHECKED);
    c.SetCheck(BST_CHECKED);
    d.SetCheck(BST_CHECKED); // a program's SetCheck does not clear the group
    EXPECT_EQ(c.GetCheck(), BST_CHECKED);
    EXPECT_TRUE(g_heard.empty());

    QTest::mouseClick(b.GetWidget(), Qt::LeftButton);
    EXPECT_EQ(b.GetCheck(), BST_CHECKED);
    EXPECT_EQ(a.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(c.GetCheck(), BST_CHECKED); // another group
    QTest::mouseClick(b.GetWidget(), Qt::LeftButton); // clicking a checked radio keeps it
    EXPECT_EQ(b.GetCheck(), BST_CHECKED);
    QTest::mouseClick(d.GetWidget(), Qt::LeftButton);
    EXPECT_EQ(c.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(g_heard, (std::vector<std::string>{"radio 11", "radio 11", "radio 13"}));
}

TEST_F(ControlsTest, CheckBoxesAutoAndManual)
{
    CButton autoBox, manual;
    ASSERT_TRUE(autoBox.Create(nullptr, "x", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 50, 20), &form, 2));
    ASSERT_TRUE(manual.Create(nullptr, "y", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, CRect(0, 20, 50, 40), &form, 3));
    QTest::mouseClick(autoBox.GetWidget(), Qt::LeftButton);
    QTest::mouseClick(manual.GetWidget(), Qt::LeftButton);
    EXPECT_EQ(autoBox.GetCheck(), BST_CHECKED);
    EXPECT_EQ(manual.GetCheck(), BST_UNCHECKED); // the program decides
    EXPECT_EQ(manual.SendMessage(BM_SETCHECK, BST_INDETERMINATE), 0);
    EXPECT_EQ(manual.SendMessage(BM_GETCHECK), BST_CHECKED); // two-state box
}

TEST_F(ControlsTest, EditNotifiesChangesAndFocusLossAndKeepsLongProgramText)
{
    CEdit name;
    CButton other;
    ASSERT_TRUE(name.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, CRect(0, 0, 100, 20), &form, 20));
    ASSERT_TRUE(other.Create(nullptr, "o", WS_CHILD | WS_VISIBLE, CRect(0, 30, 50, 50), &form, 21));
    name.LimitText(5);
    name.SetWindowText("longer than five");
    EXPECT_EQ(name.GetWindowText(), "longer than five"); // the limit binds typing only
    name.SetWindowText("");
    name.SetFocus();
    QTest::keyClicks(name.GetWidget(), "abcdefg");
    EXPECT_EQ(name.GetWindowText(), "abcde");
    other.SetFocus();
    ASSERT_FALSE(g_heard.empty());
    EXPECT_EQ(g_heard.back(), "name killfocus");
    EXPECT_EQ(std::count(g_heard.begin(), g_heard.end(), "name change"), 7);
}

TEST_F(ControlsTest, EditTellsOfAnUpdateBeforeEachChange)
{
    CEdit name;
    ASSERT_TRUE(name.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 100, 20), &form, 20));
    name.SetFocus();
    QTest::keyClicks(name.GetWidget(), "ab");
    std::erase(g_heard, "name killfocus");
    EXPECT_EQ(g_heard, (std::vector<std::string>{"name update", "name change", "name update", "name change"}));
}

TEST_F(ControlsTest, AComboBoxesEditPartIsItsItem1001AndTellsTheComboBox)
{
    CComboBox combo;
    CButton other;
    ASSERT_TRUE(combo.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN, CRect(0, 0, 120, 24), &form, 31));
    ASSERT_TRUE(other.Create(nullptr, "o", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 40, 50, 60), &form, 32));
    auto* part = dynamic_cast<CEdit*>(combo.GetDlgItem(kComboEditId));
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->GetParent(), &combo);
    EXPECT_EQ(form.GetDlgItem(kComboEditId), nullptr);
    combo.SetWindowText("set by the program");
    EXPECT_TRUE(g_heard.empty());

    // A screen takes over the edit part to see its characters.
    struct Watching : CEdit {
        std::vector<UINT> chars;
        void OnChar(UINT c, UINT r, UINT f) override
        {
            chars.push_back(c);
            CEdit::OnChar(c, r, f);
        }
    } watching;
    ASSERT_TRUE(watching.SubclassDlgItem(kComboEditId, &combo));
    EXPECT_FALSE(part->IsWindow());
    EXPECT_EQ(combo.GetDlgItem(kComboEditId), &watching);
    combo.SetWindowText("");
    watching.SetFocus();
    QTest::keyClicks(watching.GetWidget(), "ab");
    other.SetFocus();
    EXPECT_EQ(watching.chars, (std::vector<UINT>{'a', 'b'}));
    EXPECT_EQ(combo.GetWindowText(), "ab");
    EXPECT_EQ(g_heard, (std::vector<std::string>{"combo setfocus", "combo edit update", "combo edit change",
                                                 "combo edit update", "combo edit change",
                                                 "combo killfocus"}));
}

TEST_F(ControlsTest, StaticKindsPicturesFramesAndClicks)
{
    CStatic label, notify, picture;
    ASSERT_TRUE(label.Create(nullptr, "A&&B &name", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &form, 60));
    ASSERT_TRUE(notify.Create(nullptr, "&Here", WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_NOPREFIX, CRect(0, 30, 100, 50), &form, 61));
    ASSERT_TRUE(picture.Create(nullptr, "", WS_CHILD | WS_VISIBLE | SS_BITMAP, CRect(0, 60, 10, 70), &form, 62));
    EXPECT_EQ(static_cast<QLabel*>(label.GetWidget())->text(), QString("A&B name"));
    EXPECT_EQ(label.GetWindowText(), "A&&B &name");
    EXPECT_EQ(static_cast<QLabel*>(notify.GetWidget())->text(), QString("&Here"));

    // Without SS_NOTIFY a click goes through to the window beneath.
    QTest::mouseClick(form.GetWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(notify.GetWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(g_heard, (std::vector<std::string>{"form ldown", "static clicked"}));

    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(24, 16, 1, 32, nullptr));
    bitmap.Image().fill(Qt::red);
    picture.SetBitmap(&bitmap);
    EXPECT_EQ(picture.GetBitmap(), &bitmap);
    EXPECT_EQ(picture.GetWidget()->size(), QSize(24, 16));
    EXPECT_EQ(picture.GetWidget()->grab().toImage().pixelColor(12, 8), QColor(Qt::red));
}

TEST_F(ControlsTest, EditSelectionAndReplacement)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &form, 22));
    edit.SetWindowText("caf\xE9 au lait");
    edit.SetSel(0, 4);
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 4);
    edit.ReplaceSel("th\xE9");
    EXPECT_EQ(edit.GetWindowText(), "th\xE9 au lait");
    edit.SetSel(0, -1);
    edit.ScrollCaret(); // the selection stays, so that typing replaces it
    EXPECT_EQ(edit.GetSel(), DWORD(11) << 16);
    edit.SetSel(0, -1);
    edit.SendMessage(WM_CLEAR);
    EXPECT_EQ(edit.GetWindowText(), "");
    edit.SetSel(50, 80); // out of range clamps
    EXPECT_EQ(edit.GetSel(), 0u);

    CEdit multi;
    ASSERT_TRUE(multi.Create(nullptr, "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY, CRect(0, 30, 100, 90), &form, 23));
    multi.SetWindowText("one\r\ntwo");
    EXPECT_EQ(multi.GetWindowText(), "one\r\ntwo");
    EXPECT_TRUE(multi.IsReadOnly());
}

TEST_F(ControlsTest, ComboBoxItemsDataSearchAndUserSelection)
{
    CComboBox kind;
    ASSERT_TRUE(kind.Create(nullptr, "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT, CRect(0, 0, 100, 20), &form, 30));
    EXPECT_EQ(kind.AddString("pear"), 0);
    EXPECT_EQ(kind.AddString("Apple"), 0);
    EXPECT_EQ(kind.AddString("fig"), 1);
    EXPECT_EQ(kind.InsertString(-1, "zeta"), 3);
    EXPECT_EQ(kind.InsertString(9, "bad"), CB_ERR);
    EXPECT_EQ(kind.SetItemData(2, 77), 0);
    EXPECT_EQ(kind.GetItemData(2), 77u);
    EXPECT_EQ(kind.GetItemData(9), DWORD_PTR(CB_ERR));
    EXPECT_EQ(kind.FindStringExact(-1, "APPLE"), 0);
    EXPECT_EQ(kind.FindStringExact(0, "apple"), 0); // wraps round
    EXPECT_EQ(kind.FindStringExact(-1, "app"), CB_ERR);
    EXPECT_EQ(kind.FindString(-1, "app"), 0);
    EXPECT_EQ(kind.GetLBText(1), "fig");
    EXPECT_EQ(kind.GetLBText(7), "");
    EXPECT_EQ(kind.SetCurSel(2), 2);
    EXPECT_EQ(kind.SetCurSel(9), CB_ERR);
    EXPECT_EQ(kind.GetCurSel(), -1);
    EXPECT_TRUE(g_heard.empty()); // program selections are silent
    auto* box = static_cast<QComboBox*>(kind.GetWidget());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(g_heard, (std::vector<std::string>{"kind selchange"}));
    kind.ResetContent();
    EXPECT_EQ(kind.GetCount(), 0);
}

TEST_F(ControlsTest, ListBoxNotifiesUserSelectionAndDoubleClick)
{
    CListBox list;
    ASSERT_TRUE(list.Create(nullptr, "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 100, 100), &form, 40));
    list.AddString("one");
    list.AddString("two");
    EXPECT_EQ(list.SetCurSel(1), 1);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_TRUE(g_heard.empty());
    auto* widget = static_cast<QListWidget*>(list.GetWidget());
    QRect first = widget->visualItemRect(widget->item(0));
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(list.GetCurSel(), 0);
    ASSERT_GE(g_heard.size(), 2u);
    EXPECT_EQ(g_heard.front(), "list selchange");
    EXPECT_EQ(g_heard.back(), "list dblclk");
    EXPECT_EQ(list.DeleteString(5), LB_ERR);
    EXPECT_EQ(list.DeleteString(0), 1);
}

TEST_F(ControlsTest, ScrollBarKeepsWindowsRangeSemanticsAndAsksTheParent)
{
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(nullptr, "", WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(0, 0, 17, 200), &form, 50));
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 500, 0};
    bar.SetScrollInfo(&info);
    EXPECT_EQ(bar.GetScrollLimit(), 90);
    EXPECT_EQ(bar.GetScrollPos(), 90); // clamped to the limit
    SCROLLINFO out{};
    bar.GetScrollInfo(&out, SIF_ALL);
    EXPECT_EQ(out.nMax, 99);
    EXPECT_EQ(out.nPage, 10u);
    bar.SetScrollPos(5);
    auto* qbar = static_cast<QScrollBar*>(bar.GetWidget());
    qbar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar.GetScrollPos(), 6); // moved by the parent, not by itself
    qbar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar.GetScrollPos(), 6); // the parent ignored it
    EXPECT_EQ(qbar->sliderPosition(), 6);
    EXPECT_EQ(g_heard, (std::vector<std::string>{"vscroll 1 0", "vscroll 8 0", "vscroll 3 0", "vscroll 8 0"}));
    SCROLLINFO extreme{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, -2147483647, -2147483640, 0xFFFFFFFF, 0, 0};
    bar.SetScrollInfo(&extreme); // no overflow
    EXPECT_EQ(bar.GetScrollLimit(), -2147483647);
}

#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/dialogs/Dialog.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/docview/FormView.h"
#include "platform/ui/docview/FrameworkIds.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"
#include "platform/ui/controls/ScrollBar.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "tests/platform/ui/support/ViewTestSupport.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace viewtest;
using Kind = DialogControlKind;

namespace {

constexpr UINT kFormId = 901;
constexpr UINT kName = 1001, kCounty = 1002, kJoint = 1003, kNotes = 1004, kDbe = 1005, kMbe = 1006;

const DialogControlEntry kFormControls[] = {
    {0, Kind::Label, "Bidder &name:", 0, 0},
    {kName, Kind::Edit, "Ace Paving", 0, 1},
    {0, Kind::Label, "&County:", 1, 0},
    {kCounty, Kind::DropList, "", 1, 1},
    {kJoint, Kind::CheckBox, "&Joint bid", 2, 1},
    {kDbe, Kind::RadioButton, "&DBE", 3, 0, 1, 1, WS_GROUP},
    {kMbe, Kind::RadioButton, "&MBE", 3, 1},
    {kNotes, Kind::MultiLineEdit, "", 4, 0, 1, 2},
    {IDOK, Kind::DefaultButton, "OK", 5, 0},
    {IDCANCEL, Kind::PushButton, "Cancel", 5, 1},
};
const DialogLayout kForm{kFormId, "Bidder", kFormControls, std::size(kFormControls)};

class BidderForm : public CFormView {
    DECLARE_DYNCREATE(BidderForm)
    DECLARE_MESSAGE_MAP()
public:
    BidderForm() : CFormView(kFormId) {}
    void OnJoint() { Calls().push_back("joint clicked"); }
};
IMPLEMENT_DYNCREATE(BidderForm, CFormView)
BEGIN_MESSAGE_MAP(BidderForm, CFormView)
    ON_BN_CLICKED(kJoint, OnJoint)
END_MESSAGE_MAP()

// A form made at run time: controls 5000 + n in the order the screen makes them.
class RunTimeForm : public CFormView {
public:
    RunTimeForm() : CFormView(0) {}
    std::vector<std::unique_ptr<CEdit>> fields;
    void MakeFields(int count)
    {
        for (int i = 0; i < count; ++i) {
            auto edit = std::make_unique<CEdit>();
            edit->Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                         CRect(10, 10 + 30 * i, 200, 34 + 30 * i), this, 5000 + i);
            fields.push_back(std::move(edit));
        }
    }
};

std::vector<UINT> TabChain(QWidget* start, int steps)
{
    std::vector<UINT> ids;
    QWidget* w = start;
    for (int i = 0; i < steps; ++i) {
        w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        CWnd* wnd = CWnd::FromWidget(w);
        ids.push_back(wnd ? wnd->GetDlgCtrlID() : 0);
    }
    return ids;
}

struct FormHost {
    platform::ResourceRegistration<DialogLayout> table{kForm};
    CFrameWnd frame;
    FormHost() { frame.Create(nullptr, "form", WS_OVERLAPPED, CRect(0, 0, 500, 400), nullptr, 0); }
};

} // namespace

TEST(FormView, BuiltFromTheTableFoundByIdWithTabOrderAndMnemonics)
{
    FormHost host;
    BidderForm form;
    ASSERT_TRUE(form.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 400),
                            &host.frame, AFX_IDW_PANE_FIRST, nullptr));
    auto* name = dynamic_cast<CEdit*>(form.GetDlgItem(kName));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->GetWindowText(), "Ace Paving");
    EXPECT_NE(dynamic_cast<CComboBox*>(form.GetDlgItem(kCounty)), nullptr);
    EXPECT_NE(form.GetDlgItem(IDCANCEL), nullptr);
    EXPECT_EQ(name->GetParent(), &form); // notifications come to the form

    EXPECT_EQ(TabChain(name->GetWidget(), 7),
              (std::vector<UINT>{kCounty, kJoint, kDbe, kMbe, kNotes, IDOK, IDCANCEL}));
    const auto labels = form.GetFormWidget()->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 2);
    EXPECT_EQ(labels[0]->buddy(), name->GetWidget());

    // A click reaches the form's map; radio buttons keep their group.
    auto* joint = dynamic_cast<CButton*>(form.GetDlgItem(kJoint));
    Calls().clear();
    joint->SendMessage(BM_CLICK);
    EXPECT_EQ(Calls(), (std::vector<std::string>{"joint clicked"}));
    auto* dbe = dynamic_cast<CButton*>(form.GetDlgItem(kDbe));
    auto* mbe = dynamic_cast<CButton*>(form.GetDlgItem(kMbe));
    dbe->SendMessage(BM_CLICK);
    mbe->SendMessage(BM_CLICK);
    EXPECT_EQ(dbe->GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(mbe->GetCheck(), BST_CHECKED);
}

TEST(FormView, TheFormGrowsWithTheViewAndScrollsWhenTheViewIsSmaller)
{
    FormHost host;
    BidderForm form;
    ASSERT_TRUE(form.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 400),
                            &host.frame, AFX_IDW_PANE_FIRST, nullptr));
    CWnd* notes = form.GetDlgItem(kNotes);
    const int wideNotes = notes->GetWidget()->width();
    form.MoveWindow(0, 0, 700, 400);
    EXPECT_GT(notes->GetWidget()->width(), wideNotes);
    EXPECT_FALSE(form.HasVertBar());

    form.MoveWindow(0, 0, 80, 60);
    EXPECT_TRUE(form.HasVertBar());
    EXPECT_TRUE(form.HasHorzBar());
    const QPoint before = form.GetFormWidget()->pos();
    form.OnVScroll(SB_LINEDOWN, 0, nullptr);
    EXPECT_GT(form.GetScrollPosition().y, 0);
    EXPECT_EQ(form.GetFormWidget()->pos().y(), before.y() - form.GetScrollPosition().y);
}

TEST(FormView, RunTimeControlsKeepTheirIdsAndCreationOrder)
{
    FormHost host;
    RunTimeForm form;
    ASSERT_TRUE(form.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200),
                            &host.frame, AFX_IDW_PANE_FIRST, nullptr));
    EXPECT_EQ(form.GetFormWidget(), nullptr);
    form.MakeFields(3);
    ASSERT_NE(form.GetDlgItem(5002), nullptr);
    EXPECT_EQ(TabChain(form.GetDlgItem(5000)->GetWidget(), 2), (std::vector<UINT>{5001, 5002}));
}

TEST(DialogLayout, AModalDialogGetsItsLayoutAndItsButtonsEndIt)
{
    platform::ResourceRegistration<DialogLayout> table{kForm};
    platform::ScriptedModalServices script;
    platform::ScopedModalServices installed(script);
    CDialog dialog(kFormId);
    std::string typed;
    script.AnswerDialog([&](platform::ModalDialog&) {
        auto* name = dynamic_cast<CEdit*>(dialog.GetDlgItem(kName));
        ASSERT_NE(name, nullptr);
        name->SetWindowText("Best Roads");
        typed = name->GetWindowText();
        dynamic_cast<CButton*>(dialog.GetDlgItem(IDOK))->SendMessage(BM_CLICK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(typed, "Best Roads");
    EXPECT_EQ(script.DialogTitles(), (std::vector<std::string>{"Bidder"}));

    // Without a registered table the dialog has no controls, and nothing breaks.
    CDialog bare(4242);
    script.AnswerDialogWith(IDCANCEL);
    EXPECT_EQ(bare.DoModal(), IDCANCEL);
}

TEST(ScrollView, BarsShowOnlyWhenNeededAndTheDrawingFollowsThePosition)
{
    FormHost host;
    RunTimeForm view;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200),
                            &host.frame, AFX_IDW_PANE_FIRST, nullptr));
    view.SetScrollSizes(MM_TEXT, CSize(300, 200));
    EXPECT_FALSE(view.HasHorzBar());
    EXPECT_FALSE(view.HasVertBar());
    // One row more brings the vertical bar, whose width then brings the horizontal one.
    view.SetScrollSizes(MM_TEXT, CSize(300, 201));
    EXPECT_TRUE(view.HasVertBar());
    EXPECT_TRUE(view.HasHorzBar());
    CRect client;
    view.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 300 - GetSystemMetrics(SM_CXVSCROLL));

    view.SetScrollSizes(MM_TEXT, CSize(1000, 2000), CSize(100, 150), CSize(5, 7));
    view.MakeFields(1);
    view.ScrollToPosition(CPoint(50, 99999));
    const CPoint limit(1000 - client.Width(), 2000 - client.Height());
    EXPECT_EQ(view.GetScrollPosition(), CPoint(50, limit.y));
    EXPECT_EQ(view.GetDlgItem(5000)->GetWidget()->pos(), QPoint(10 - 50, 10 - limit.y));
    view.OnVScroll(SB_PAGEUP, 0, nullptr);
    view.OnHScroll(SB_LINELEFT, 0, nullptr);
    EXPECT_EQ(view.GetScrollPosition(), CPoint(45, limit.y - 150));
    view.OnVScroll(SB_TOP, 0, nullptr);
    view.OnHScroll(SB_THUMBTRACK, 70000, nullptr);
    EXPECT_EQ(view.GetScrollPosition(), CPoint(limit.x, 0));

    CRecordingDC dc;
    view.OnPrepareDC(&dc);
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(-limit.x, 0));
    CPrintInfo info;
    CRecordingDC printing;
    view.OnPrepareDC(&printing, &info); // the printed page starts at the document's origin
    EXPECT_EQ(printing.GetViewportOrg(), CPoint(0, 0));

    // A larger window leaves less to scroll.
    view.MoveWindow(0, 0, 1200, 2200);
    EXPECT_EQ(view.GetScrollPosition(), CPoint(0, 0));
    EXPECT_FALSE(view.HasVertBar());
}

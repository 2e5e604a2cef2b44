#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/dialogs/Dialog.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/docview/FormView.h"
#include "platform/ui/docview/FrameworkIds.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"
#include "platform/ui/controls/ScrollBar.h"
#include "platform/ui/draw/DCRecord.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "tests/platform/ui/support/ViewTestSupport.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace viewtest;
namespace {

constexpr UINT kFormId = 901;
constexpr UINT kName = 1001, kCounty = 1002, kJoint = 1003, kNotes = 1004, kDbe = 1005, kMbe = 1006;

const DialogItemTemplate kFormControls[] = {
    dlg::LText("Bidder &name:", 0, 7, 9, 50, 8),
    dlg::EditText(kName, 60, 7, 120, 12),
    dlg::LText("&County:", 0, 7, 25, 50, 8),
    dlg::ComboBox(kCounty, 60, 23, 120, 80, CBS_DROPDOWNLIST | WS_VSCROLL),
    dlg::AutoCheckBox("&Joint bid", kJoint, 60, 41, 80, 10),
    dlg::AutoRadioButton("&DBE", kDbe, 60, 55, 40, 10, WS_GROUP | WS_TABSTOP),
    dlg::AutoRadioButton("&MBE", kMbe, 110, 55, 40, 10),
    dlg::EditText(kNotes, 7, 70, 173, 40, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL),
    dlg::DefPushButton("OK", IDOK, 76, 118, 50, 14),
    dlg::PushButton("Cancel", IDCANCEL, 130, 118, 50, 14),
};
const DialogTemplate kForm{kFormId, "Bidder", 187, 140, "MS Sans Serif", 8, kFormControls,
                           std::size(kFormControls)};

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
    platform::ResourceRegistration<DialogTemplate> table{kForm};
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
    EXPECT_NE(dynamic_cast<CComboBox*>(form.GetDlgItem(kCounty)), nullptr);
    EXPECT_NE(form.GetDlgItem(IDCANCEL), nullptr);
    EXPECT_EQ(name->GetParent(), &form); // notifications come to the form

    EXPECT_EQ(TabChain(name->GetWidget(), 7),
              (std::vector<UINT>{kCounty, kJoint, kDbe, kMbe, kNotes, IDOK, IDCANCEL}));
    const auto labels = form.GetWidget()->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 2);
    EXPECT_EQ(labels[0]->buddy(), name->GetWidget());

    // Placed where the template says, in pixels of the template font's dialog units.
    LOGFONT font;
    ASSERT_TRUE(form.GetFont()->GetLogFont(&font));
    const DialogBaseUnits base = platform::BaseUnitsOf(*form.GetFont());
    CRect place;
    name->GetWindowRect(&place);
    form.ScreenToClient(&place);
    EXPECT_EQ(place, CRect(platform::DialogUnitsToPixelsX(60, base), platform::DialogUnitsToPixelsY(7, base),
                           platform::DialogUnitsToPixelsX(180, base), platform::DialogUnitsToPixelsY(19, base)));

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

TEST(FormView, TheFormIsAsLargeAsItsTemplateAndScrollsWhenTheViewIsSmaller)
{
    FormHost host;
    BidderForm form;
    ASSERT_TRUE(form.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 400),
                            &host.frame, AFX_IDW_PANE_FIRST, nullptr));
    const DialogBaseUnits base = platform::BaseUnitsOf(*form.GetFont());
    EXPECT_EQ(form.GetTotalSize(), CSize(platform::DialogUnitsToPixelsX(187, base),
                                         platform::DialogUnitsToPixelsY(140, base)));
    EXPECT_FALSE(form.HasVertBar());

    CWnd* ok = form.GetDlgItem(IDOK);
    const QPoint before = ok->GetWidget()->pos();
    form.MoveWindow(0, 0, 80, 60);
    EXPECT_TRUE(form.HasVertBar());
    EXPECT_TRUE(form.HasHorzBar());
    form.OnVScroll(SB_LINEDOWN, 0, nullptr);
    EXPECT_GT(form.GetScrollPosition().y, 0);
    EXPECT_EQ(ok->GetWidget()->pos().y(), before.y() - form.GetScrollPosition().y);
}

TEST(FormView, RunTimeControlsKeepTheirIdsAndCreationOrder)
{
    FormHost host;
    RunTimeForm form;
    ASSERT_TRUE(form.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200),
                            &host.frame, AFX_IDW_PANE_FIRST, nullptr));
    form.MakeFields(3);
    ASSERT_NE(form.GetDlgItem(5002), nullptr);
    EXPECT_EQ(TabChain(form.GetDlgItem(5000)->GetWidget(), 2), (std::vector<UINT>{5001, 5002}));
}

TEST(FormView, ItsChildWindowsAreItsControlsNotItsScrollBarsAndItIsTheColourOfADialog)
{
    FormHost host;
    RunTimeForm form;
    ASSERT_TRUE(form.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200),
                            &host.frame, AFX_IDW_PANE_FIRST, nullptr));
    form.MakeFields(2);
    form.SetScrollSizes(MM_TEXT, CSize(600, 600));
    ASSERT_TRUE(form.HasVertBar());
    std::vector<UINT> ids;
    for (const CWnd* child : form.GetChildWindows())
        ids.push_back(child->GetDlgCtrlID());
    EXPECT_EQ(ids, (std::vector<UINT>{5000, 5001}));
    CRecordingDC dc;
    form.OnEraseBkgnd(&dc);
    ASSERT_EQ(dc.Recording().size(), 1u);
    EXPECT_TRUE(dc.Recording()[0].ends_with(platform::dcrecord::Color(GetSysColor(COLOR_BTNFACE))));
}

// A view may ask for an extended style as it is made.
class ControlParentView : public CScrollView {
public:
    bool PreCreateWindow(CREATESTRUCT& create) override
    {
        create.exStyle |= WS_EX_CONTROLPARENT;
        return true;
    }
    void OnDraw(CDC*) override {}
};

TEST(View, TheExtendedStyleOfPreCreateWindowIsTheWindows)
{
    FormHost host;
    ControlParentView view;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &host.frame,
                            AFX_IDW_PANE_FIRST, nullptr));
    EXPECT_TRUE(view.GetExStyle() & WS_EX_CONTROLPARENT);
}

TEST(DialogTemplate, AModalDialogGetsItsTemplateAndItsButtonsEndIt)
{
    platform::ResourceRegistration<DialogTemplate> table{kForm};
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

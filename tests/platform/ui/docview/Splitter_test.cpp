#include "platform/ui/docview/FrameworkIds.h"
#include "platform/ui/docview/SplitterWnd.h"
#include "platform/ui/docview/TreeView.h"
#include "tests/platform/ui/support/ViewTestSupport.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace viewtest;

namespace {

class PaneTree : public CTreeView {
    DECLARE_DYNCREATE(PaneTree)
    DECLARE_MESSAGE_MAP()
public:
    std::vector<std::string> selected;
    bool PreCreateWindow(CREATESTRUCT& create) override
    {
        create.style |= TVS_HASBUTTONS | TVS_LINESATROOT;
        return true;
    }
    void OnSelChanged(NMHDR* header, LRESULT*)
    {
        auto* info = reinterpret_cast<NMTREEVIEW*>(header);
        selected.push_back(GetTreeCtrl().GetItemText(info->itemNew.hItem));
    }
};
IMPLEMENT_DYNCREATE(PaneTree, CTreeView)
BEGIN_MESSAGE_MAP(PaneTree, CTreeView)
    ON_NOTIFY_REFLECT(TVN_SELCHANGED, OnSelChanged)
END_MESSAGE_MAP()

// A frame and document with a 1 x 2 splitter: tree on the left, a view on the right.
struct SplitFrame {
    NoteDoc doc;
    CFrameWnd frame;
    CSplitterWnd splitter;

    SplitFrame()
    {
        frame.Create(nullptr, "split", WS_OVERLAPPED, CRect(0, 0, 640, 480), nullptr, 0);
        CCreateContext context{nullptr, &doc};
        splitter.CreateStatic(&frame, 1, 2);
        splitter.CreateView(0, 0, RUNTIME_CLASS(PaneTree), CSize(160, 100), &context);
        splitter.CreateView(0, 1, RUNTIME_CLASS(NoteView), CSize(100, 100), &context);
        frame.RecalcLayout();
        frame.SetActiveView(dynamic_cast<CView*>(splitter.GetPane(0, 1)));
    }
};

} // namespace

TEST(SplitterWnd, ReplacingAPaneByClassKeepsTheDocumentAndTheActiveView)
{
    SplitFrame s;
    auto* first = dynamic_cast<NoteView*>(s.splitter.GetPane(0, 1));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetDlgCtrlID(), s.splitter.IdFromRowCol(0, 1));
    EXPECT_EQ(first->GetParentFrame(), &s.frame);
    const int destroyed = NoteView::destroyed;

    CView* second = s.splitter.ReplaceView(0, 1, RUNTIME_CLASS(OtherView), CSize(100, 100));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(NoteView::destroyed, destroyed + 1);
    EXPECT_TRUE(second->IsKindOf(RUNTIME_CLASS(OtherView)));
    EXPECT_EQ(s.splitter.GetPane(0, 1), second);
    EXPECT_EQ(second->GetDocument(), &s.doc);
    EXPECT_EQ(s.frame.GetActiveView(), second);
    // The document knows the new view and no longer the old one.
    EXPECT_EQ(s.doc.GetViews().size(), 2u);
    s.doc.UpdateAllViews(nullptr, 7);
    EXPECT_EQ(static_cast<NoteView*>(second)->hints, (std::vector<LPARAM>{7}));

    // The pane keeps its place and size.
    CRect pane;
    second->GetWindowRect(&pane);
    s.splitter.ScreenToClient(&pane);
    EXPECT_EQ(pane.left, 160 + CSplitterWnd::kBarSize);

    // A class that is not a view leaves the pane empty rather than half made.
    EXPECT_EQ(s.splitter.ReplaceView(0, 1, RUNTIME_CLASS(CFrameWnd), CSize(1, 1)), nullptr);
    EXPECT_EQ(s.splitter.GetPane(0, 1), nullptr);
    EXPECT_EQ(s.frame.GetActiveView(), nullptr);
    EXPECT_FALSE(s.splitter.CreateView(0, 2, RUNTIME_CLASS(NoteView), CSize(1, 1), nullptr));
}

TEST(SplitterWnd, AViewKeptAsideSurvivesRefillingItsPaneAndGoesWithItsWindow)
{
    SplitFrame s;
    auto* firm = dynamic_cast<NoteView*>(s.splitter.GetPane(0, 1));
    ASSERT_NE(firm, nullptr);
    const int destroyed = NoteView::destroyed;
    // Kept aside the way the main splitter keeps its firm views: hidden, under another id.
    firm->ShowWindow(SW_HIDE);
    firm->SetDlgCtrlID(2002);
    EXPECT_EQ(s.splitter.GetPane(0, 1), nullptr);
    ASSERT_TRUE(s.splitter.CreateView(0, 1, RUNTIME_CLASS(OtherView), CSize(100, 100), nullptr));
    ASSERT_NE(s.splitter.ReplaceView(0, 1, RUNTIME_CLASS(OtherView), CSize(100, 100)), nullptr);
    EXPECT_EQ(NoteView::destroyed, destroyed + 1); // the first OtherView only
    EXPECT_TRUE(firm->IsWindow());
    s.doc.UpdateAllViews(nullptr, 9);
    EXPECT_EQ(firm->hints.back(), 9);

    // Back in the pane, then ended by whoever kept it: its window takes the object along.
    s.splitter.DeleteView(0, 1);
    firm->SetDlgCtrlID(s.splitter.IdFromRowCol(0, 1));
    firm->ShowWindow(SW_SHOW);
    EXPECT_EQ(s.splitter.GetPane(0, 1), firm);
    firm->DestroyWindow();
    EXPECT_EQ(NoteView::destroyed, destroyed + 3);
    EXPECT_EQ(s.doc.GetViews().size(), 1u);
}

TEST(SplitterWnd, ColumnWidthsAreSetReadAndDragged)
{
    SplitFrame s;
    int current = 0, minimum = 0;
    s.splitter.GetColumnInfo(0, current, minimum);
    EXPECT_EQ(current, 160);
    s.splitter.SetColumnInfo(0, 200, 20);
    s.splitter.RecalcLayout();
    s.splitter.GetColumnInfo(0, current, minimum);
    EXPECT_EQ(current, 200);
    EXPECT_EQ(minimum, 20);
    CRect client;
    s.splitter.GetClientRect(&client);
    s.splitter.GetColumnInfo(1, current, minimum);
    EXPECT_EQ(current, client.Width() - 200 - CSplitterWnd::kBarSize); // the last takes the rest

    // More than there is room for is cut to the room; below the minimum closes the pane.
    s.splitter.SetColumnInfo(0, 5000, 0);
    s.splitter.RecalcLayout();
    s.splitter.GetColumnInfo(0, current, minimum);
    EXPECT_EQ(current, client.Width() - CSplitterWnd::kBarSize);
    s.splitter.SetColumnInfo(0, 10, 20);
    s.splitter.RecalcLayout();
    s.splitter.GetColumnInfo(0, current, minimum);
    EXPECT_EQ(current, 0);

    // Dragging the bar moves it with the pointer.
    s.splitter.SetColumnInfo(0, 150, 0);
    s.splitter.RecalcLayout();
    s.frame.ShowWindow(SW_SHOW);
    QWidget* widget = s.splitter.GetWidget();
    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(152, 50));
    QTest::mouseMove(widget, QPoint(252, 50));
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(252, 50));
    s.splitter.GetColumnInfo(0, current, minimum);
    EXPECT_EQ(current, 250);
    EXPECT_FALSE(s.splitter.CreateStatic(&s.frame, 1, 1)); // made once
    CSplitterWnd tooMany;
    EXPECT_FALSE(tooMany.CreateStatic(&s.frame, 1, 17));
}

TEST(SplitterWnd, NextAndPreviousPaneCycleTheActiveView)
{
    SplitFrame s;
    CView* tree = dynamic_cast<CView*>(s.splitter.GetPane(0, 0));
    CView* right = dynamic_cast<CView*>(s.splitter.GetPane(0, 1));
    ASSERT_EQ(s.frame.GetActiveView(), right);
    EXPECT_TRUE(s.frame.SendCommand(ID_NEXT_PANE));
    EXPECT_EQ(s.frame.GetActiveView(), tree);
    EXPECT_TRUE(s.frame.SendCommand(ID_NEXT_PANE));
    EXPECT_EQ(s.frame.GetActiveView(), right);
    EXPECT_TRUE(s.frame.SendCommand(ID_PREV_PANE));
    EXPECT_EQ(s.frame.GetActiveView(), tree);

    // A click in a view, or the focus going into one, makes it the active one.
    s.frame.ShowWindow(SW_SHOW);
    QTest::mouseClick(right->GetWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(s.frame.GetActiveView(), right);

    s.frame.ShowWindow(SW_SHOW);
    s.frame.GetWidget()->activateWindow();
    if (!QTest::qWaitForWindowActive(s.frame.GetWidget()))
        GTEST_FAIL() << "the platform gives no window the focus";
    right->SetFocus();
    EXPECT_EQ(s.frame.GetActiveView(), right);
    static_cast<PaneTree*>(tree)->GetTreeCtrl().SetFocus();
    EXPECT_EQ(s.frame.GetActiveView(), tree);
}

// As the framework's views do on a mouse activation: a click gives the view the keyboard
// though it was the active view already, and keys typed then are the view's.
TEST(SplitterWnd, AClickOnTheActiveViewGivesItTheKeyboardBack)
{
    SplitFrame s;
    CView* right = dynamic_cast<CView*>(s.splitter.GetPane(0, 1));
    s.frame.ShowWindow(SW_SHOW);
    s.frame.GetWidget()->activateWindow();
    if (!QTest::qWaitForWindowActive(s.frame.GetWidget()))
        GTEST_FAIL() << "the platform gives no window the focus";
    ASSERT_EQ(right->GetWidget()->focusPolicy(), Qt::NoFocus);
    right->SetFocus();
    s.frame.SetFocus(); // the keyboard leaves the views (a save ends the edits so)
    ASSERT_EQ(s.frame.GetActiveView(), right);
    ASSERT_EQ(QApplication::focusWidget(), s.frame.GetWidget());
    QTest::mouseClick(right->GetWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(QApplication::focusWidget(), right->GetWidget());
    EXPECT_EQ(s.frame.GetActiveView(), right);
}

TEST(TreeView, TheTreeFillsTheViewAndItsNotificationsReachTheViewsMap)
{
    SplitFrame s;
    auto* tree = dynamic_cast<PaneTree*>(s.splitter.GetPane(0, 0));
    ASSERT_NE(tree, nullptr);
    CTreeCtrl& ctrl = tree->GetTreeCtrl();
    EXPECT_TRUE(ctrl.GetStyle() & TVS_HASBUTTONS);
    CRect view, inner;
    tree->GetClientRect(&view);
    ctrl.GetClientRect(&inner);
    EXPECT_EQ(view, inner);
    HTREEITEM root = ctrl.InsertItem("Proposal");
    ctrl.InsertItem("Schedule Of Items", root);
    ASSERT_TRUE(ctrl.SelectItem(root));
    EXPECT_EQ(tree->selected, (std::vector<std::string>{"Proposal"}));
    EXPECT_EQ(tree->GetTreeCtrl().GetDlgCtrlID(), CTreeView::kTreeCtrlId);
}

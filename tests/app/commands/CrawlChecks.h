#pragma once

// What must hold after any command: every view of the main window can paint (shown or kept
// hidden), and the views, the tree and the document agree on the proposal that is open. A view
// left pointing at a proposal that was closed paints from freed memory here, which the
// sanitizer build reports.
#include "app/doc/BidDoc.h"
#include "app/firms/DBEItemSplitter.h"
#include "app/frame/MainFrame.h"
#include "app/grids/ProposalGrid.h"
#include "app/tree/BidTreeView.h"
#include "app/views/DVBlank.h"
#include "app/views/NodeViews.h"
#include "model/records/Prop.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

namespace crawl {

// The windows of a kind below the frame, hidden ones too.
template <class Window>
std::vector<Window*> WindowsOf(CFrameWnd& frame)
{
    std::vector<Window*> found;
    for (QWidget* widget : frame.GetWidget()->findChildren<QWidget*>())
        if (auto* window = dynamic_cast<Window*>(CWnd::FromWidget(widget)))
            found.push_back(window);
    return found;
}

// Every view painted into a picture, whether shown or not, then the queued paints and events.
inline void PaintEveryView(CFrameWnd& frame)
{
    for (CView* view : WindowsOf<CView>(frame)) {
        QWidget* widget = view->GetWidget();
        QImage picture(widget->size().expandedTo({1, 1}), QImage::Format_ARGB32_Premultiplied);
        widget->render(&picture);
        widget->update();
    }
    QApplication::processEvents();
}

// The node the right pane shows: its form's, or the firm item grid's above its item form.
inline NodeRef ShownNode(const CBidView& splitter)
{
    const CView* view = splitter.GetRightView();
    if (!view && splitter.GetFirmItemSplitter())
        view = dynamic_cast<const CView*>(splitter.GetFirmItemSplitter()->GetPane(0, 0));
    return view ? NodeRef{GetViewNodeType(*view), GetViewNodeIndex(*view)} : NodeRef{-1, -1};
}

// Every view belongs to the document and reads the open proposal, the tree and the title agree
// with it, and the right pane shows the selected node's form.
inline ::testing::AssertionResult ViewsAgree(CMainFrame& frame, const CBidDoc& doc)
{
    std::ostringstream wrong;
    const CProp* prop = doc.GetProp();
    const std::vector<CView*> views = WindowsOf<CView>(frame);
    for (const CView* view : views)
        if (view->GetDocument() != &doc)
            wrong << "a " << view->GetRuntimeClass()->m_lpszClassName << " shows another document; ";
    for (const CProposalGrid* grid : WindowsOf<CProposalGrid>(frame))
        if (grid->GetProposal() && grid->GetProposal() != prop)
            wrong << "a grid reads a proposal that is not open; ";
    if (CView* active = frame.GetActiveView(); active && std::find(views.begin(), views.end(), active) == views.end())
        wrong << "the active view is gone; ";
    const CBidTreeView* tree = frame.GetTreeView();
    if (!tree)
        wrong << "no tree; ";
    else if (!doc.IsLettingMode() && (prop != nullptr) != (tree->GetTreeCtrl().GetRootItem() != nullptr))
        wrong << "the tree " << (prop ? "is empty with" : "has nodes without") << " a proposal; ";
    else if (const std::optional<NodeRef> selected = tree->SelectedNode();
             selected && GetNodeViewClass(selected->type, doc.m_iGridMode != 0) != RUNTIME_CLASS(CDV_Blank) &&
             ShownNode(frame.GetSplitter()) != *selected)
        wrong << "node " << selected->type << "/" << selected->index << " is selected, the pane shows "
              << ShownNode(frame.GetSplitter()).type << "/" << ShownNode(frame.GetSplitter()).index << "; ";
    const std::string title = frame.GetWindowText();
    if ((title == CMainFrame::kNoProposalTitle) != (prop == nullptr))
        wrong << "the title \"" << title << "\" " << (prop ? "names no" : "names a") << " proposal; ";
    if (wrong.str().empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong.str();
}

} // namespace crawl

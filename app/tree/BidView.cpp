#include "app/tree/BidView.h"

#include "app/firms/DBEItemSplitter.h"
#include "app/firms/DVDBEItemGrid.h"
#include "app/startup/BidApp.h"
#include "app/views/DV.h"
#include "app/views/DV2.h"
#include "app/views/DVBlank.h"
#include "app/views/NodeViews.h"
#include "app/views/ViewHints.h"
#include "platform/ui/docview/View.h"

#include <utility>

namespace {

// Views are made at this size and laid out to the pane at once.
constexpr CSize kNewViewSize{500, 500};

} // namespace

bool SetViewNode(CView& view, int index, int nodeType)
{
    if (auto* form = dynamic_cast<CDV*>(&view)) {
        form->m_iNodeIndex = index;
        form->m_iNodeType = nodeType;
        return true;
    }
    if (auto* form = dynamic_cast<CDV2*>(&view)) {
        form->m_iNodeIndex = index;
        form->m_iNodeType = nodeType;
        return true;
    }
    return false;
}

int GetViewNodeType(const CView& view)
{
    if (const auto* form = dynamic_cast<const CDV*>(&view))
        return form->m_iNodeType;
    const auto* form = dynamic_cast<const CDV2*>(&view);
    return form ? form->m_iNodeType : 0;
}

int GetViewNodeIndex(const CView& view)
{
    if (const auto* form = dynamic_cast<const CDV*>(&view))
        return form->m_iNodeIndex;
    const auto* form = dynamic_cast<const CDV2*>(&view);
    return form ? form->m_iNodeIndex : 0;
}

CView* CBidView::GetRightView() const
{
    return dynamic_cast<CView*>(GetPane(0, 1));
}

CView* CBidView::GetKeptView(int slot) const
{
    return slot >= 0 && slot < int(m_keptViews.size()) ? m_keptViews[size_t(slot)] : nullptr;
}

void CBidView::ShowBlankForm()
{
    ReplaceRightPane(RUNTIME_CLASS(CDV_Blank), 0, NODE_NONE);
}

CView* CreateNodeView(CSplitterWnd& splitter, int row, int col, const CRuntimeClass* viewClass, CSize size,
                      int index, int nodeType, CDocument* document)
{
    CCreateContext context{viewClass, document};
    if (!splitter.CreateView(row, col, viewClass, size, &context))
        return nullptr;
    auto* view = dynamic_cast<CView*>(splitter.GetPane(row, col));
    if (!view)
        return nullptr;
    SetViewNode(*view, index, nodeType);
    view->SetRedraw(false);
    view->OnInitialUpdate();
    view->SetRedraw(true);
    view->ShowWindow(SW_SHOW);
    return view;
}

void CBidView::ReplaceRightPane(const CRuntimeClass* viewClass, int index, int nodeType)
{
    CDocument* document = RightPaneDocument();
    KeepOrDeleteRightPane();
    if (viewClass->IsDerivedFrom(RUNTIME_CLASS(CDV_DBEItemGrid)))
        ShowFirmItemSplitter(viewClass, index, nodeType, document);
    else if (!ReuseKeptView(nodeType, index))
        CreateNodeView(*this, 0, 1, viewClass, kNewViewSize, index, nodeType, document);
    RecalcLayout();
}

CDocument* CBidView::RightPaneDocument() const
{
    if (const CView* view = GetRightView())
        return view->GetDocument();
    const auto* grid = m_pFirmItemSplitter ? dynamic_cast<const CView*>(m_pFirmItemSplitter->GetPane(0, 0)) : nullptr;
    return grid ? grid->GetDocument() : nullptr;
}

// The grid of the firm's items above, the form of the item under its cursor below.
void CBidView::ShowFirmItemSplitter(const CRuntimeClass* gridClass, int index, int nodeType, CDocument* document)
{
    const CBidApp* app = GetBidApp();
    const int itemType = nodeType - NODE_DBE_ITEM_GRID + NODE_DBE_ITEM;
    CDBEItemSplitter::Panes panes{gridClass, nodeType, GetNodeViewClass(itemType, false), itemType, index,
                                  document, app ? app->m_iHSplitterPos : 0};
    m_pFirmItemSplitter = CDBEItemSplitter::CreateInPane(*this, 0, 1, panes);
}

// A firm form is hidden and kept for the next firm of its kind; the firm item splitter and any
// other view go.
void CBidView::KeepOrDeleteRightPane()
{
    if (m_pFirmItemSplitter) {
        std::exchange(m_pFirmItemSplitter, nullptr)->Close();
        return;
    }
    CView* old = GetRightView();
    if (!old)
        return;
    const int slot = KeptViewSlot(GetViewNodeType(*old));
    if (slot < 0 || m_keptViews[size_t(slot)]) {
        DeleteView(0, 1);
        return;
    }
    old->ShowWindow(SW_HIDE);
    old->SetDlgCtrlID(kKeptViewIds[slot]);
    m_keptViews[size_t(slot)] = old;
}

bool CBidView::ReuseKeptView(int nodeType, int index)
{
    const int slot = KeptViewSlot(nodeType);
    CView* kept = slot < 0 ? nullptr : m_keptViews[size_t(slot)];
    if (!kept)
        return false;
    m_keptViews[size_t(slot)] = nullptr;
    kept->SetDlgCtrlID(IdFromRowCol(0, 1));
    kept->ShowWindow(SW_SHOW);
    SetViewNode(*kept, index, nodeType);
    kept->OnUpdate(nullptr, HINT_REFRESH_FORMS, nullptr);
    return true;
}

void CBidView::DestroyKeptViews()
{
    for (CView*& kept : m_keptViews) {
        if (kept)
            kept->DestroyWindow();
        kept = nullptr;
    }
}

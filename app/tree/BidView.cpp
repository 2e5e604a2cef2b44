#include "app/tree/BidView.h"

#include "app/views/DV.h"
#include "app/views/DV2.h"
#include "app/views/DVBlank.h"
#include "app/views/NodeViews.h"
#include "app/views/ViewHints.h"
#include "platform/ui/docview/View.h"

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

void CBidView::ReplaceRightPane(const CRuntimeClass* viewClass, int index, int nodeType)
{
    CView* old = GetRightView();
    CDocument* document = old ? old->GetDocument() : nullptr;
    KeepOrDeleteRightPane();
    if (!ReuseKeptView(nodeType, index)) {
        CCreateContext context{viewClass, document};
        if (CreateView(0, 1, viewClass, kNewViewSize, &context))
            if (CView* view = GetRightView()) {
                SetViewNode(*view, index, nodeType);
                view->SetRedraw(false);
                view->OnInitialUpdate();
                view->SetRedraw(true);
                view->ShowWindow(SW_SHOW);
            }
    }
    RecalcLayout();
}

// A firm form is hidden and kept for the next firm of its kind; any other view goes.
void CBidView::KeepOrDeleteRightPane()
{
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

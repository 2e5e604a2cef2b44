#pragma once

// A view that is a tree: its tree control fills it, takes its focus, and has the tree style
// bits (TVS_*) of the view's creation style. The tree's notifications reach the view's own map
// (ON_NOTIFY_REFLECT).
#include "platform/ui/controls/TreeCtrl.h"
#include "platform/ui/docview/View.h"

class CTreeView : public CView {
    DECLARE_DYNAMIC(CTreeView)
public:
    CTreeView();
    ~CTreeView() override;

    // The id under which the tree's notifications come to the view.
    static constexpr UINT kTreeCtrlId = 0xE900;

    CTreeCtrl& GetTreeCtrl() { return m_tree; }
    const CTreeCtrl& GetTreeCtrl() const { return m_tree; }

    void OnDraw(CDC*) override {} // the tree draws itself
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    CTreeCtrl m_tree;
};

// A notification of the view's own tree, in the view's message map.
#define ON_NOTIFY_REFLECT(code, fn) ON_NOTIFY(code, CTreeView::kTreeCtrlId, fn)

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

    // Paints the tree's background before its items are drawn over it; by default the tree's
    // own background colour.
    virtual bool OnEraseTreeBkgnd(CDC* dc);

private:
    // The view's tree, whose background the view paints.
    class ViewTree : public CTreeCtrl {
    public:
        explicit ViewTree(CTreeView& view) : m_view(view) {}
        bool OnEraseBkgnd(CDC* dc) override { return m_view.OnEraseTreeBkgnd(dc); }
        bool EraseOwnBackground(CDC* dc) { return CTreeCtrl::OnEraseBkgnd(dc); }

    private:
        CTreeView& m_view;
    };
    ViewTree m_tree{*this};
};

// A notification of the view's own tree, in the view's message map.
#define ON_NOTIFY_REFLECT(code, fn) ON_NOTIFY(code, CTreeView::kTreeCtrlId, fn)

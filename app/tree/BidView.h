#pragma once

// The main splitter: the proposal tree on the left, the form of the selected node on the right.
// It replaces the right pane's view as nodes are selected, keeping the firm forms alive while
// hidden so that the next firm of their kind shows in the same form.
#include "platform/ui/docview/SplitterWnd.h"

#include <array>

class CView;

class CBidView : public CSplitterWnd {
public:
    static constexpr UINT kKeptViewIds[3] = {2002, 2003, 2004};

    // Shows a view of the class for the node in the right pane.
    void ReplaceRightPane(const CRuntimeClass* viewClass, int index, int nodeType);
    void ShowBlankForm();
    // The kept firm forms go (a new proposal is coming).
    void DestroyKeptViews();

    CView* GetRightView() const;
    CView* GetKeptView(int slot) const;

private:
    void KeepOrDeleteRightPane();
    bool ReuseKeptView(int nodeType, int index);

    std::array<CView*, 3> m_keptViews{};
};

// The node a form view shows, whichever base it has; false for another kind of view.
bool SetViewNode(CView& view, int index, int nodeType);
// The node type of a form view; 0 for other views.
int GetViewNodeType(const CView& view);
int GetViewNodeIndex(const CView& view);

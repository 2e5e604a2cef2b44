#pragma once

// The main splitter: the proposal tree on the left, the form of the selected node on the right.
// It replaces the right pane's view as nodes are selected, keeping the firm forms alive while
// hidden so that the next firm of their kind shows in the same form.
#include "platform/ui/docview/SplitterWnd.h"

#include <array>

class CDBEItemSplitter;
class CDocument;
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
    // The firm item splitter in the right pane; null when another form is there.
    CDBEItemSplitter* GetFirmItemSplitter() const { return m_pFirmItemSplitter; }

private:
    CDocument* RightPaneDocument() const;
    void KeepOrDeleteRightPane();
    bool ReuseKeptView(int nodeType, int index);
    void ShowFirmItemSplitter(const CRuntimeClass* gridClass, int index, int nodeType, CDocument* document);

    std::array<CView*, 3> m_keptViews{};
    CDBEItemSplitter* m_pFirmItemSplitter = nullptr;
};

// Makes a view of the class in the splitter's pane for the node, runs its initial update with
// drawing off and shows it; null when it could not be made.
CView* CreateNodeView(CSplitterWnd& splitter, int row, int col, const CRuntimeClass* viewClass, CSize size,
                      int index, int nodeType, CDocument* document);

// The node a form view shows, whichever base it has; false for another kind of view.
bool SetViewNode(CView& view, int index, int nodeType);
// The node type of a form view; 0 for other views.
int GetViewNodeType(const CView& view);
int GetViewNodeIndex(const CView& view);

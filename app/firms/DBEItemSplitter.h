#pragma once

// The right pane of the main window for a firm's item grid node: two rows, the firm item grid
// above and the form of the item under its cursor below. The grid's height is the bidder's, kept
// in the "HSplitterPos" setting.
#include "platform/ui/docview/SplitterWnd.h"

class CBidTreeView;
class CDBEItemGrid;
class CDocument;

class CDBEItemSplitter : public CSplitterWnd {
    DECLARE_DYNCREATE(CDBEItemSplitter)
public:
    // What the two rows show: the grid view's class and node type (29-31), the form's class and
    // node type (21-23), the firm's index for both, the document, the grid's height.
    struct Panes {
        const CRuntimeClass* gridView = nullptr;
        int gridType = 0;
        const CRuntimeClass* itemView = nullptr;
        int itemType = 0;
        int index = 0;
        CDocument* document = nullptr;
        int gridHeight = 0;
    };

    // Made in the pane of `parent`, both views shown and updated once; it belongs to its window.
    // Null when it cannot be made (nothing is left behind then).
    static CDBEItemSplitter* CreateInPane(CSplitterWnd& parent, int row, int col, const Panes& panes);

    // The proposal tree: the first pane of the splitter that holds this one.
    CBidTreeView* GetTreeView() const;
    // The grid of the upper pane; null when that pane holds no firm item grid view.
    CDBEItemGrid* GetFirmItemGrid() const;
    // The form below stores what was typed in it (or says why not), then the splitter and its
    // views go.
    void Close();
};

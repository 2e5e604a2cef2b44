#include "app/firms/DBEItemSplitter.h"

#include "app/firms/DVDBEItemGrid.h"
#include "app/firms/FirmItemPane.h"
#include "app/tree/BidTreeView.h"
#include "app/tree/BidView.h"

#include <memory>

IMPLEMENT_DYNCREATE(CDBEItemSplitter, CSplitterWnd)

namespace {

// The form below starts at this size and takes what the grid leaves.
constexpr CSize kItemViewSize{100, 100};

} // namespace

CDBEItemSplitter* CDBEItemSplitter::CreateInPane(CSplitterWnd& parent, int row, int col, const Panes& panes)
{
    auto splitter = std::make_unique<CDBEItemSplitter>();
    if (!splitter->CreateStatic(&parent, 2, 1, WS_CHILD | WS_VISIBLE | WS_BORDER, parent.IdFromRowCol(row, col)))
        return nullptr;
    CDBEItemSplitter* made = splitter.release();
    made->SetDeleteWithWindow();
    CRect area;
    made->GetClientRect(&area);
    const bool shown =
        CreateNodeView(*made, 0, 0, panes.gridView, CSize(area.Width(), panes.gridHeight), panes.index,
                       panes.gridType, panes.document) &&
        CreateNodeView(*made, 1, 0, panes.itemView, kItemViewSize, panes.index, panes.itemType, panes.document);
    if (!shown) {
        made->DestroyWindow();
        return nullptr;
    }
    made->RecalcLayout();
    return made;
}

CBidTreeView* CDBEItemSplitter::GetTreeView() const
{
    const auto* outer = dynamic_cast<const CSplitterWnd*>(GetParent());
    return outer ? dynamic_cast<CBidTreeView*>(outer->GetPane(0, 0)) : nullptr;
}

CDBEItemGrid* CDBEItemSplitter::GetFirmItemGrid() const
{
    auto* view = dynamic_cast<CDV_DBEItemGrid*>(GetPane(0, 0));
    return view ? &view->GetGrid() : nullptr;
}

void CDBEItemSplitter::Close()
{
    if (auto* pane = dynamic_cast<CFirmItemPane*>(GetPane(1, 0)))
        pane->StoreTypedValues();
    DestroyWindow();
}

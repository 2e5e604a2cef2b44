#include "app/items/StoredChange.h"

#include "app/frame/MainFrame.h"
#include "app/tree/BidTreeView.h"
#include "platform/ui/docview/Document.h"
#include "platform/ui/docview/FrameworkIds.h"
#include "platform/ui/docview/View.h"

void MarkDocumentChanged(CView& view)
{
    if (CDocument* doc = view.GetDocument())
        doc->SetModifiedFlag();
}

void ShowBidTotal(const CProp& prop)
{
    if (CMainFrame* frame = GetMainFrame())
        frame->ShowTotal(prop, -1);
}

void RepaintTreeNow()
{
    if (CBidTreeView* tree = GetMainTreeView()) {
        tree->Invalidate();
        tree->UpdateWindow();
    }
}

bool ActsOnTypedText(UINT commandId)
{
    switch (commandId) {
    case ID_EDIT_COPY:
    case ID_EDIT_CUT:
    case ID_EDIT_PASTE:
    case ID_EDIT_UNDO: return true;
    default: return false;
    }
}

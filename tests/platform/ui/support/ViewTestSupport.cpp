#include "tests/platform/ui/support/ViewTestSupport.h"

#include "tests/platform/ui/support/ViewTestIds.h"

namespace viewtest {

IMPLEMENT_DYNCREATE(NoteDoc, CDocument)
BEGIN_MESSAGE_MAP(NoteDoc, CDocument)
    ON_COMMAND(kDocCommand, OnDocCommand)
    ON_COMMAND(kSharedCommand, OnDocCommand)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(NoteView, CView)
BEGIN_MESSAGE_MAP(NoteView, CView)
    ON_COMMAND(kViewCommand, OnViewCommand)
    ON_COMMAND(kSharedCommand, OnViewCommand)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(OtherView, NoteView)

IMPLEMENT_DYNCREATE(NoteFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(NoteFrame, CFrameWnd)
    ON_COMMAND(kFrameCommand, OnFrameCommand)
END_MESSAGE_MAP()

int NoteFrame::OnCreate(CREATESTRUCT* create)
{
    if (CFrameWnd::OnCreate(create) == -1)
        return -1;
    static const UINT buttons[] = {kViewCommand, ID_SEPARATOR, kDisabledCommand};
    static const UINT panes[] = {ID_SEPARATOR, 305};
    if (!toolBar.Create(this) || !toolBar.SetButtons(buttons, 3) || !statusBar.Create(this) ||
        !statusBar.SetIndicators(panes, 2))
        return -1;
    return 0;
}

} // namespace viewtest

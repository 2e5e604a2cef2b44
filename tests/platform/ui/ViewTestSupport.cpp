#include "tests/platform/ui/ViewTestSupport.h"

#include "tests/platform/ui/ViewTestIds.h"

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

} // namespace viewtest

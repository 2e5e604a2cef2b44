#include "app/views/TreeCommands.h"

#include "app/frame/MainFrame.h"
#include "app/tree/BidTreeView.h"

bool RouteToTreeView(UINT id, int code, void* extra)
{
    CBidTreeView* tree = GetMainTreeView();
    return tree && tree->OnCmdMsg(id, code, extra);
}

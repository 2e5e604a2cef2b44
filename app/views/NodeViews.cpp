#include "app/views/NodeViews.h"

#include "app/views/DVBlank.h"

const CRuntimeClass* GetNodeViewClass(int, bool)
{
    // The screens of the proposal's parts are not part of this program yet: every node shows
    // the blank form.
    return RUNTIME_CLASS(CDV_Blank);
}

int KeptViewSlot(int nodeType)
{
    return nodeType >= NODE_DBE_FIRM && nodeType <= NODE_WBE_FIRM ? nodeType - NODE_DBE_FIRM : -1;
}

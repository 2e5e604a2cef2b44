#include "app/views/NodeViews.h"

#include "app/forms/DVMisc.h"
#include "app/views/DVBlank.h"

const CRuntimeClass* GetNodeViewClass(int nodeType, bool)
{
    switch (nodeType) {
    case NODE_MISC: return RUNTIME_CLASS(CDV_Misc);
    default: return RUNTIME_CLASS(CDV_Blank);
    }
}

int KeptViewSlot(int nodeType)
{
    return nodeType >= NODE_DBE_FIRM && nodeType <= NODE_WBE_FIRM ? nodeType - NODE_DBE_FIRM : -1;
}

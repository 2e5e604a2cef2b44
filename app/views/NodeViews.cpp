#include "app/views/NodeViews.h"

#include "app/forms/DVBond.h"
#include "app/forms/DVFirm.h"
#include "app/forms/DVFirmList.h"
#include "app/forms/DVMisc.h"
#include "app/views/DVBlank.h"
#include "app/views/DVProposal.h"

const CRuntimeClass* GetNodeViewClass(int nodeType, bool)
{
    switch (nodeType) {
    case NODE_PROPOSAL: return RUNTIME_CLASS(CDV_Proposal);
    case NODE_DBE_LIST: return RUNTIME_CLASS(CDV_DBEList);
    case NODE_MBE_LIST: return RUNTIME_CLASS(CDV_MBEList);
    case NODE_WBE_LIST: return RUNTIME_CLASS(CDV_WBEList);
    case NODE_MISC: return RUNTIME_CLASS(CDV_Misc);
    case NODE_DBE_FIRM: return RUNTIME_CLASS(CDV_DBE);
    case NODE_MBE_FIRM: return RUNTIME_CLASS(CDV_MBE);
    case NODE_WBE_FIRM: return RUNTIME_CLASS(CDV_WBE);
    case NODE_BOND: return RUNTIME_CLASS(CDV_Bond);
    default: return RUNTIME_CLASS(CDV_Blank);
    }
}

int KeptViewSlot(int nodeType)
{
    return nodeType >= NODE_DBE_FIRM && nodeType <= NODE_WBE_FIRM ? nodeType - NODE_DBE_FIRM : -1;
}

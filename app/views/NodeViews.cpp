#include "app/views/NodeViews.h"

#include "app/firms/DVDBEItemGrid.h"
#include "app/forms/DVBond.h"
#include "app/forms/DVFirm.h"
#include "app/forms/DVFirmList.h"
#include "app/forms/DVMisc.h"
#include "app/items/DVItem.h"
#include "app/items/DVItemSchedule.h"
#include "app/items/DVItemScheduleGrid.h"
#include "app/items/DVSiteGrid.h"
#include "app/sections/DVSection.h"
#include "app/sections/DVSectionNotes.h"
#include "app/views/DVBlank.h"
#include "app/views/DVDataTemplate.h"
#include "app/views/DVDBEItem.h"
#include "app/views/DVLetting.h"
#include "app/views/DVProposal.h"

const CRuntimeClass* GetNodeViewClass(int nodeType, bool gridMode)
{
    switch (nodeType) {
    case NODE_PROPOSAL: return RUNTIME_CLASS(CDV_Proposal);
    case NODE_DBE_LIST: return RUNTIME_CLASS(CDV_DBEList);
    case NODE_MBE_LIST: return RUNTIME_CLASS(CDV_MBEList);
    case NODE_WBE_LIST: return RUNTIME_CLASS(CDV_WBEList);
    case NODE_MISC: return RUNTIME_CLASS(CDV_Misc);
    case NODE_SCHEDULE: return gridMode ? RUNTIME_CLASS(CDV_ItemScheduleGrid) : RUNTIME_CLASS(CDV_ItemSchedule);
    case NODE_ITEM: return RUNTIME_CLASS(CDV_Item);
    case NODE_SITES: return RUNTIME_CLASS(CDV_SiteGrid);
    case NODE_ALT_SECTION_GROUP: return RUNTIME_CLASS(CDV_AltSectionGroup);
    case NODE_OPT_SECTION_GROUP: return RUNTIME_CLASS(CDV_OptSectionGroup);
    case NODE_ALT_SECTION_CHOICE: return RUNTIME_CLASS(CDV_AltSectionChoice);
    case NODE_OPT_SECTION_CHOICE: return RUNTIME_CLASS(CDV_OptSectionChoice);
    case NODE_SECTION: return RUNTIME_CLASS(CDV_Section);
    case NODE_ALT_ITEM_GROUP: return RUNTIME_CLASS(CDV_AltItemGroup);
    case NODE_OPT_ITEM_GROUP: return RUNTIME_CLASS(CDV_OptItemGroup);
    case NODE_ALT_ITEM_CHOICE: return RUNTIME_CLASS(CDV_AltItemChoice);
    case NODE_OPT_ITEM_CHOICE: return RUNTIME_CLASS(CDV_OptItemChoice);
    case NODE_DBE_FIRM: return RUNTIME_CLASS(CDV_DBE);
    case NODE_MBE_FIRM: return RUNTIME_CLASS(CDV_MBE);
    case NODE_WBE_FIRM: return RUNTIME_CLASS(CDV_WBE);
    case NODE_DBE_ITEM: return RUNTIME_CLASS(CDV_DBEItem);
    case NODE_MBE_ITEM: return RUNTIME_CLASS(CDV_MBEItem);
    case NODE_WBE_ITEM: return RUNTIME_CLASS(CDV_WBEItem);
    case NODE_TEMPLATE_INFO: return RUNTIME_CLASS(CDV_Debug);
    case NODE_DATA_TEMPLATE: return RUNTIME_CLASS(CDV_DataTemplate);
    case NODE_BOND: return RUNTIME_CLASS(CDV_Bond);
    case NODE_LETTING: return RUNTIME_CLASS(CDV_Letting);
    case NODE_DBE_ITEM_GRID: return RUNTIME_CLASS(CDV_DBEItemGrid);
    case NODE_MBE_ITEM_GRID: return RUNTIME_CLASS(CDV_MBEItemGrid);
    case NODE_WBE_ITEM_GRID: return RUNTIME_CLASS(CDV_WBEItemGrid);
    default: return RUNTIME_CLASS(CDV_Blank);
    }
}

int KeptViewSlot(int nodeType)
{
    return nodeType >= NODE_DBE_FIRM && nodeType <= NODE_WBE_FIRM ? nodeType - NODE_DBE_FIRM : -1;
}

#include "app/views/NodeViews.h"

#include "app/firms/DVDBEItemGrid.h"
#include "app/items/DVItem.h"
#include "app/items/DVItemSchedule.h"
#include "app/items/DVItemScheduleGrid.h"
#include "app/items/DVSiteGrid.h"
#include "app/sections/DVSection.h"
#include "app/sections/DVSectionNotes.h"
#include "app/views/DVBlank.h"

const CRuntimeClass* GetNodeViewClass(int nodeType, bool gridMode)
{
    switch (nodeType) {
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
    case NODE_DBE_ITEM_GRID: return RUNTIME_CLASS(CDV_DBEItemGrid);
    case NODE_MBE_ITEM_GRID: return RUNTIME_CLASS(CDV_MBEItemGrid);
    case NODE_WBE_ITEM_GRID: return RUNTIME_CLASS(CDV_WBEItemGrid);
    default: return RUNTIME_CLASS(CDV_Blank);
    }
}

#include "app/views/NodeViews.h"

#include "app/items/DVItem.h"
#include "app/items/DVItemSchedule.h"
#include "app/items/DVItemScheduleGrid.h"
#include "app/items/DVSiteGrid.h"
#include "app/views/DVBlank.h"

const CRuntimeClass* GetNodeViewClass(int nodeType, bool gridMode)
{
    switch (nodeType) {
    case NODE_SCHEDULE: return gridMode ? RUNTIME_CLASS(CDV_ItemScheduleGrid) : RUNTIME_CLASS(CDV_ItemSchedule);
    case NODE_ITEM: return RUNTIME_CLASS(CDV_Item);
    case NODE_SITES: return RUNTIME_CLASS(CDV_SiteGrid);
    // The screens of the other parts are not part of this program yet: they show the blank form.
    default: return RUNTIME_CLASS(CDV_Blank);
    }
}

int KeptViewSlot(int nodeType)
{
    return nodeType >= NODE_DBE_FIRM && nodeType <= NODE_WBE_FIRM ? nodeType - NODE_DBE_FIRM : -1;
}

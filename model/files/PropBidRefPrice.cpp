#include "model/files/PropBidRefPrice.h"

#include "model/text/FlagWord.h"
#include "model/records/Prop.h"

int LookupBidRefPrice(CProp* prop, int index)
{
    CItem* item = prop ? prop->m_items.GetAtOrNull(index) : nullptr;
    if (!item)
        return kBidRefNoItem;
    const BidRefItem view{item->m_strItemNum, item->m_fQuan,
                          item->IsSection() || TestFlagBit(item->m_wFlags, ITEM_FIXED_PRICE) != 0};
    return LookupBidRefPrice(&view, &item->m_fUnitPrice);
}

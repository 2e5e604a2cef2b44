#include "app/doc/CheckZod.h"

#include "app/doc/DocDialogs.h"
#include "model/check/BidErrors.h"
#include "model/check/CheckBid.h"

bool ShowCheckZodErrors(CProp& prop)
{
    const int checked = CheckBid(&prop, true);
    int count = 0;
    GetBidErrorList(&count);
    if (count > 0)
        ShowBidErrors(prop);
    FreeBidErrorList();
    return checked == 1 && count == 0;
}

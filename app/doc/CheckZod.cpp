#include "app/doc/CheckZod.h"

#include "app/doc/DocDialogs.h"
#include "model/check/BidErrors.h"
#include "model/check/CheckBid.h"

int ShowCheckZodErrors(CProp& prop)
{
    CheckBid(&prop, true);
    int count = 0;
    GetBidErrorList(&count);
    if (count > 0)
        ShowBidErrors(prop);
    FreeBidErrorList();
    return count;
}

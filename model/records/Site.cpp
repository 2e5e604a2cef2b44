#include "model/records/Site.h"

#include "model/amend/FieldExchange.h"
#include "model/text/FlagWord.h"
#include "model/records/RecordText.h"

void CSite::CopyFrom(const CSite& source)
{
    *this = source;
}

unsigned CSite::ReduceToChanges(const CSite* older)
{
    if (!older)
        return 1;
    unsigned count = 0;
    count += m_iEndDate != older->m_iEndDate;
    count += m_iStartDate != older->m_iStartDate;
    if (!(IsDaysNotGiven(m_iNumberOfDays) && IsDaysNotGiven(older->m_iNumberOfDays)))
        count += m_iNumberOfDays != older->m_iNumberOfDays;
    count += m_dRoadCostPerDay != older->m_dRoadCostPerDay;
    count += m_dDamages != older->m_dDamages;
    count += MarkUnchanged(m_strSiteNumber, older->m_strSiteNumber);
    count += MarkUnchanged(m_strTypeOfDays, older->m_strTypeOfDays);
    count += MarkUnchanged(m_strDescription, older->m_strDescription);
    count += FlagDiffers(m_wFlags, older->m_wFlags, SITE_BIDDABLE);
    ChangeFlagBit(&m_wFlags, SITE_CHANGED, count > 0 ? 1 : 0);
    count += FlagDiffers(m_wFlags, older->m_wFlags, SITE_CHANGED);
    return count;
}

unsigned CSite::ExchangeWithLog(CSite& amendment)
{
    unsigned count = 0;
    count += ExchangeAndLogInt(m_iStartDate, amendment.m_iStartDate);
    count += ExchangeAndLogInt(m_iEndDate, amendment.m_iEndDate);
    count += ExchangeAndLogDouble(m_dDamages, amendment.m_dDamages);
    count += ExchangeAndLogDouble(m_dRoadCostPerDay, amendment.m_dRoadCostPerDay);
    count += ExchangeAndLogFlag(m_wFlags, amendment.m_wFlags, SITE_BIDDABLE);
    count += ExchangeAndLogFlag(m_wFlags, amendment.m_wFlags, SITE_CHANGED);
    count += SwapAndLogString(m_strTypeOfDays, amendment.m_strTypeOfDays);
    count += SwapAndLogString(m_strDescription, amendment.m_strDescription);
    count += SwapAndLogString(m_strSiteNumber, amendment.m_strSiteNumber);
    // After the exchange the amendment holds this site's former biddable flag.
    if (TestFlagBit(amendment.m_wFlags, SITE_BIDDABLE) && count == 0)
        return 0;
    return count + ExchangeAndLogInt(m_iNumberOfDays, amendment.m_iNumberOfDays);
}

void CSite::StripUnchangedMarkers()
{
    StripUnchangedMarker(m_strSiteNumber);
    StripUnchangedMarker(m_strTypeOfDays);
    StripUnchangedMarker(m_strDescription);
}

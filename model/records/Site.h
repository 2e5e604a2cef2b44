#pragma once

#include "model/records/DataObject.h"

#include <cstdint>
#include <string>

// Site flag bits.
enum : int {
    SITE_BIDDABLE = 0,   // the bidder enters the number of days
    SITE_VALID = 1,
    SITE_CHANGED = 2,    // set by ReduceToChanges when the site differs from the older version
};

// One site of the contract, with its time costs.
class CSite : public CDataObject<CSite> {
public:
    // Both values mean "number of days not given" (65535 is how the file stores -1).
    static constexpr int32_t kDaysNotGiven = -1;
    static constexpr int32_t kDaysNotGivenStored = 65535;

    uint16_t m_wFlags = 0;
    int32_t m_iStartDate = 0;
    int32_t m_iEndDate = 0;
    int32_t m_iNumberOfDays = kDaysNotGiven;
    double m_dDamages = 0;
    double m_dRoadCostPerDay = 0;
    double m_dSiteTotal = 0;
    std::string m_strSiteNumber;
    std::string m_strTypeOfDays;
    std::string m_strDescription;

    static bool IsDaysNotGiven(int32_t days) { return days == kDaysNotGiven || days == kDaysNotGivenStored; }

    void CopyFrom(const CSite& source) override;
    unsigned ReduceToChanges(const CSite* older) override;
    // A biddable site that the amendment leaves otherwise unchanged keeps the bidder's days.
    unsigned ExchangeWithLog(CSite& amendment) override;
    void StripUnchangedMarkers() override;
};

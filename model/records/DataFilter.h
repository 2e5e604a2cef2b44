#pragma once

#include "model/records/DataObject.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A named filter of a form's lists: a column range of each entry tested against wildcard patterns.
class CDataFilter : public CDataObject<CDataFilter> {
public:
    static constexpr int kPatternCount = 5;

    uint16_t m_wFlags = 0;
    int32_t m_iStartColumn = 0;
    int32_t m_iEndColumn = 0;
    std::array<std::string, kPatternCount> m_strPatterns; // each a ';'-separated list, or empty

    // The columns of the text, trimmed of blanks and tabs, match (in any case) one of the patterns.
    bool Matches(std::string_view text) const;

    void CopyFrom(const CDataFilter& source) override { *this = source; }
    unsigned ReduceToChanges(const CDataFilter* older) override;
    unsigned ExchangeWithLog(CDataFilter& amendment) override;
    void StripUnchangedMarkers() override;
};

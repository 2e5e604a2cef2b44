#pragma once

#include <array>
#include <string>
#include <utility>

// The twelve texts of a bidder (company) record, in their fixed order.
enum BidderText {
    BIDDER_AGENCY_CODE, // the agency of the open proposal; held in memory only
    BIDDER_ID,
    BIDDER_NAME,
    BIDDER_ADDRESS1,
    BIDDER_ADDRESS2,
    BIDDER_CITY,
    BIDDER_STATE,
    BIDDER_ZIP,
    BIDDER_PHONE,
    BIDDER_FAX,
    BIDDER_PAGER,
    BIDDER_EMAIL,
    BIDDER_TEXT_COUNT
};

// The bidder: the contractor's own company (one program-wide record) or the bidder written into
// a proposal. An empty text is an absent one.
struct CBidderInfo {
    std::array<std::string, BIDDER_TEXT_COUNT> m_texts;

    const std::string& Get(BidderText which) const { return m_texts[which]; }
    void Set(BidderText which, std::string text) { m_texts[which] = std::move(text); }
};

// One row of the unit conversion table.
struct CUnitRow {
    std::string m_strUnit;
    std::string m_strAlternateUnit;
    std::string m_strConversion;
    std::string m_strDescription;
    double m_dFactor = 0;
};

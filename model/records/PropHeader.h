#pragma once

#include <array>
#include <cstdint>
#include <string>

// Bits of the proposal flags (CPropHeader::m_wFlags).
enum : int {
    PROP_CHANGED = 0,            // changed since saved
    JOINT_BID = 1,
    INFORMATIONAL = 2,
    BID_ERRORS = 3,
    PROP_IS_AMENDMENT = 4,
    PROP_ALT_ITEMS_BY_CODE = 5,  // alternate items chosen by code within a section
    PROP_ALT_SECTIONS_BY_CODE = 6,
    PROP_SHOW_ALT_UNITS = 7,
    PROP_ITEMS_IN_BID = 8,
    PROP_HAS_DBE_FORM = 9,
    PROP_HAS_MISC_FORMS = 10,
    ITEM_LIST_VALID = 12,
    PROP_HAS_MBE_FORM = 13,
    PROP_HAS_WBE_FORM = 14,
    PROP_HAS_FIRM_FORMS = 15,
};

// Bits of the second proposal flags (CPropHeader::m_wFlags2).
enum : int {
    PROP2_HAS_BOND_FORM = 0,
    PROP2_IDENTICAL_ITEM_RULE = 2,
    PROP2_TIME_COSTS_IN_BID = 4,
    SITE_LIST_VALID = 5,
};

// Bits of the number-format word.
enum : int {
    NUMFMT_ZERO_PRICE_ALLOWED = 1,
    NUMFMT_NEGATIVE_PRICE_ALLOWED = 3,
};

// The three number formats: quantities, unit prices, amounts (extensions).
enum NumberFormatKind { NUMFMT_QUANTITY, NUMFMT_UNIT_PRICE, NUMFMT_AMOUNT, NUMFMT_COUNT };

struct CNumberFormat {
    uint8_t m_byWidth = 0;
    uint8_t m_byDecimals = 0;

    bool operator==(const CNumberFormat&) const = default;
};

// The proposal's header: every scalar and text of a proposal, in declaration order. Kept apart
// from the owned parts so the whole header copies and compares as one value.
struct CPropHeader {
    uint16_t m_wFlags = 0;
    uint16_t m_wFlags2 = 0;
    int32_t m_iProposalNumber = 0;
    std::array<int32_t, 2> m_iHeaderNumbers{}; // not stored in the proposal file
    int32_t m_iAmendmentCount = 0;
    double m_dProposalTotal = 0;
    double m_dSecondBidTotal = 0;
    double m_dItemsTotal = 0;
    double m_dSecondItemsTotal = 0; // in memory only
    double m_dTimeTotal = 0;
    double m_dBondAmount = 0;
    std::array<double, 3> m_dGenericNumbers{};
    uint32_t m_dwStoredChecksum = 0;
    int32_t m_iFurtherNumber = 0;
    int32_t m_iLettingDate = 0;
    int32_t m_iDateGenerated = 0;
    int32_t m_iDateRevised = 0;
    std::string m_strLettingId;
    std::string m_strCallOrder;
    std::string m_strContractId;
    std::string m_strAltContractId;
    std::string m_strLocation;
    std::string m_strShortDescription;
    std::string m_strDescription;
    std::string m_strContractType;
    std::string m_strProposalType;
    std::string m_strHighwayNumber;
    std::string m_strControllingProject;
    std::string m_strControllingRoute;
    std::string m_strControllingPcn;
    std::string m_strFundType;
    std::string m_strProjectIds;
    std::string m_strRoadName;
    std::string m_strRoute;
    std::string m_strSerialNumber;
    std::string m_strAfterSerialNumber;
    std::string m_strAgencyId;
    std::array<std::string, 8> m_strReferenceData; // reference-data texts 1 to 8
    std::string m_strSpecYear;
    std::string m_strAfterSpecYear;
    std::string m_strProposalWorkType;
    std::string m_strProjectWorkType;
    std::array<std::string, 5> m_strGenericTexts;
    std::array<std::string, 2> m_strFurtherReferences;
    std::string m_strAmendmentMatchKey; // "ContID": amendments match by contract ID
    uint16_t m_wGenericFlags = 0;
    std::array<std::string, 4> m_strSubmitUrls;
    std::array<std::string, 2> m_strBondCheckUrls;
    uint16_t m_wDisplayFormatNumber = 0;
    uint16_t m_wDisplayFormatFlags = 0;
    std::array<int32_t, 3> m_iDisplayFormatNumbers{};
    int32_t m_iMaxAttachmentSize = 5000;
    int32_t m_iCellDataBlocks = 1; // the writer stores cells' second texts and blocks; not copied
    int32_t m_iMaxTotalAttachmentSize = 15000;
    int32_t m_iThirdAttachmentLimit = 0;
    std::array<CNumberFormat, NUMFMT_COUNT> m_numberFormats{};
    uint16_t m_wNumberFormatFlags = 0;
    std::array<std::string, 4> m_strDisplayFormats;

    // Empties every text that still holds the unchanged marker.
    void StripUnchangedMarkers();

    bool operator==(const CPropHeader&) const = default;
};

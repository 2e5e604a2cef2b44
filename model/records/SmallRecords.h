#pragma once

#include "model/records/DataObject.h"

#include <cstdint>
#include <string>

// The proposal's small records. None logs its own fields: the proposal logs whole lists by label.

class CCounty : public CDataObject<CCounty> {
public:
    uint16_t m_wFlags = 0;
    std::string m_strCountyId;
    std::string m_strCountyName;

    void CopyFrom(const CCounty& source) override;
    unsigned ReduceToChanges(const CCounty* older) override;
    unsigned ExchangeWithLog(CCounty& amendment) override;
    void StripUnchangedMarkers() override;
};

// One addendum note of an amendment.
class CNote : public CDataObject<CNote> {
public:
    uint16_t m_wFlags = 0;
    int32_t m_iAmendmentNumber = 0;
    int32_t m_iAmendmentDate = 0;
    std::string m_strDescription;

    void CopyFrom(const CNote& source) override;
    unsigned ReduceToChanges(const CNote* older) override;
    unsigned ExchangeWithLog(CNote& amendment) override;
    void StripUnchangedMarkers() override;
};

class COtherRpt : public CDataObject<COtherRpt> {
public:
    uint16_t m_wFlags = 0;
    std::string m_strName;
    std::string m_strText;
    uint16_t m_wNumber = 0;

    void CopyFrom(const COtherRpt& source) override;
    unsigned ReduceToChanges(const COtherRpt* older) override;
    unsigned ExchangeWithLog(COtherRpt& amendment) override;
    void StripUnchangedMarkers() override;
};

// A named text block from the agency (report formats, the agency public key); the name is its key.
class CPlate : public CDataObject<CPlate> {
public:
    uint16_t m_wFlags = 0;
    std::string m_strText;
    uint32_t m_dwValue = 0;
    uint16_t m_wNumber = 0;

    void CopyFrom(const CPlate& source) override;
    unsigned ReduceToChanges(const CPlate* older) override;
    unsigned ExchangeWithLog(CPlate& amendment) override;
    void StripUnchangedMarkers() override;
};

// A named database field of an agency form; the name is its key.
class CDBField : public CDataObject<CDBField> {
public:
    uint16_t m_wFlags = 0;
    std::string m_strText;

    void CopyFrom(const CDBField& source) override;
    unsigned ReduceToChanges(const CDBField* older) override;
    unsigned ExchangeWithLog(CDBField& amendment) override;
    void StripUnchangedMarkers() override;
};

#pragma once

#include "model/records/ByteBlock.h"
#include "model/records/DataObject.h"
#include "model/amend/FieldExchange.h"
#include "model/records/RecordText.h"

#include <cstdint>
#include <string>

// A small record with one field of each kind, for the collection and staging tests.
class CTestRecord : public CDataObject<CTestRecord> {
public:
    CTestRecord() = default;
    explicit CTestRecord(std::string text, int32_t number = 0) : m_iNumber(number), m_strText(std::move(text)) {}

    uint16_t m_wFlags = 0;
    int32_t m_iNumber = 0;
    std::string m_strText;
    CByteBlock m_block;

    void CopyFrom(const CTestRecord& source) override { *this = source; }

    unsigned ReduceToChanges(const CTestRecord* older) override
    {
        if (!older)
            return 1;
        return (m_iNumber != older->m_iNumber ? 1u : 0u) + MarkUnchanged(m_strText, older->m_strText) +
               MarkUnchangedBlock(m_block, older->m_block);
    }

    unsigned ExchangeWithLog(CTestRecord& amendment) override
    {
        return ExchangeAndLogInt(m_iNumber, amendment.m_iNumber) + SwapAndLogString(m_strText, amendment.m_strText) +
               ExchangeAndLogBlock(m_block, amendment.m_block);
    }

    void StripUnchangedMarkers() override
    {
        StripUnchangedMarker(m_strText);
        m_block.StripUnchangedMarker();
    }
};

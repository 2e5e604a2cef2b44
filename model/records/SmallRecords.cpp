#include "model/records/SmallRecords.h"

#include "model/amend/FieldExchange.h"
#include "model/records/RecordText.h"

void CCounty::CopyFrom(const CCounty& source)
{
    *this = source;
}

unsigned CCounty::ReduceToChanges(const CCounty* older)
{
    if (!older)
        return 1;
    return MarkUnchanged(m_strCountyId, older->m_strCountyId) +
           MarkUnchanged(m_strCountyName, older->m_strCountyName);
}

unsigned CCounty::ExchangeWithLog(CCounty& amendment)
{
    return SwapAndLogString(m_strCountyId, amendment.m_strCountyId) +
           SwapAndLogString(m_strCountyName, amendment.m_strCountyName);
}

void CCounty::StripUnchangedMarkers()
{
    StripUnchangedMarker(m_strCountyId);
    StripUnchangedMarker(m_strCountyName);
}

void CNote::CopyFrom(const CNote& source)
{
    *this = source;
}

unsigned CNote::ReduceToChanges(const CNote* older)
{
    if (!older)
        return 1;
    return unsigned(m_iAmendmentNumber != older->m_iAmendmentNumber) +
           unsigned(m_iAmendmentDate != older->m_iAmendmentDate) +
           MarkUnchanged(m_strDescription, older->m_strDescription);
}

unsigned CNote::ExchangeWithLog(CNote& amendment)
{
    return ExchangeAndLogInt(m_iAmendmentNumber, amendment.m_iAmendmentNumber) +
           ExchangeAndLogInt(m_iAmendmentDate, amendment.m_iAmendmentDate) +
           SwapAndLogString(m_strDescription, amendment.m_strDescription);
}

void CNote::StripUnchangedMarkers()
{
    StripUnchangedMarker(m_strDescription);
}

void COtherRpt::CopyFrom(const COtherRpt& source)
{
    m_wNumber = source.m_wNumber;
    m_strName = source.m_strName;
    m_strText = source.m_strText;
}

unsigned COtherRpt::ReduceToChanges(const COtherRpt* older)
{
    if (!older)
        return 1;
    return unsigned(m_wNumber != older->m_wNumber) + MarkUnchanged(m_strName, older->m_strName) +
           MarkUnchanged(m_strText, older->m_strText);
}

unsigned COtherRpt::ExchangeWithLog(COtherRpt& amendment)
{
    return ExchangeAndLogWord(m_wNumber, amendment.m_wNumber) +
           SwapAndLogString(m_strName, amendment.m_strName) +
           SwapAndLogString(m_strText, amendment.m_strText);
}

void COtherRpt::StripUnchangedMarkers()
{
    StripUnchangedMarker(m_strName);
    StripUnchangedMarker(m_strText);
}

void CPlate::CopyFrom(const CPlate& source)
{
    m_wNumber = source.m_wNumber;
    m_strText = source.m_strText;
}

unsigned CPlate::ReduceToChanges(const CPlate* older)
{
    return older ? MarkUnchanged(m_strText, older->m_strText) : 1;
}

unsigned CPlate::ExchangeWithLog(CPlate& amendment)
{
    return SwapAndLogString(m_strText, amendment.m_strText);
}

void CPlate::StripUnchangedMarkers()
{
    StripUnchangedMarker(m_strText);
}

void CDBField::CopyFrom(const CDBField& source)
{
    m_strText = source.m_strText;
}

unsigned CDBField::ReduceToChanges(const CDBField* older)
{
    return older ? MarkUnchanged(m_strText, older->m_strText) : 1;
}

unsigned CDBField::ExchangeWithLog(CDBField& amendment)
{
    return SwapAndLogString(m_strText, amendment.m_strText);
}

void CDBField::StripUnchangedMarkers()
{
    StripUnchangedMarker(m_strText);
}

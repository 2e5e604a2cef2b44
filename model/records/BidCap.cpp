#include "model/records/BidCap.h"

#include "model/amend/FieldExchange.h"
#include "model/records/RecordText.h"

const std::string& CBidCap::GetMessage(int rule) const
{
    static const std::string none;
    return rule >= 0 && rule < kMaxRules ? m_strMessage[size_t(rule)] : none;
}

void CBidCap::CopyFrom(const CBidCap& source)
{
    *this = source;
}

unsigned CBidCap::ReduceToChanges(const CBidCap* older)
{
    if (!older)
        return 1;
    return unsigned(m_iRuleIndex != older->m_iRuleIndex) +
           CompareStringArrays(m_strMinimum, older->m_strMinimum) +
           CompareStringArrays(m_strMaximum, older->m_strMaximum) +
           CompareStringArrays(m_strMessage, older->m_strMessage);
}

unsigned CBidCap::ExchangeWithLog(CBidCap& amendment)
{
    return ExchangeAndLogInt(m_iRuleIndex, amendment.m_iRuleIndex) +
           ExchangeAndLogInt(m_iRuleCount, amendment.m_iRuleCount) +
           ExchangeAndLogStrings(m_strMinimum, amendment.m_strMinimum) +
           ExchangeAndLogStrings(m_strMaximum, amendment.m_strMaximum) +
           ExchangeAndLogStrings(m_strMessage, amendment.m_strMessage);
}

void CBidCap::StripUnchangedMarkers()
{
    StripUnchangedMarker(m_strName);
    for (RuleTexts* texts : {&m_strMinimum, &m_strMaximum, &m_strMessage})
        for (std::string& text : *texts)
            StripUnchangedMarker(text);
}

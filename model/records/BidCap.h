#pragma once

#include "model/records/DataObject.h"

#include <array>
#include <cstdint>
#include <string>

// The price limits of one item, keyed by its item number: up to five rules, each a minimum and a
// maximum formula and the rule's own message.
class CBidCap : public CDataObject<CBidCap> {
public:
    static constexpr int kMaxRules = 5;
    using RuleTexts = std::array<std::string, kMaxRules>;

    uint16_t m_wFlags = 0;
    int32_t m_iRuleIndex = 0;
    int32_t m_iRuleCount = 0;
    std::string m_strName;
    RuleTexts m_strMinimum;
    RuleTexts m_strMaximum;
    RuleTexts m_strMessage;

    // A rule outside 0..4 has no message.
    bool HasMessage(int rule) const { return !GetMessage(rule).empty(); }
    const std::string& GetMessage(int rule) const;

    void CopyFrom(const CBidCap& source) override;
    unsigned ReduceToChanges(const CBidCap* older) override;
    unsigned ExchangeWithLog(CBidCap& amendment) override;
    void StripUnchangedMarkers() override;
};

#include "model/entry/TypedEntry.h"

#include "model/check/Recalc.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/settings/UnitConversion.h"
#include "model/text/AmountText.h"
#include "model/text/NumberFormat.h"
#include "model/text/TextUtil.h"

#include <cmath>

namespace {

constexpr double kMostDays = 9999.0;

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::string Stays(const TypedEntry& entry, const std::string& owner)
{
    return "\nThe " + entry.field + " of " + owner + " stays as it was.";
}

// `reason` is the reader's; none means the value was out of range.
std::string NotANumber(const TypedEntry& entry, std::string_view text, std::string reason, const std::string& owner)
{
    if (reason.empty())
        reason = "out of range";
    return "The " + entry.field + " must be a number or a formula that gives one.\n" + Quoted(text) + ": " +
           reason + "." + Stays(entry, owner);
}

std::string EvaluatorReason()
{
    std::string reason;
    if (GetEvaluatorError(&reason) == 0)
        reason.clear();
    return reason;
}

// Blank clears; anything else must evaluate. `read` is `typed` as the reader takes it.
TypedEntry ReadAmount(const CProp& prop, std::string field, std::string_view typed, std::string_view read,
                      const std::string& owner)
{
    TypedEntry entry{std::move(field), MakeEvalErrorValue(), {}};
    if (IsBlankString(read))
        return entry;
    bool valid = false;
    std::string reason;
    entry.value = ParseAmountText(&prop, read, &valid, &reason);
    if (!valid || !std::isfinite(entry.value))
        entry.refusal = NotANumber(entry, typed, reason, owner);
    return entry;
}

TypedEntry ReadAmount(const CProp& prop, std::string field, std::string_view text, const std::string& owner)
{
    return ReadAmount(prop, std::move(field), text, text, owner);
}

std::string LineOf(const CItem& item)
{
    return "line " + item.m_strLineNum;
}

std::string SiteOf(const CSite& site)
{
    return "site " + site.m_strSiteNumber;
}

// The currency and "$" anywhere, then blanks and tabs at both ends; commas are left to the
// thousands rule.
std::string CleanedSiteText(std::string_view text, std::string_view currency)
{
    std::string cleaned(text);
    RemoveCurrencySymbols(cleaned, currency);
    TrimLeftChars(cleaned, " \t");
    TrimRightChars(cleaned, " \t");
    return cleaned;
}

} // namespace

TypedEntry ReadItemPrice(const CProp& prop, const CItem& item, std::string_view text)
{
    SetEvaluatorVariable("@QUAN", item.m_fQuan);
    TypedEntry entry = ReadAmount(prop, "Unit Price", text, LineOf(item));
    if (entry.Refused() || !IsEvalValueValid(entry.value))
        return entry;
    const double typed = entry.value;
    entry.value = StoreItemPrice(prop, &item, typed, prop.m_numberFormats[NUMFMT_UNIT_PRICE].m_byDecimals);
    // The proposal's rules make a zero or negative price "not entered": say so instead.
    if (!IsEvalValueValid(entry.value))
        entry.refusal = std::string("This proposal does not allow a ") + (typed < 0 ? "negative " : "zero ") +
                        entry.field + "." + Stays(entry, LineOf(item));
    return entry;
}

TypedEntry ReadItemQuantity(const CProp& prop, const CItem& item, std::string_view text)
{
    SetEvaluatorVariable("@UP", item.m_fUnitPrice);
    TypedEntry entry = ReadAmount(prop, "Quantity", text, LineOf(item));
    if (!entry.Refused())
        entry.value = StoreItemQuantity(prop, &item, entry.value, prop.m_numberFormats[NUMFMT_QUANTITY].m_byDecimals);
    return entry;
}

TypedEntry ReadSiteDays(const CSite& site, std::string_view text)
{
    TypedEntry entry{"# Days", MakeEvalErrorValue(), {}};
    std::string cleaned = CleanedSiteText(text, "");
    if (cleaned.empty())
        return entry;
    std::string reason;
    if (!RemoveThousandsCommas(cleaned, &reason)) {
        entry.refusal = NotANumber(entry, text, reason, SiteOf(site));
        return entry;
    }
    SetEvaluatorVariable("@COST", site.m_dRoadCostPerDay);
    const double days = RoundToDecimals(EvaluateExpression(cleaned.c_str()), 0);
    if (!IsEvalValueValid(days) || !std::isfinite(days))
        entry.refusal = NotANumber(entry, text, EvaluatorReason(), SiteOf(site));
    else if (days < 0 || days > kMostDays)
        entry.refusal = "The " + entry.field + " must be a whole number from 0 to 9999; " + Quoted(text) +
                        " is not." + Stays(entry, SiteOf(site));
    else
        entry.value = days;
    return entry;
}

TypedEntry ReadSiteCost(const CProp& prop, const CSite& site, std::string_view text)
{
    TypedEntry entry =
        ReadAmount(prop, "Cost/Day", text, CleanedSiteText(text, prop.GetCurrencySymbol(0)), SiteOf(site));
    if (!entry.Refused())
        entry.value = RoundToDecimals(entry.value, prop.m_numberFormats[NUMFMT_QUANTITY].m_byDecimals);
    return entry;
}

TypedEntry ReadCommittedAmount(const CProp& prop, const CItem& item, std::string field, std::string_view text,
                               NumberFormatKind kind)
{
    TypedEntry entry = ReadAmount(prop, std::move(field), text, LineOf(item) + " for this firm");
    if (!entry.Refused() && IsEvalValueValid(entry.value))
        entry.value = RoundToDecimals(entry.value, prop.m_numberFormats[kind].m_byDecimals);
    return entry;
}

#include "app/forms/TemplateValues.h"

#include "app/forms/FieldKinds.h"
#include "model/check/Recalc.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/text/AmountText.h"
#include "model/text/Dates.h"
#include "model/text/NumberFormat.h"
#include "model/text/TextUtil.h"

#include <cmath>

namespace {

constexpr size_t kMaxTyped = 4096;
constexpr int kAmountDecimals = 2;
constexpr const char* kDefaultTimeOfDay = "12:00PM";
constexpr int kFormDateStyle = 4;

FormValueCheck Accepted(std::string text)
{
    return {FormValueResult::Accepted, std::move(text), {}};
}

std::string Trimmed(std::string text)
{
    TrimLeftChars(text, " \t");
    TrimRightChars(text, " \t");
    return text;
}

// Commas stay for the reader, which takes them only as thousands separators.
FormValueCheck CheckNumber(int kind, int fieldWidth, const CProp* prop, const std::string& typed)
{
    std::string text = typed;
    RemoveCurrencySymbols(text, prop ? std::string_view(prop->GetCurrencySymbol(0)) : std::string_view());
    if (text.empty())
        return Accepted(text);
    const bool percent = text.back() == '%';
    if (percent)
        text.pop_back();
    bool valid = false;
    std::string reason;
    double value = ParseAmountText(prop, text, &valid, &reason);
    if (!valid || !IsEvalValueValid(value) || !std::isfinite(value))
        return {FormValueResult::NotANumber, typed, reason};
    if (percent && prop)
        value = prop->m_dItemsTotal * value / 100;
    const std::string prefix = kind != FIELD_MONEY ? std::string() : prop ? prop->GetCurrencySymbol(0) : "$";
    std::string shown = FormatAmount(value, std::max(fieldWidth - 3, 0), kAmountDecimals, true, prefix);
    // A value wider than the field keeps all its digits rather than turn into asterisks.
    if (shown.find('*') != std::string::npos)
        shown = FormatAmount(value, 0, kAmountDecimals, true, prefix);
    return Accepted(shown);
}

FormValueCheck CheckDate(std::string text, std::time_t today)
{
    if (text.empty())
        return Accepted(text);
    if (text[0] == 'T' || text[0] == 't') {
        const std::tm now = LocalTimeClamped(today);
        text = std::to_string(now.tm_mon + 1) + "/" + std::to_string(now.tm_mday) + "/" +
               std::to_string(now.tm_year + 1900);
    }
    const std::time_t date = DateTimeTextToTime(text.c_str(), kDefaultTimeOfDay, false);
    if (date == 0 || date == 2 || date == 4)
        return {FormValueResult::NotADate, text, {}};
    return Accepted(FormatDate(date, kFormDateStyle));
}

} // namespace

FormValueCheck CheckFormValue(int kind, int fieldWidth, const CProp* prop, const std::string& typed,
                              std::time_t today)
{
    const std::string text = typed.substr(0, kMaxTyped);
    switch (kind) {
    case FIELD_NUMBER:
    case FIELD_MONEY: return CheckNumber(kind, fieldWidth, prop, Trimmed(text));
    case FIELD_DATE: return CheckDate(Trimmed(text), today);
    default: return Accepted(text);
    }
}

std::string NotANumberMessage(const FormValueCheck& refused)
{
    if (refused.reason.empty())
        return kNotANumberText;
    return kNotANumberText + ("\n\"" + refused.text + "\": " + refused.reason + ".");
}

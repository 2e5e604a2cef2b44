#include "model/text/AmountText.h"

#include "model/text/CharClass.h"
#include "model/eval/Evaluator.h"
#include "model/records/Item.h"
#include "model/text/TextUtil.h"

#include <cmath>
#include <string>

namespace {

constexpr std::size_t kMaxCellAmountLength = 127;
constexpr const char* kMisplacedComma = "a comma may only separate groups of three digits before the decimal point";

void TrimBlanks(std::string& text)
{
    TrimLeftChars(text, " \t");
    TrimRightChars(text, " \t");
}

void RemoveLeadingSymbol(std::string& text, std::string_view symbol)
{
    if (!symbol.empty() && EqualsIgnoringCase(std::string_view(text).substr(0, symbol.size()), symbol))
        text.erase(0, symbol.size());
}

void RemoveEvery(std::string& text, std::string_view symbol)
{
    if (symbol.empty())
        return;
    for (std::size_t at = text.find(symbol); at != std::string::npos; at = text.find(symbol, at))
        text.erase(at, symbol.size());
}

bool StripParentheses(std::string& text)
{
    if (text.size() < 2 || text.front() != '(' || text.back() != ')')
        return false;
    text = text.substr(1, text.size() - 2);
    TrimBlanks(text);
    return true;
}

bool IsDigitAt(std::string_view text, std::size_t at)
{
    return at < text.size() && IsAsciiDigit(text[at]);
}

// The comma at `at` follows one to three digits of a whole part (or the three of the group before)
// and three digits follow it.
bool SeparatesThousands(std::string_view text, std::size_t at)
{
    std::size_t start = at;
    while (start > 0 && IsAsciiDigit(text[start - 1]))
        --start;
    const std::size_t digitsBefore = at - start;
    const char before = start > 0 ? text[start - 1] : ' ';
    const bool groupBefore = digitsBefore >= 1 && digitsBefore <= 3 && before != '.' &&
                             (before != ',' || digitsBefore == 3);
    return groupBefore && IsDigitAt(text, at + 1) && IsDigitAt(text, at + 2) && IsDigitAt(text, at + 3) &&
           !IsDigitAt(text, at + 4);
}

// A spreadsheet of a decimal-comma locale writes "190,50" and "1.234,50": read with the commas
// dropped they would be a price a hundred times too large, or a thousand times too small.
bool CommasOnlySeparateThousands(std::string_view text)
{
    for (std::size_t at = text.find(','); at != std::string_view::npos; at = text.find(',', at + 1))
        if (!SeparatesThousands(text, at))
            return false;
    return true;
}

double Refused(bool* valid)
{
    if (valid)
        *valid = false;
    return MakeEvalErrorValue();
}

} // namespace

bool RemoveThousandsCommas(std::string& text, std::string* reason)
{
    if (!CommasOnlySeparateThousands(text)) {
        if (reason)
            *reason = kMisplacedComma;
        return false;
    }
    RemoveChars(text, ",");
    return true;
}

double ParseAmountText(std::string_view currency, std::string_view text, bool* valid, std::string* reason)
{
    if (reason)
        reason->clear();
    if (IsBlankString(text))
        return Refused(valid);
    const std::string_view symbol = currency.empty() ? std::string_view("$") : currency;
    std::string amount(text);
    if (!RemoveThousandsCommas(amount, reason))
        return Refused(valid);
    TrimBlanks(amount);
    RemoveLeadingSymbol(amount, symbol);
    const bool negative = StripParentheses(amount);
    if (negative)
        RemoveLeadingSymbol(amount, symbol);
    const double value = EvaluateExpression(amount.c_str());
    const bool ok = IsEvalValueValid(value) != 0;
    if (valid)
        *valid = ok;
    if (reason && (ok || GetEvaluatorError(reason) == 0))
        reason->clear();
    return ok && negative ? -value : value;
}

void RemoveCurrencySymbols(std::string& text, std::string_view currency)
{
    RemoveEvery(text, currency);
    RemoveChars(text, "$");
}

void RemoveCurrencyAndSeparators(std::string& text, std::string_view currency)
{
    RemoveCurrencySymbols(text, currency);
    RemoveChars(text, ",");
}

double ParseCellAmount(std::string_view currency, std::string_view text)
{
    std::string amount(text.substr(0, kMaxCellAmountLength));
    RemoveCurrencyAndSeparators(amount, currency);
    const double value = EvaluateExpression(amount.c_str());
    return IsEvalValueValid(value) ? value : 0.0;
}

int CompareAmounts(const double* a, const double* b)
{
    if (!a || !b || !IsEvalValueValid(*a) || !IsEvalValueValid(*b))
        return 0;
    const double difference = std::fabs(*a - *b);
    if (difference <= 0.000005)
        return 1;
    if (difference <= 0.005)
        return 2;
    return 3;
}

int IsValidShortIndex(int value)
{
    return value == 65535 || value == -1 ? 0 : 1;
}

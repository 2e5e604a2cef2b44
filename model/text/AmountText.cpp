#include "model/text/AmountText.h"

#include "model/text/CharClass.h"
#include "model/eval/Evaluator.h"
#include "model/records/Item.h"
#include "model/text/TextUtil.h"

#include <cmath>
#include <string>

namespace {

constexpr std::size_t kMaxCellAmountLength = 127;

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

} // namespace

double ParseAmountText(std::string_view currency, std::string_view text, bool* valid)
{
    if (valid)
        *valid = false;
    if (IsBlankString(text))
        return MakeEvalErrorValue();
    const std::string_view symbol = currency.empty() ? std::string_view("$") : currency;
    std::string amount(text);
    TrimBlanks(amount);
    RemoveChars(amount, ",");
    RemoveLeadingSymbol(amount, symbol);
    const bool negative = StripParentheses(amount);
    if (negative)
        RemoveLeadingSymbol(amount, symbol);
    const double value = EvaluateExpression(amount.c_str());
    const bool ok = IsEvalValueValid(value) != 0;
    if (valid)
        *valid = ok;
    return ok && negative ? -value : value;
}

void RemoveCurrencyAndSeparators(std::string& text, std::string_view currency)
{
    RemoveEvery(text, currency);
    RemoveChars(text, ",$");
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

#include "model/reports/TemplateFormat.h"

#include "model/eval/Evaluator.h"
#include "model/eval/EvaluatorState.h"
#include "model/records/Prop.h"
#include "model/reports/FieldValues.h"
#include "model/reports/IntegerFormat.h"
#include "model/reports/LinePrinter.h"
#include "model/reports/ReportState.h"
#include "model/text/AmountText.h"
#include "model/text/CharClass.h"
#include "model/text/Dates.h"
#include "model/text/NumberFormat.h"
#include "model/text/TextUtil.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct WidthAndDecimals {
    int m_iWidth = 0;
    int m_iDecimals = 0;
};

// "9.2" (or "9:2"): integer digits and decimals.
WidthAndDecimals ParseWidthAndDecimals(std::string_view format)
{
    WidthAndDecimals result;
    result.m_iWidth = std::max(0, ParseLeadingInt(format));
    const std::size_t separator = format.find_first_of(".:");
    if (separator != std::string_view::npos)
        result.m_iDecimals = std::max(0, ParseLeadingInt(format.substr(separator + 1)));
    return result;
}

bool IsSetStatement(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(" \t");
    return start != std::string_view::npos && text.size() - start > 3 && EqualsIgnoringCase(text.substr(start, 3), "set") &&
           text[start + 3] == ' ';
}

std::string_view FormatText(const CTemplateField& field)
{
    return field.m_format ? std::string_view(*field.m_format) : std::string_view(field.m_pRow->m_pszFormat);
}

// ADJUST: the expression over "@Val"; an invalid value stays invalid.
double Adjusted(const CReportState& state, const CTemplateField& field, double value)
{
    if (!field.m_adjust || !IsEvalValueValid(value))
        return value;
    SetPrintVariables(state);
    SetEvaluatorVariable("@Val", value);
    bool valid = false;
    const double result = EvaluateNumberText(*field.m_adjust, &valid);
    return valid ? result : MakeEvalErrorValue();
}

std::string FormatNumber(const CReportState& state, const CTemplateField& field, double value,
                         std::string_view defaultFormat)
{
    const WidthAndDecimals format = ParseWidthAndDecimals(field.m_format ? std::string_view(*field.m_format) : defaultFormat);
    const bool commas = (field.m_wFlags & FO_COMMAS) != 0;
    if (!(field.m_wFlags & FO_MONEY))
        return FormatDollars(value, format.m_iWidth, format.m_iDecimals, commas, false);
    return FormatAmount(value, format.m_iWidth, format.m_iDecimals, commas, state.m_pProp->GetCurrencySymbol(0));
}

// A number string's value, or a text's under ADJUST: an amount in the proposal's currency, such
// as a firm's commitment.
double NumberOfText(const CReportState& state, std::string_view text)
{
    std::string number(text.substr(0, kMaxTemplateText));
    RemoveCurrencyAndSeparators(number, state.m_pProp->GetCurrencySymbol(0));
    SetPrintVariables(state);
    bool valid = false;
    const double value = EvaluateNumberText(number, &valid);
    return valid ? value : MakeEvalErrorValue();
}

uint32_t ToUnsigned(double value)
{
    if (!(value > 0))
        return 0;
    return value >= double(std::numeric_limits<uint32_t>::max()) ? std::numeric_limits<uint32_t>::max()
                                                                   : uint32_t(value);
}

std::optional<std::string> FormatUnsigned(const CReportState& state, const CTemplateField& field, double value,
                                          std::string_view fallback)
{
    value = Adjusted(state, field, value);
    if (!IsEvalValueValid(value))
        return std::string();
    const std::string_view format = FormatText(field);
    return FormatInteger(format.empty() ? fallback : format, ToUnsigned(value));
}

} // namespace

void SetPrintVariables(const CReportState& state)
{
    SetEvaluatorVariable("@Page", GetReportPage());
    SetEvaluatorVariable("@Line", GetReportLine());
    SetEvaluatorVariable("@HeaderSize", state.m_iHeaderSize);
    SetEvaluatorVariable("@FooterSize", state.m_iFooterSize);
    SetEvaluatorVariable("@PageWidth", GetTextPrinterState().m_iColumns);
    SetEvaluatorVariable("@PageHeight", GetTextPrinterState().m_iLines);
    SetEvaluatorVariable("@Section", state.m_iSectionOrdinal);
    SetEvaluatorVariable("@Item", state.m_iItemOrdinal);
    SetEvaluatorVariable("@Index", state.m_iIndex);
    SetEvaluatorVariable("@LineIndex", state.m_iLineIndex);
    SetEvaluatorVariable("@DBE", state.m_iDbeType);
}

double EvaluateNumberText(std::string_view text, bool* valid, int* error)
{
    double value = MakeEvalErrorValue();
    int code = EvalUnrecognizedCharacter;
    if (!IsSetStatement(text)) {
        value = EvaluateExpression(std::string(text).c_str());
        code = GetEvaluatorError();
    }
    if (valid)
        *valid = IsEvalValueValid(value);
    if (error)
        *error = code;
    return value;
}

int EvaluateIntegerOption(const CReportState& state, const CIntegerOption& option)
{
    if (option.m_literal)
        return *option.m_literal;
    SetPrintVariables(state);
    bool valid = false;
    const double value = EvaluateNumberText(option.m_strExpression, &valid);
    if (!valid || !std::isfinite(value))
        return 0;
    return int(std::clamp(value, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

std::optional<std::string> FormatFieldText(const CReportState& state, const CTemplateField& field,
                                           const CFieldValue& value)
{
    switch (field.m_pRow->m_iType) {
    case FT_TEXT:
        if (field.m_adjust)
            return FormatNumber(state, field, Adjusted(state, field, NumberOfText(state, value.GetText())), "12.2");
        return std::string(value.GetText().substr(0, kMaxTemplateText));
    case FT_DATE: return FormatDate(std::time_t(value.GetNumber()), std::max(0, ParseLeadingInt(FormatText(field))));
    case FT_UNSIGNED: return FormatUnsigned(state, field, value.GetNumber(), "%u");
    case FT_DOUBLE: return FormatNumber(state, field, Adjusted(state, field, value.GetNumber()), field.m_pRow->m_pszFormat);
    case FT_NUMBER_STRING:
        return FormatNumber(state, field, Adjusted(state, field, NumberOfText(state, value.GetText())),
                            field.m_pRow->m_pszFormat);
    case FT_HEX: return FormatUnsigned(state, field, value.GetNumber(), "%lX");
    case FT_FLAG: return std::string(value.GetNumber() != 0 ? "1" : "");
    default: return std::nullopt;
    }
}

namespace {

// An amount, a number text, a text taken through ADJUST, a count (pages, days, items) or the
// check code.
bool PrintsNumber(const CTemplateField& field)
{
    switch (field.m_pRow->m_iType) {
    case FT_DOUBLE:
    case FT_NUMBER_STRING:
    case FT_UNSIGNED:
    case FT_HEX: return true;
    case FT_TEXT: return field.m_adjust.has_value();
    default: return false;
    }
}

} // namespace

std::string FitToWidth(std::string text, int width, const CTemplateField& field, bool padded)
{
    if (width <= 0)
        return text;
    const std::size_t size = std::size_t(std::min(width, kMaxTemplateFieldWidth));
    // A number cut to its width would read as another number: it takes the room it needs.
    if (text.size() >= size && PrintsNumber(field))
        return text;
    if (text.size() >= size || !padded) {
        text.resize(std::min(text.size(), size));
        return text;
    }
    const std::size_t gap = size - text.size();
    const std::size_t left = (field.m_wFlags & FO_RIGHT) ? gap : (field.m_wFlags & FO_CENTER) ? gap / 2 : 0;
    text.insert(0, left, ' ');
    text.append(gap - left, ' ');
    return text;
}

#include "model/flat/FlatImport.h"

#include "model/eval/Evaluator.h"
#include "model/flat/FlatImportState.h"
#include "model/records/ItemColumns.h"
#include "model/records/Prop.h"
#include "model/text/AmountText.h"
#include "model/text/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

void CFlatRow::Clear(const char* placeKind, long place)
{
    m_pszPlaceKind = placeKind;
    m_iPlace = place;
    m_lineNumber.reset();
    m_unitPrice.reset();
    m_quantity.reset();
}

std::optional<CFlatValue>* CFlatRow::ValueSlot(int fieldId)
{
    switch (fieldId) {
    case ITEM_COL_UNIT_PRICE: return &m_unitPrice;
    case ITEM_COL_QUANTITY: return &m_quantity;
    default: return nullptr;
    }
}

void CFlatRow::Assign(int fieldId, std::string_view text)
{
    if (fieldId == ITEM_COL_LINE_NUMBER)
        m_lineNumber.emplace(text);
    else if (std::optional<CFlatValue>* slot = ValueSlot(fieldId))
        slot->emplace(CFlatValue{std::string(text), std::nullopt});
}

void CFlatRow::Assign(int fieldId, double number)
{
    if (std::optional<CFlatValue>* slot = ValueSlot(fieldId))
        slot->emplace().m_number = number;
}

bool CFlatRow::IsUsedField(int fieldId)
{
    return fieldId == ITEM_COL_LINE_NUMBER || fieldId == ITEM_COL_UNIT_PRICE || fieldId == ITEM_COL_QUANTITY;
}

bool CFlatRow::IsHeader() const
{
    return m_lineNumber && EqualsIgnoringCase(*m_lineNumber, GetItemColumnName(ITEM_COL_LINE_NUMBER));
}

namespace {

int Refuse(FlatFileJob& job, const CFlatRow& row, int result, std::string problem)
{
    job.m_strRowPlace = row.Place();
    job.m_strProblem = std::move(problem);
    return result;
}

bool IsBlank(const CFlatValue& value)
{
    return !value.m_number && value.m_strText.find_first_not_of(" \t") == std::string::npos;
}

// The value of a column: a missing or blank one is "not entered"; nullopt when it does not
// evaluate, with the reason in `problem`. A text reads as an amount the bidder types: a formula
// over "@QUAN", where thousands separators and the currency sign may stand as spreadsheets write
// them.
std::optional<double> ValueOf(const CProp& prop, const CItem& item, const std::optional<CFlatValue>& value,
                              const char* what, std::string& problem)
{
    if (!value || IsBlank(*value))
        return MakeEvalErrorValue();
    if (value->m_number) {
        if (std::isfinite(*value->m_number))
            return value->m_number;
        problem = std::string("the ") + what + " is not a finite number";
        return std::nullopt;
    }
    if (const std::optional<double> plain = ReadPlainDecimal(value->m_strText))
        return plain;
    SetEvaluatorVariable("@QUAN", item.m_fQuan);
    bool valid = false;
    const double result = ParseAmountText(prop.GetCurrencySymbol(0), value->m_strText, &valid);
    std::string error;
    const int code = GetEvaluatorError(&error);
    if (valid && code == 0 && std::isfinite(result))
        return result;
    problem = std::string("the ") + what + " \"" + value->m_strText + "\" cannot be evaluated" +
              (code == 0 ? std::string() : " (" + error + ")");
    return std::nullopt;
}

// The digits as one integer over a power of ten, where both are exact doubles (up to 2^53 and
// 10^22): one division then rounds once, to the double nearest the decimal, as reading it whole
// does. Nullopt for longer numbers.
std::optional<double> ExactDecimalQuotient(std::string_view integer, std::string_view fraction)
{
    constexpr std::size_t kMaxDigits = 19; // below 2^64
    constexpr uint64_t kMaxExactInteger = uint64_t(1) << 53;
    if (integer.size() + fraction.size() > kMaxDigits || fraction.size() > std::size_t(kMaxExactPowerOfTen))
        return std::nullopt;
    uint64_t digits = 0;
    for (const std::string_view part : {integer, fraction})
        for (const char digit : part)
            digits = digits * 10 + uint64_t(digit - '0');
    if (digits > kMaxExactInteger)
        return std::nullopt;
    return double(digits) / PowerOfTen(int(fraction.size()));
}

} // namespace

std::optional<double> ReadPlainDecimal(std::string_view text)
{
    constexpr std::size_t kMaxPlainLength = 100; // far inside what the evaluator converts
    const auto digitsFrom = [&](std::size_t i) {
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i;
    };
    const bool negative = text.starts_with('-');
    const std::size_t start = negative ? 1 : 0;
    const std::size_t integerEnd = digitsFrom(start);
    if (integerEnd == start)
        return std::nullopt;
    std::size_t end = integerEnd;
    if (end < text.size() && text[end] == '.') {
        end = digitsFrom(integerEnd + 1);
        if (end == integerEnd + 1)
            return std::nullopt;
    }
    if (end != text.size() || text.size() > kMaxPlainLength)
        return std::nullopt;
    const std::string_view integer = text.substr(start, integerEnd - start);
    const std::string_view fraction = text.substr(std::min(integerEnd + 1, end));
    if (const std::optional<double> quotient = ExactDecimalQuotient(integer, fraction))
        return negative ? -*quotient : *quotient;
    double value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc())
        return std::nullopt;
    return value;
}

int ApplyFlatRow(FlatFileJob& job, const CFlatRow& row)
{
    const std::string_view line = row.m_lineNumber ? std::string_view(*row.m_lineNumber) : std::string_view();
    const int index = job.ImportState().FindItemIndex(job.m_pProp->m_items, line);
    if (index < 0)
        return Refuse(job, row, FLAT_ROW_NO_ITEM, "no item has the line number \"" + std::string(line) + "\"");
    CItem& item = *job.m_pProp->m_items[index];

    std::string problem;
    std::optional<double> price = item.m_fUnitPrice;
    if (!TestFlagBit(item.m_wFlags, ITEM_FIXED_PRICE))
        price = ValueOf(*job.m_pProp, item, row.m_unitPrice, "unit price", problem);
    // A file without a quantity column leaves the quantities as they are.
    std::optional<double> quantity = item.m_fQuan;
    if (price && row.m_quantity && TestFlagBit(item.m_wFlags, ITEM_FIXED_FULLY_BID))
        quantity = ValueOf(*job.m_pProp, item, row.m_quantity, "quantity", problem);
    if (!price || !quantity)
        return Refuse(job, row, FLAT_ROW_BAD_VALUE, "item " + std::string(line) + ": " + problem);
    item.m_fUnitPrice = *price;
    item.m_fQuan = *quantity;
    return FLAT_ROW_APPLIED;
}

int ImportFlatRow(FlatFileJob& job, FlatRowReader read)
{
    job.m_strRowPlace.clear();
    job.m_strProblem.clear();
    CFlatImportState& state = job.ImportState();
    if (state.m_bFinished)
        return FLAT_ROW_END;
    if (job.m_pProp == nullptr || job.m_pFile == nullptr) {
        job.m_strError = "no proposal or no file to import";
        state.m_bFinished = true;
        return FLAT_ROW_END;
    }
    CFlatRow row;
    while (read(job, row))
        if (!row.IsHeader())
            return ApplyFlatRow(job, row);
    state.m_bFinished = true;
    return FLAT_ROW_END;
}

CFlatImportReport RunFlatImport(FlatFileJob& job, FlatFileFunction import)
{
    CFlatImportReport report;
    for (int result = import(job); result != FLAT_ROW_END; result = import(job)) {
        ++report.m_iLines;
        if (result == FLAT_ROW_APPLIED) {
            ++report.m_iPricesLoaded;
            continue;
        }
        ++report.m_iProblemRows;
        if (report.m_problems.size() < CFlatImportReport::kMaxProblems)
            report.m_problems.push_back(job.m_strRowPlace + ": " + job.m_strProblem);
    }
    report.m_strError = job.m_strError;
    return report;
}

#include "model/flat/FlatImport.h"

#include "model/eval/Evaluator.h"
#include "model/flat/FlatImportState.h"
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

std::string* CFlatRow::CopySlot(int fieldId)
{
    switch (fieldId) {
    case ITEM_COL_LINE_NUMBER: return &m_copies[0];
    case ITEM_COL_UNIT_PRICE: return &m_copies[1];
    case ITEM_COL_QUANTITY: return &m_copies[2];
    default: return nullptr;
    }
}

void CFlatRow::Assign(int fieldId, std::string_view text)
{
    if (std::string* copy = CopySlot(fieldId)) {
        copy->assign(text);
        Refer(fieldId, *copy);
    }
}

void CFlatRow::Assign(int fieldId, double number)
{
    if (std::optional<CFlatValue>* slot = ValueSlot(fieldId))
        slot->emplace().m_number = number;
}

bool CFlatRow::IsHeader() const
{
    return m_lineNumber && EqualsIgnoringCase(*m_lineNumber, GetItemColumnName(ITEM_COL_LINE_NUMBER));
}

namespace {

// Every row counts; only the first are named.
void CountRow(int& count, std::vector<std::string>& named, std::string name)
{
    ++count;
    if (named.size() < CFlatImportReport::kMaxNamedRows)
        named.push_back(std::move(name));
}

// What the rows that reached an item did to it, kept in the order the file first names the items.
class CRowsByItem {
public:
    explicit CRowsByItem(const CProp* prop) : m_prop(prop) {}

    void Add(int index, bool cleared)
    {
        if (m_placeOf.empty())
            m_placeOf.assign(std::size_t(m_prop->m_items.GetSize()), -1);
        int& place = m_placeOf[std::size_t(index)];
        if (place < 0) {
            place = int(m_items.size());
            m_items.push_back({index});
        }
        Outcome& item = m_items[std::size_t(place)];
        ++item.m_iRows;
        item.m_bCleared = cleared; // the last row wins
    }

    const std::string& LineOf(int index) const { return m_prop->m_items[index]->m_strLineNum; }

    void Report(CFlatImportReport& report) const
    {
        for (const Outcome& item : m_items) {
            const std::string& line = LineOf(item.m_iIndex);
            if (item.m_bCleared)
                CountRow(report.m_iClearedItems, report.m_clearedLines, line);
            if (item.m_iRows > 1)
                CountRow(report.m_iRepeatedItems, report.m_repeatedLines, line);
        }
    }

private:
    struct Outcome {
        int m_iIndex;
        int m_iRows = 0;
        bool m_bCleared = false;
    };

    const CProp* m_prop;
    std::vector<int> m_placeOf; // by item index: the place in m_items, -1 for none yet
    std::vector<Outcome> m_items;
};

int Refuse(FlatFileJob& job, const CFlatRow& row, int result, std::string problem)
{
    job.m_strRowPlace = row.Place();
    job.m_strProblem = std::move(problem);
    return result;
}

bool IsBlank(const CFlatValue& value)
{
    return !value.m_number && std::ranges::all_of(value.m_text, [](char c) { return c == ' ' || c == '\t'; });
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
    if (const std::optional<double> plain = ReadPlainDecimal(value->m_text))
        return plain;
    SetEvaluatorVariable("@QUAN", item.m_fQuan);
    bool valid = false;
    std::string reason;
    const double result = ParseAmountText(prop.GetCurrencySymbol(0), value->m_text, &valid, &reason);
    if (valid && std::isfinite(result))
        return result;
    problem = std::string("the ") + what + " \"" + std::string(value->m_text) + "\" cannot be evaluated" +
              (reason.empty() ? std::string() : " (" + reason + ")");
    return std::nullopt;
}

// The digits of a plain decimal as one integer, and how many there are in all and after the point.
struct CDecimalDigits {
    uint64_t m_value = 0; // exact up to 19 digits
    std::size_t m_count = 0;
    std::size_t m_fractionCount = 0;
};

// "-", digits, then "." and digits or nothing, in one pass; nullopt for any other text.
std::optional<CDecimalDigits> ScanPlainDecimal(std::string_view text)
{
    CDecimalDigits digits;
    bool point = false;
    for (std::size_t i = text.starts_with('-') ? 1 : 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits.m_value = digits.m_value * 10 + uint64_t(c - '0');
            ++digits.m_count;
            digits.m_fractionCount += point ? 1 : 0;
        } else if (c == '.' && !point && digits.m_count > 0) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits.m_count == 0 || (point && digits.m_fractionCount == 0))
        return std::nullopt;
    return digits;
}

// The digits as one integer over a power of ten, where both are exact doubles (up to 2^53 and
// 10^22): one division then rounds once, to the double nearest the decimal, as reading it whole
// does. Nullopt for longer numbers.
std::optional<double> ExactQuotient(const CDecimalDigits& digits)
{
    constexpr std::size_t kMaxDigits = 19; // below 2^64
    constexpr uint64_t kMaxExactInteger = uint64_t(1) << 53;
    if (digits.m_count > kMaxDigits || digits.m_value > kMaxExactInteger ||
        digits.m_fractionCount > std::size_t(kMaxExactPowerOfTen))
        return std::nullopt;
    return double(digits.m_value) / PowerOfTen(int(digits.m_fractionCount));
}

} // namespace

std::optional<double> ReadPlainDecimal(std::string_view text)
{
    constexpr std::size_t kMaxPlainLength = 100; // far inside what the evaluator converts
    const std::optional<CDecimalDigits> digits =
        text.size() <= kMaxPlainLength ? ScanPlainDecimal(text) : std::nullopt;
    if (!digits)
        return std::nullopt;
    if (const std::optional<double> quotient = ExactQuotient(*digits))
        return text.starts_with('-') ? -*quotient : *quotient;
    double value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc())
        return std::nullopt;
    return value;
}

int ApplyFlatRow(FlatFileJob& job, const CFlatRow& row)
{
    const std::string_view line = row.m_lineNumber.value_or(std::string_view());
    const int index = job.ImportState().FindItemIndex(job.m_pProp->m_items, line);
    if (index < 0)
        return Refuse(job, row, FLAT_ROW_NO_ITEM, "no item has the line number \"" + std::string(line) + "\"");
    CItem& item = *job.m_pProp->m_items[index];

    std::string problem;
    const bool fixedPrice = TestFlagBit(item.m_wFlags, ITEM_FIXED_PRICE) != 0;
    std::optional<double> price = item.m_fUnitPrice;
    if (!fixedPrice)
        price = ValueOf(*job.m_pProp, item, row.m_unitPrice, "unit price", problem);
    // A file without a quantity column leaves the quantities as they are.
    std::optional<double> quantity = item.m_fQuan;
    if (price && row.m_quantity && TestFlagBit(item.m_wFlags, ITEM_FIXED_FULLY_BID))
        quantity = ValueOf(*job.m_pProp, item, row.m_quantity, "quantity", problem);
    if (!price || !quantity)
        return Refuse(job, row, FLAT_ROW_BAD_VALUE, "item " + std::string(line) + ": " + problem);
    item.m_fUnitPrice = *price;
    item.m_fQuan = *quantity;
    job.m_iRowItem = index;
    if (fixedPrice)
        return FLAT_ROW_FIXED_PRICE;
    job.m_bPriceCleared = !IsEvalValueValid(job.m_pProp->NormalizedUnitPrice(*price));
    return FLAT_ROW_APPLIED;
}

int ImportFlatRow(FlatFileJob& job, FlatRowReader read)
{
    job.m_strRowPlace.clear();
    job.m_strProblem.clear();
    job.m_iRowItem = -1;
    job.m_bPriceCleared = false;
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
    CRowsByItem items(job.m_pProp);
    for (int result = import(job); result != FLAT_ROW_END; result = import(job)) {
        ++report.m_iLines;
        if (result == FLAT_ROW_APPLIED || result == FLAT_ROW_FIXED_PRICE)
            items.Add(job.m_iRowItem, job.m_bPriceCleared);
        if (result == FLAT_ROW_APPLIED)
            ++report.m_iPricesLoaded;
        else if (result == FLAT_ROW_FIXED_PRICE)
            CountRow(report.m_iFixedPriceRows, report.m_fixedPriceLines, items.LineOf(job.m_iRowItem));
        else
            CountRow(report.m_iProblemRows, report.m_problems, job.m_strRowPlace + ": " + job.m_strProblem);
    }
    items.Report(report);
    report.m_strError = job.m_strError;
    return report;
}

#pragma once

#include "model/flat/FlatFileJob.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What an import of a whole file did, for the user's report.
struct CFlatImportReport {
    static constexpr std::size_t kMaxProblems = 1000; // the rest are only counted

    int m_iLines = 0;         // rows read, with or without an item
    int m_iPricesLoaded = 0;  // rows applied
    int m_iProblemRows = 0;   // rows naming no item, or with a value that does not evaluate
    std::vector<std::string> m_problems; // "line 7: no item has the line number "0070""
    std::string m_strError;   // why reading stopped before the end, or empty
};

// Calls a format's import function until it reports the end of the file.
CFlatImportReport RunFlatImport(FlatFileJob& job, FlatFileFunction import);

// What follows is shared by the formats' importers.

// A value read for a price or quantity column: text to evaluate as a formula, or a number that a
// worksheet cell holds, taken as it is.
struct CFlatValue {
    std::string m_strText;
    std::optional<double> m_number;
};

// The columns of one imported row that import uses; a column the row did not have stays empty.
struct CFlatRow {
    const char* m_pszPlaceKind = "line"; // where the row is, for messages: "line 12", "row 3"
    long m_iPlace = 0;
    std::optional<std::string> m_lineNumber;
    std::optional<CFlatValue> m_unitPrice;
    std::optional<CFlatValue> m_quantity;

    void Clear(const char* placeKind, long place);
    std::string Place() const { return m_pszPlaceKind + (" " + std::to_string(m_iPlace)); }
    // Keeps the text or number of a line number, unit price or quantity field; other ids are
    // ignored. A number is only ever given for a price or quantity.
    void Assign(int fieldId, std::string_view text);
    void Assign(int fieldId, double number);
    // Line number, unit price and quantity: the fields that import uses.
    static bool IsUsedField(int fieldId);
    // A row of field names, as the exports write first: its line-number column holds the name.
    bool IsHeader() const;

private:
    std::optional<CFlatValue>* ValueSlot(int fieldId);
};

// Reads one row of a format into `row`: false at the end of the file or when reading stopped, the
// reason then in job.m_strError.
using FlatRowReader = bool (*)(FlatFileJob& job, CFlatRow& row);

// The import of one row common to every format: reads rows until one that is not a row of field
// names and applies it. A FlatRowResult.
int ImportFlatRow(FlatFileJob& job, FlatRowReader read);

// Sets the unit price of the row's item (not of a fixed-price item, whose price the agency gives)
// and, where the item lets the bidder enter it, its quantity. A text reads as an amount the bidder
// types, a formula with "@QUAN" set to the item's quantity; an empty one clears the value. A
// value that does not evaluate changes nothing and gives FLAT_ROW_BAD_VALUE.
int ApplyFlatRow(FlatFileJob& job, const CFlatRow& row);

// A plain decimal ("12.50", "-3"), which most rows hold, read exactly as the evaluator reads it but
// without its cost; nullopt for any other text.
std::optional<double> ReadPlainDecimal(std::string_view text);

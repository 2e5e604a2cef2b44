#pragma once

#include "model/flat/FlatFileJob.h"
#include "model/records/ItemColumns.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What an import of a whole file did, for the user's report.
struct CFlatImportReport {
    static constexpr std::size_t kMaxNamedRows = 1000; // of each list; the rest are only counted

    int m_iLines = 0;         // rows read, with or without an item
    int m_iPricesLoaded = 0;  // rows whose price was taken
    int m_iFixedPriceRows = 0; // rows of items whose price the agency fixes: it stayed
    std::vector<std::string> m_fixedPriceLines; // their items' line numbers, "0270"
    int m_iClearedItems = 0;  // items the file leaves without a price
    std::vector<std::string> m_clearedLines;
    int m_iRepeatedItems = 0; // items named by more than one row: the last one's values stay
    std::vector<std::string> m_repeatedLines;
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
    std::string_view m_text;
    std::optional<double> m_number;
};

// The columns of one imported row that import uses; a column the row did not have stays empty.
// Its texts are views, of the line just read or of the row's own copies, so a row is applied
// before the next is read and is never copied.
struct CFlatRow {
    CFlatRow() = default;
    CFlatRow(const CFlatRow&) = delete;
    CFlatRow& operator=(const CFlatRow&) = delete;

    const char* m_pszPlaceKind = "line"; // where the row is, for messages: "line 12", "row 3"
    long m_iPlace = 0;
    std::optional<std::string_view> m_lineNumber;
    std::optional<CFlatValue> m_unitPrice;
    std::optional<CFlatValue> m_quantity;

    void Clear(const char* placeKind, long place);
    std::string Place() const { return m_pszPlaceKind + (" " + std::to_string(m_iPlace)); }
    // Keeps a copy of the text of a line number, unit price or quantity field; other ids are
    // ignored.
    void Assign(int fieldId, std::string_view text);
    // As Assign, but keeps only a view: for text that lasts until the row is applied, as the line
    // being read does. Inline, as it runs for every field of every line.
    void Refer(int fieldId, std::string_view text)
    {
        if (fieldId == ITEM_COL_LINE_NUMBER)
            m_lineNumber = text;
        else if (std::optional<CFlatValue>* slot = ValueSlot(fieldId))
            slot->emplace(CFlatValue{text, std::nullopt});
    }
    // A number is only ever given for a price or quantity.
    void Assign(int fieldId, double number);
    // Line number, unit price and quantity: the fields that import uses.
    static bool IsUsedField(int fieldId)
    {
        return fieldId == ITEM_COL_LINE_NUMBER || fieldId == ITEM_COL_UNIT_PRICE || fieldId == ITEM_COL_QUANTITY;
    }
    // A row of field names, as the exports write first: its line-number column holds the name.
    bool IsHeader() const;

private:
    std::optional<CFlatValue>* ValueSlot(int fieldId)
    {
        switch (fieldId) {
        case ITEM_COL_UNIT_PRICE: return &m_unitPrice;
        case ITEM_COL_QUANTITY: return &m_quantity;
        default: return nullptr;
        }
    }
    std::string* CopySlot(int fieldId);

    std::array<std::string, 3> m_copies; // line number, unit price, quantity
};

// Reads one row of a format into `row`: false at the end of the file or when reading stopped, the
// reason then in job.m_strError.
using FlatRowReader = bool (*)(FlatFileJob& job, CFlatRow& row);

// The import of one row common to every format: reads rows until one that is not a row of field
// names and applies it. A FlatRowResult.
int ImportFlatRow(FlatFileJob& job, FlatRowReader read);

// Sets the unit price of the row's item (not of a fixed-price item, whose price the agency gives:
// FLAT_ROW_FIXED_PRICE) and, where the item lets the bidder enter it, its quantity. A text reads as
// an amount the bidder types, a formula with "@QUAN" set to the item's quantity; an empty one
// clears the value. A value that does not evaluate changes nothing and gives FLAT_ROW_BAD_VALUE.
int ApplyFlatRow(FlatFileJob& job, const CFlatRow& row);

// A plain decimal ("12.50", "-3"), which most rows hold, read exactly as the evaluator reads it but
// without its cost; nullopt for any other text.
std::optional<double> ReadPlainDecimal(std::string_view text);

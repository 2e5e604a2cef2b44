#pragma once

#include <optional>
#include <string>
#include <string_view>

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

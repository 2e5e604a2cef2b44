#pragma once

#include <optional>
#include <string>

// A value read for a price or quantity column: text to evaluate as a formula, or a number that a
// worksheet cell holds, taken as it is.
struct CFlatValue {
    std::string m_strText;
    std::optional<double> m_number;
};

// The columns of one imported row that import uses; a column the row did not have stays empty.
struct CFlatRow {
    std::string m_strPlace; // "line 12", "row 3": where the row is, for messages
    std::optional<std::string> m_lineNumber;
    std::optional<CFlatValue> m_unitPrice;
    std::optional<CFlatValue> m_quantity;

    void Clear(std::string place);
    // Keeps the value of a line number, unit price or quantity field; other ids are ignored.
    void Assign(int fieldId, CFlatValue value);
    // A row of field names, as the exports write first: its line-number column holds the name.
    bool IsHeader() const;
};

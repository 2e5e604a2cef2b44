#pragma once

#include <string>
#include <string_view>

// Amounts typed by the bidder or stored in form cells, read through the formula evaluator.

// Blank gives the invalid value. Blanks and tabs around it go; a "," that separates thousands
// goes, and any other "," makes the text invalid; a leading currency symbol (`currency`, or "$"
// when that is empty; any case) goes; "(...)" around the amount means negative, with the symbol
// allowed again inside. `valid` tells whether the evaluation succeeded; `reason`, when given,
// says why it did not (empty when the evaluator gave no reason).
double ParseAmountText(std::string_view currency, std::string_view text, bool* valid, std::string* reason = nullptr);

// Takes out every "," when each separates thousands as above; otherwise leaves the text as it
// is and answers false, with the reason when `reason` is given.
bool RemoveThousandsCommas(std::string& text, std::string* reason);

// Every `currency` goes first, then every "$": a symbol that holds a "$" ("US$") would otherwise
// leave its letters behind. Typed text keeps its commas for the rule above.
void RemoveCurrencySymbols(std::string& text, std::string_view currency);
// The same, and every "," too. Every reader of an amount kept as text cleans it so.
void RemoveCurrencyAndSeparators(std::string& text, std::string_view currency);

// A form cell's amount: at most 127 characters, the currency and separators removed as above,
// then evaluated as it stands, so "($1,000)" is 1000; 0 for an empty or invalid text.
double ParseCellAmount(std::string_view currency, std::string_view text);

// 0 when either is missing or invalid; 1 equal within 0.000005; 2 within half a cent; 3 beyond.
int CompareAmounts(const double* a, const double* b);

// A 16-bit count stored as -1 or 65535 means "not given".
int IsValidShortIndex(int value);

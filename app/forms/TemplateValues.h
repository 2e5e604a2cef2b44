#pragma once

// What the bidder types into a number, money or date field, checked and written the way the
// form shows it. No window is involved: the form view shows the message of a refusal.
#include <ctime>
#include <string>

class CProp;

enum class FormValueResult { Accepted, NotANumber, NotADate };

struct FormValueCheck {
    FormValueResult result = FormValueResult::Accepted;
    std::string text;   // as the field shows it from now on; as typed when refused
    std::string reason; // why a number was refused, when the reader says
};

// Numbers and money: blanks, the proposal's currency symbol and "$" go, and "," where it
// separates thousands (elsewhere it refuses the number, as a decimal comma); a trailing "%"
// takes that share of the items total; the value is written to two decimals with thousands commas
// (money with the proposal's currency symbol, "$" without a proposal). Dates: "T..." is today;
// the date is written in the program's date style. Other kinds are taken as typed. Empty text is
// always accepted.
FormValueCheck CheckFormValue(int kind, int fieldWidth, const CProp* prop, const std::string& typed,
                              std::time_t today);

// The message of a refused number: `kNotANumberText`, then the text and the reason when known.
std::string NotANumberMessage(const FormValueCheck& refused);

// The messages of a refusal, with their titles.
inline constexpr const char* kNotANumberText = "Not a valid number";
inline constexpr const char* kNotANumberTitle = "Number Format Error";
inline constexpr const char* kNotADateText =
    "Date must be in one of the following formats:\n01/31/99, Jan31, 31Jan99, 013199, 01-31-99, today";
inline constexpr const char* kNotADateTitle = "Date Format Error";

#pragma once

// Number literals of formulas: an optional sign, blanks, digits, ".", digits and an exponent
// introduced by "e", "E", "d" or "D". Conversion never depends on the locale.

// Whether a literal starts here: a sign and blanks may come before the first digit or ".".
bool StartsEvalNumber(const char* position);

struct EvalNumber {
    const char* m_end;  // just past the literal
    double m_value;
    bool m_overflow;    // too large for a double; the value is then 0
};

// Reads the literal that StartsEvalNumber found. At most 127 characters are converted; a value
// too small for a double reads as 0.
EvalNumber ReadEvalNumber(const char* position);

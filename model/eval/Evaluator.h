#pragma once

#include <bit>
#include <cstdint>
#include <string>

// The formula evaluator: one program-wide symbol table and evaluation state, main thread only.

// The sentinel that every caller tests before using a result. Inline, as recalculation tests
// several values of every row on every edit.
inline constexpr std::uint64_t kEvalInvalidBits = 0x1234567812345678ull;

inline double MakeEvalErrorValue(double* target = nullptr)
{
    const double value = std::bit_cast<double>(kEvalInvalidBits);
    if (target)
        *target = value;
    return value;
}

inline int IsEvalValueValid(double value)
{
    return std::bit_cast<std::uint64_t>(value) != kEvalInvalidBits;
}

// Evaluates one line (or runs one "set" statement); the invalid value on error.
double EvaluateExpression(const char* text);

// Code of the last evaluation (0 none); optionally its text and offset in the input.
int GetEvaluatorError(std::string* text = nullptr, int* offset = nullptr);

// Definitions: 1, or 0 on failure. A failure is recorded like an evaluation's error only when no
// error is recorded yet: the last evaluation's error stays readable until the next evaluation.
int SetEvaluatorVariable(const char* name, double value);
int DefineEvaluatorConstant(const char* name, double value);
int DefineEvaluatorFunction(const char* name, double (*function)(double));
int DefineEvaluatorMacro(const char* name, const char* text);

// Records the first error of an evaluation at a position in the text being parsed; yields 0.0.
double SetEvaluatorError(int code, const char* position);

// For functions given to DefineEvaluatorFunction: records a math error (5 overflow, 6 domain,
// 7 singularity, 8 total loss of significance) at the start of the call being made; yields 0.0.
double RaiseEvaluatorMathError(int code);

// Empties the symbol table; the built-ins come back with the next use.
void FreeEvaluatorSymbols();

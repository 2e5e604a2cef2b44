#pragma once

#include "model/eval/EvaluatorSymbols.h"

#include <string_view>

// Error codes of the evaluator; their texts are in EvaluatorErrorText.
enum EvalErrorCode {
    EvalNoError = 0,
    EvalClosingParenthesisExpected = 1,
    EvalOpeningParenthesisExpected = 2,
    EvalUnrecognizedCharacter = 3,
    EvalEmptyString = 4,
    EvalFunctionOverflow = 5,
    EvalParamOutOfRange = 6,
    EvalIllegalFunctionValue = 7,
    EvalResultOutOfRange = 8,
    EvalDivideByZero = 9,
    EvalColonExpected = 10,
    EvalNotEnoughMemory = 11,
    EvalCannotChangeType = 12,
};

// Longest identifier an expression or a "set" statement may name.
constexpr std::size_t kEvalMaxNameLength = 127;

// Texts of the error table; an empty text for a code outside it.
const char* EvaluatorErrorText(int code);

// The program-wide state: the symbol table, and the state of the evaluation under way.
struct EvaluatorState {
    EvalSymbolTable m_symbols;
    EvalSymbol* m_argument = nullptr;  // "@@", once the built-ins exist

    int m_errorCode = EvalNoError;
    const char* m_errorPosition = nullptr;
    int m_errorOffset = 0;

    const char* m_inputStart = nullptr;
    const char* m_inputEnd = nullptr;
    // Where the outermost macro call under way stands in the input: errors inside a macro's own
    // text are reported there, as positions in that text mean nothing to the caller.
    const char* m_macroCallSite = nullptr;
    const char* m_callStart = nullptr;  // the most recent function or macro call, for math errors
    EvalSymbol* m_target = nullptr;
    bool m_skip = false;
    std::size_t m_macroTextParsed = 0;  // characters of macro text parsed by calls so far

    void EnsureBuiltins();
    void BeginEvaluation(const char* text);
    // Fixes the error offset; the invalid value when an error was raised, else the value.
    double EndEvaluation(double value);
};

EvaluatorState& Evaluator();

#pragma once

#include "model/eval/EvaluatorOperators.h"
#include "model/eval/EvaluatorSymbols.h"

struct EvaluatorState;

// The parser of one evaluation: 13 operator levels over the primaries (level 13).
// Errors never stop it: the failing step yields 0.0 and only the first error is kept.
class FormulaParser {
public:
    FormulaParser(EvaluatorState& state, const char* text);

    // Evaluates from the start at level 0; Position() then stands where the parse stopped.
    double Evaluate();
    const char* Position() const { return m_position; }

    void SkipBlanks();

private:
    // Evaluates at a level: operators of that level and tighter ones.
    double Level(int lowest);
    // A parse that starts again at a looser level: parentheses, macro bodies, right sides of
    // ",", "=" and "?". Their depth is bounded so no text can exhaust the stack.
    double Nested(int level, const char* at);
    double Assign(const EvalOperator& op, EvalSymbol* target, const char* at);
    double Conditional(double condition, const char* at);
    double Combine(const EvalOperator& op, const char* at, double left, double right);
    const EvalOperator* PeekOperator();

    double Primary();
    double Number();
    double Parenthesised();
    double Name();
    double Call(EvalSymbol& symbol, const char* nameStart);
    double RunMacro(EvalSymbol& macro, double argument, const char* nameStart);

    EvaluatorState& m_state;
    const char* m_position;
    int m_depth = 0;
    // Each level looks for an operator at the same place on its way out; scan it once.
    const char* m_scannedAt = nullptr;
    const EvalOperator* m_scanned = nullptr;
};

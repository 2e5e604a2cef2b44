#include "model/eval/EvaluatorState.h"

#include "model/eval/Evaluator.h"
#include "model/eval/EvaluatorBuiltins.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace {

constexpr const char* kErrorTexts[] = {
    "No Error",
    "Closing Parenthesis expected ')'",
    "Opening Parenthesis expected '('",
    "Unrecognized character",
    "Empty String",
    "Function Overflow",
    "Function param out of range",
    "Illegal function value",
    "Function result out of range",
    "Divide by zero error",
    "Colon Expected ':'",
    "Not enough memory",
    "Cannot change identifier type",
};

// The offset of a position in the input, 0 for none or for a pointer that lies elsewhere.
int OffsetInInput(const char* position, const char* start, const char* end)
{
    const auto at = reinterpret_cast<std::uintptr_t>(position);
    const auto first = reinterpret_cast<std::uintptr_t>(start);
    const auto last = reinterpret_cast<std::uintptr_t>(end);
    if (!position || !start || at < first || at > last)
        return 0;
    return at - first > INT_MAX ? INT_MAX : int(at - first);
}

}  // namespace

const char* EvaluatorErrorText(int code)
{
    if (code < 0 || code >= int(std::size(kErrorTexts)))
        return "";
    return kErrorTexts[code];
}

EvaluatorState& Evaluator()
{
    static EvaluatorState state;
    return state;
}

void EvaluatorState::EnsureBuiltins()
{
    if (!m_symbols.IsEmpty())
        return;
    CreateEvaluatorBuiltins();
    m_argument = m_symbols.Find("@@");
}

void EvaluatorState::BeginEvaluation(const char* text)
{
    m_errorCode = EvalNoError;
    m_errorPosition = nullptr;
    m_errorOffset = 0;
    m_inputStart = text;
    m_inputEnd = text ? text + std::strlen(text) : nullptr;
    m_macroCallSite = nullptr;
    m_callStart = nullptr;
    m_target = nullptr;
    m_skip = false;
    m_macroTextParsed = 0;
}

double EvaluatorState::EndEvaluation(double value)
{
    m_target = nullptr;
    m_callStart = nullptr;
    m_macroCallSite = nullptr;
    if (m_errorCode == EvalNoError)
        return value;
    m_errorOffset = OffsetInInput(m_errorPosition, m_inputStart, m_inputEnd);
    return MakeEvalErrorValue();
}

double SetEvaluatorError(int code, const char* position)
{
    EvaluatorState& state = Evaluator();
    if (state.m_errorCode != EvalNoError)
        return 0.0;
    state.m_errorCode = code;
    state.m_errorPosition = position && state.m_macroCallSite ? state.m_macroCallSite : position;
    return 0.0;
}

double RaiseEvaluatorMathError(int code)
{
    return SetEvaluatorError(code, Evaluator().m_callStart);
}

int GetEvaluatorError(std::string* text, int* offset)
{
    const EvaluatorState& state = Evaluator();
    if (text)
        *text = EvaluatorErrorText(state.m_errorCode);
    if (offset)
        *offset = state.m_errorOffset;
    return state.m_errorCode;
}

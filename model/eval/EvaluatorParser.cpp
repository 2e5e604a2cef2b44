#include "model/eval/EvaluatorParser.h"

#include "model/eval/Evaluator.h"
#include "model/eval/EvaluatorNumber.h"
#include "model/eval/EvaluatorState.h"

#include <cmath>
#include <new>
#include <string_view>

namespace {

// Nested parses deeper than this are an error: far beyond any real formula, well within the stack.
constexpr int kMaxNesting = 200;

// Each macro call parses the macro's text again, so macros that call others twice over could keep
// one evaluation busy for days. Past this many characters of macro text (a fraction of a second of
// parsing) an evaluation fails instead.
constexpr std::size_t kMaxMacroTextParsed = std::size_t(1) << 24;

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsNameStart(char c)
{
    return IsLetter(c) || c == '_';
}

bool IsNameChar(char c)
{
    return IsNameStart(c) || (c >= '0' && c <= '9');
}

bool Accepts(const EvalSymbol* target)
{
    return target && (target->m_kind == EvalVariable || target->m_kind == EvalConstant);
}

}  // namespace

FormulaParser::FormulaParser(EvaluatorState& state, const char* text)
    : m_state(state)
    , m_position(text)
{
}

double FormulaParser::Evaluate()
{
    return Level(kCommaLevel);
}

void FormulaParser::SkipBlanks()
{
    while (*m_position == ' ' || *m_position == '\t')
        ++m_position;
}

const EvalOperator* FormulaParser::PeekOperator()
{
    if (m_scannedAt != m_position) {
        m_scannedAt = m_position;
        m_scanned = FindEvalOperator(m_position);
    }
    return m_scanned;
}

double FormulaParser::Level(int lowest)
{
    // Precedence climbing: the same parse as one function per level, where level n reads its
    // left operand at level n+1 and loops over its own operators, without the descent through
    // every level for each operand.
    double left = Primary();
    for (;;) {
        EvalSymbol* target = m_state.m_target;
        SkipBlanks();
        const char* at = m_position;
        const EvalOperator* op = PeekOperator();
        if (!op || op->m_level < lowest)
            return left;
        m_position += op->m_length;
        if (op->m_level == kCommaLevel)
            Nested(kCommaLevel, at);  // evaluated for its effects; the list keeps its first value
        else if (op->m_level == kAssignLevel)
            left = Assign(*op, target, at);
        else if (op->m_level == kConditionalLevel)
            left = Conditional(left, at);
        else
            left = Combine(*op, at, left, Level(op->m_level + 1));
    }
}

double FormulaParser::Nested(int level, const char* at)
{
    if (m_depth >= kMaxNesting)
        return SetEvaluatorError(EvalFunctionOverflow, at);
    ++m_depth;
    const double value = Level(level);
    --m_depth;
    return value;
}

double FormulaParser::Combine(const EvalOperator& op, const char* at, double left, double right)
{
    const EvalStep step = ApplyEvalOperator(op.m_opcode, left, right);
    return step.m_error ? SetEvaluatorError(step.m_error, at) : step.m_value;
}

double FormulaParser::Assign(const EvalOperator& op, EvalSymbol* target, const char* at)
{
    const double right = Nested(kAssignLevel, at);
    const double current = Accepts(target) ? target->m_value : 0.0;
    const double value = Combine(op, at, current, right);
    // A failed evaluation leaves variables as they were rather than storing a failed step's 0.
    if (Accepts(target) && m_state.m_errorCode == EvalNoError)
        target->m_value = value;
    return value;
}

double FormulaParser::Conditional(double condition, const char* at)
{
    // Both branches are parsed; the skip flag only keeps macros of the branch not taken from
    // running. An enclosing skipped branch stays skipped through nested conditionals.
    const bool outerSkip = m_state.m_skip;
    m_state.m_skip = outerSkip || condition == 0.0;
    const double thenValue = Nested(kConditionalLevel, at);
    SkipBlanks();
    if (*m_position != ':') {
        m_state.m_skip = outerSkip;
        return SetEvaluatorError(EvalColonExpected, m_position);
    }
    const char* colon = m_position++;
    m_state.m_skip = outerSkip || condition != 0.0;
    const double elseValue = Nested(kCommaLevel, colon);
    m_state.m_skip = outerSkip;
    return condition != 0.0 ? thenValue : elseValue;
}

double FormulaParser::Primary()
{
    SkipBlanks();
    if (StartsEvalNumber(m_position))
        return Number();
    if (*m_position == '(')
        return Parenthesised();
    if (*m_position != '@' && !IsNameStart(*m_position))
        return SetEvaluatorError(EvalUnrecognizedCharacter, m_position);
    return Name();
}

double FormulaParser::Number()
{
    const char* start = m_position;
    const EvalNumber number = ReadEvalNumber(start);
    m_position = number.m_end;
    return number.m_overflow ? SetEvaluatorError(EvalFunctionOverflow, start) : number.m_value;
}

double FormulaParser::Parenthesised()
{
    const char* open = m_position++;
    const double value = Nested(kCommaLevel, open);
    SkipBlanks();
    if (*m_position != ')')
        return SetEvaluatorError(EvalClosingParenthesisExpected, m_position);
    ++m_position;
    return value;
}

double FormulaParser::Name()
{
    const char* start = m_position;
    const char* end = start;
    if (*end == '@')
        ++end;
    if (*start == '@' && *end == '@') {
        ++end;
    } else if (IsNameStart(*end)) {
        while (IsNameChar(*end))
            ++end;
    } else {
        m_position = end;  // a lone "@"
        return SetEvaluatorError(EvalUnrecognizedCharacter, start);
    }
    m_position = end;
    const std::string_view name(start, std::size_t(end - start));
    if (name.size() > kEvalMaxNameLength)
        return SetEvaluatorError(EvalUnrecognizedCharacter, start);

    // A name beginning with "@" is created as a variable on first reference.
    EvalSymbol* symbol = nullptr;
    try {
        symbol = name[0] == '@' ? &m_state.m_symbols.FindOrCreate(name, EvalVariable)
                                : m_state.m_symbols.Find(name);
    } catch (const std::bad_alloc&) {
        return SetEvaluatorError(EvalNotEnoughMemory, start);
    }
    if (!symbol)
        return SetEvaluatorError(EvalUnrecognizedCharacter, start);
    if (name[0] == '@')
        m_state.m_target = symbol;

    switch (symbol->m_kind) {
    case EvalVariable:
    case EvalConstant:
        // A caller may have stored infinity or NaN; no result is ever built on one.
        if (!std::isfinite(symbol->m_value))
            return SetEvaluatorError(EvalResultOutOfRange, start);
        return symbol->m_value;
    case EvalFunctionKind:
    case EvalMacro:
        return Call(*symbol, start);
    default:
        return SetEvaluatorError(EvalUnrecognizedCharacter, start);
    }
}

double FormulaParser::Call(EvalSymbol& symbol, const char* nameStart)
{
    SkipBlanks();
    if (*m_position != '(')
        return SetEvaluatorError(EvalOpeningParenthesisExpected, m_position);
    const double argument = Parenthesised();
    if (m_state.m_errorCode != EvalNoError)
        return argument;
    m_state.m_callStart = nameStart;
    if (symbol.m_kind == EvalMacro)
        return RunMacro(symbol, argument, nameStart);

    const double result = symbol.m_function(argument);
    if (m_state.m_errorCode == EvalNoError && !std::isfinite(result))
        return SetEvaluatorError(std::isnan(result) ? EvalParamOutOfRange : EvalFunctionOverflow,
                                 nameStart);
    return result;
}

double FormulaParser::RunMacro(EvalSymbol& macro, double argument, const char* nameStart)
{
    if (m_state.m_skip)
        return 1.0;
    m_state.m_macroTextParsed += macro.m_macroText->size() + 1;
    if (m_state.m_macroTextParsed > kMaxMacroTextParsed)
        return SetEvaluatorError(EvalFunctionOverflow, nameStart);
    if (!m_state.m_argument)
        return SetEvaluatorError(EvalNotEnoughMemory, nameStart);  // "@@" could not be made
    EvalSymbol& parameter = *m_state.m_argument;
    const double savedArgument = parameter.m_value;
    const char* savedPosition = m_position;
    const char* savedCallSite = m_state.m_macroCallSite;
    if (!savedCallSite)
        m_state.m_macroCallSite = nameStart;

    parameter.m_value = argument;
    m_position = macro.m_macroText->c_str();
    const double value = Nested(kCommaLevel, nameStart);

    m_position = savedPosition;
    m_state.m_macroCallSite = savedCallSite;
    parameter.m_value = savedArgument;
    return value;
}

#include "model/eval/Evaluator.h"

#include "model/eval/EvaluatorDefinitions.h"
#include "model/eval/EvaluatorParser.h"
#include "model/eval/EvaluatorState.h"

#include <bit>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsAlphanumeric(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

struct SetStatement {
    std::string_view m_name;
    const char* m_text;
};

// "set NAME = TEXT", "set" in any case and followed by one blank; the text is all after the
// first "=" behind the name. Anything else is an expression.
std::optional<SetStatement> ParseSetStatement(const char* text)
{
    const char* p = text;
    while (IsBlank(*p))
        ++p;
    if (Lower(p[0]) != 's' || Lower(p[1]) != 'e' || Lower(p[2]) != 't' || p[3] != ' ')
        return std::nullopt;
    p += 4;
    while (IsBlank(*p))
        ++p;
    const char* nameStart = p;
    while (IsAlphanumeric(*p))
        ++p;
    const std::string_view name(nameStart, std::size_t(p - nameStart));
    while (*p && *p != '=')
        ++p;
    if (!*p)
        return std::nullopt;
    return SetStatement{name, p + 1};
}

double RunSetStatement(const SetStatement& statement)
{
    if (statement.m_name.size() > kEvalMaxNameLength)
        return SetEvaluatorError(EvalUnrecognizedCharacter, statement.m_name.data());
    DefineMacroSymbol(statement.m_name, statement.m_text);
    return 0.0;
}

double EvaluateLine(EvaluatorState& state, const char* text)
{
    if (!text || *text == '\0' || *text == '\n' || *text == '\r')
        return SetEvaluatorError(EvalEmptyString, text);
    if (const std::optional<SetStatement> statement = ParseSetStatement(text))
        return RunSetStatement(*statement);
    FormulaParser parser(state, text);
    const double value = parser.Evaluate();
    parser.SkipBlanks();
    const char next = *parser.Position();
    if (next != '\0' && next != '\r' && next != '\n')
        return SetEvaluatorError(EvalUnrecognizedCharacter, parser.Position());
    return value;
}

}  // namespace

double EvaluateExpression(const char* text)
{
    EvaluatorState& state = Evaluator();
    state.EnsureBuiltins();
    state.BeginEvaluation(text);
    // A failed definition (such as a "set" naming a constant) fails the evaluation.
    return state.EndEvaluation(EvaluateLine(state, text));
}

int SetEvaluatorVariable(const char* name, double value)
{
    if (!name)
        return 0;
    Evaluator().EnsureBuiltins();
    return DefineVariableSymbol(name, value);
}

int DefineEvaluatorConstant(const char* name, double value)
{
    if (!name)
        return 0;
    Evaluator().EnsureBuiltins();
    return DefineConstantSymbol(name, value);
}

int DefineEvaluatorFunction(const char* name, double (*function)(double))
{
    if (!name || !function)
        return 0;
    Evaluator().EnsureBuiltins();
    return DefineFunctionSymbol(name, function);
}

int DefineEvaluatorMacro(const char* name, const char* text)
{
    if (!name || !text)
        return 0;
    Evaluator().EnsureBuiltins();
    return DefineMacroSymbol(name, text);
}

void FreeEvaluatorSymbols()
{
    EvaluatorState& state = Evaluator();
    state.m_target = nullptr;
    state.m_argument = nullptr;
    state.m_symbols.Clear();
}

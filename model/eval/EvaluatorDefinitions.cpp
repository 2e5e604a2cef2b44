#include "model/eval/EvaluatorDefinitions.h"

#include "model/eval/Evaluator.h"
#include "model/eval/EvaluatorState.h"

#include <new>

namespace {

// The symbol to define when it is new or already of the kind; null after recording the error.
EvalSymbol* SymbolToDefine(std::string_view name, char kind)
{
    EvaluatorState& state = Evaluator();
    EvalSymbol* symbol = nullptr;
    try {
        symbol = &state.m_symbols.FindOrCreate(name);
    } catch (const std::bad_alloc&) {
        SetEvaluatorError(EvalNotEnoughMemory, nullptr);
        return nullptr;
    }
    if (symbol->m_kind != EvalUntyped && symbol->m_kind != kind) {
        SetEvaluatorError(EvalCannotChangeType, nullptr);
        return nullptr;
    }
    return symbol;
}

}  // namespace

int DefineVariableSymbol(std::string_view name, double value)
{
    EvalSymbol* symbol = SymbolToDefine(name, EvalVariable);
    if (!symbol)
        return 0;
    symbol->m_kind = EvalVariable;
    symbol->m_value = value;
    return 1;
}

int DefineConstantSymbol(std::string_view name, double value)
{
    // Only a new name becomes a constant: an existing constant cannot be redefined either.
    EvalSymbol* symbol = SymbolToDefine(name, EvalUntyped);
    if (!symbol)
        return 0;
    symbol->m_kind = EvalConstant;
    symbol->m_value = value;
    return 1;
}

int DefineFunctionSymbol(std::string_view name, EvalFunction function)
{
    EvalSymbol* symbol = SymbolToDefine(name, EvalFunctionKind);
    if (!symbol)
        return 0;
    symbol->m_kind = EvalFunctionKind;
    symbol->m_function = function;
    return 1;
}

int DefineMacroSymbol(std::string_view name, std::string_view text)
{
    EvalSymbol* symbol = SymbolToDefine(name, EvalMacro);
    if (!symbol)
        return 0;
    try {
        symbol->m_macroText = std::make_unique<std::string>(text);
    } catch (const std::bad_alloc&) {
        SetEvaluatorError(EvalNotEnoughMemory, nullptr);
        return 0;
    }
    symbol->m_kind = EvalMacro;
    return 1;
}

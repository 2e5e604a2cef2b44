#pragma once

#include "model/eval/EvaluatorSymbols.h"

#include <string_view>

// Symbol definitions without the built-in check of the public functions: 1, or 0 after
// recording error 11 (no memory) or 12 (the name already has another kind).
int DefineVariableSymbol(std::string_view name, double value);
int DefineConstantSymbol(std::string_view name, double value);
int DefineFunctionSymbol(std::string_view name, EvalFunction function);
int DefineMacroSymbol(std::string_view name, std::string_view text);

#include "model/eval/EvaluatorBuiltins.h"

#include "model/eval/Evaluator.h"
#include "model/eval/EvaluatorDefinitions.h"
#include "model/eval/EvaluatorState.h"

#include <cfloat>
#include <cmath>

namespace {

// Beyond this magnitude an argument of sin, cos or tan has no significant bits left for the
// reduction by multiples of pi.
constexpr double kTotalLossBound = 9223372036854775808.0;  // 2^63

double CheckedSin(double x)
{
    return std::fabs(x) < kTotalLossBound ? std::sin(x) : RaiseEvaluatorMathError(EvalResultOutOfRange);
}

double CheckedCos(double x)
{
    return std::fabs(x) < kTotalLossBound ? std::cos(x) : RaiseEvaluatorMathError(EvalResultOutOfRange);
}

double CheckedTan(double x)
{
    return std::fabs(x) < kTotalLossBound ? std::tan(x) : RaiseEvaluatorMathError(EvalResultOutOfRange);
}

double CheckedAsin(double x)
{
    return std::fabs(x) <= 1.0 ? std::asin(x) : RaiseEvaluatorMathError(EvalParamOutOfRange);
}

double CheckedAcos(double x)
{
    return std::fabs(x) <= 1.0 ? std::acos(x) : RaiseEvaluatorMathError(EvalParamOutOfRange);
}

double Atan(double x) { return std::atan(x); }
double Abs(double x) { return std::fabs(x); }
double Ceil(double x) { return std::ceil(x); }
double Floor(double x) { return std::floor(x); }
double Cosh(double x) { return std::cosh(x); }
double Sinh(double x) { return std::sinh(x); }

// Overflow to infinity is caught for every function by the caller; underflow only exp can reach.
double CheckedExp(double x)
{
    const double result = std::exp(x);
    return result >= DBL_MIN ? result : RaiseEvaluatorMathError(EvalFunctionOverflow);
}

double CheckedLog(double x)
{
    if (x < 0.0)
        return RaiseEvaluatorMathError(EvalParamOutOfRange);
    return x == 0.0 ? RaiseEvaluatorMathError(EvalIllegalFunctionValue) : std::log(x);
}

double CheckedLog10(double x)
{
    if (x < 0.0)
        return RaiseEvaluatorMathError(EvalParamOutOfRange);
    return x == 0.0 ? RaiseEvaluatorMathError(EvalIllegalFunctionValue) : std::log10(x);
}

double CheckedSqrt(double x)
{
    return x >= 0.0 ? std::sqrt(x) : RaiseEvaluatorMathError(EvalParamOutOfRange);
}

struct BuiltinFunction {
    const char* m_name;
    EvalFunction m_function;
};

constexpr BuiltinFunction kFunctions[] = {
    {"sin", CheckedSin},   {"cos", CheckedCos},   {"tan", CheckedTan},     {"asin", CheckedAsin},
    {"acos", CheckedAcos}, {"atan", Atan},        {"abs", Abs},            {"ceil", Ceil},
    {"cosh", Cosh},        {"sinh", Sinh},        {"exp", CheckedExp},     {"floor", Floor},
    {"log10", CheckedLog10}, {"log", CheckedLog}, {"sqrt", CheckedSqrt},
};

}  // namespace

void CreateEvaluatorBuiltins()
{
    DefineVariableSymbol("@@", 0.0);
    DefineConstantSymbol("pi", 3.1415926535);
    // ln 10 to six places: stored formulas were written against this value of "e".
    DefineConstantSymbol("e", 2.302585);
    for (const BuiltinFunction& builtin : kFunctions)
        DefineFunctionSymbol(builtin.m_name, builtin.m_function);
}

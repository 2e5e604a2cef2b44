#include "tests/model/support/EvaluatorFixture.h"

#include <cmath>
#include <functional>
#include <limits>

namespace {

double Value(const char* name)
{
    return EvaluateExpression(name);
}

TEST_F(EvaluatorTest, VariablesKeepValuesBetweenEvaluations)
{
    EXPECT_DOUBLE_EQ(Eval("@X=5"), 5);
    EXPECT_DOUBLE_EQ(Eval("@X+=1"), 6);
    EXPECT_DOUBLE_EQ(Eval("@X-=2"), 4);
    EXPECT_DOUBLE_EQ(Eval("@X*=3"), 12);
    EXPECT_DOUBLE_EQ(Eval("@X/=8"), 1.5);
    EXPECT_DOUBLE_EQ(Eval("@X%=1"), 0.5);
    EXPECT_DOUBLE_EQ(Value("@X"), 0.5);

    ASSERT_EQ(SetEvaluatorVariable("@QUAN", 27), 1);
    EXPECT_DOUBLE_EQ(Eval("(@QUAN/27)*3"), 3);
    EXPECT_DOUBLE_EQ(Eval("@A = @B = 3"), 3);
    EXPECT_DOUBLE_EQ(Value("@A") + Value("@B"), 6);
}

TEST_F(EvaluatorTest, AssignmentGoesToTheLastAtNameReferenced)
{
    // The target is the last "@" name read before the operator, wherever it stood.
    EXPECT_DOUBLE_EQ(Eval("2 + @T * 3 = 4"), 4);
    EXPECT_DOUBLE_EQ(Value("@T"), 4);
    EXPECT_DOUBLE_EQ(Eval("pi = 3"), 3);  // no "@" name: nothing is assigned
    EXPECT_DOUBLE_EQ(Value("pi"), 3.1415926535);
    ASSERT_EQ(DefineEvaluatorConstant("@RATE", 2), 1);
    EXPECT_DOUBLE_EQ(Eval("@RATE = 5"), 5);  // constants accept an assignment in an expression
    EXPECT_EQ(SetEvaluatorVariable("@RATE", 1), 0);
}

TEST_F(EvaluatorTest, FailedEvaluationLeavesVariablesAlone)
{
    ASSERT_EQ(SetEvaluatorVariable("@X", 7), 1);
    EXPECT_EQ(IsEvalValueValid(Eval("@X = 1/0")), 0);
    EXPECT_EQ(IsEvalValueValid(Eval("@X /= 0")), 0);
    EXPECT_EQ(Error(), 9);
    EXPECT_EQ(Offset(), 3);
    EXPECT_EQ(IsEvalValueValid(Eval("@X = sqrt(-1)")), 0);
    EXPECT_DOUBLE_EQ(Value("@X"), 7);
    // What was assigned before the error stays, as each step runs in order.
    EXPECT_EQ(IsEvalValueValid(Eval("@Y = 2, 1/0")), 0);
    EXPECT_DOUBLE_EQ(Value("@Y"), 2);
}

TEST_F(EvaluatorTest, NonFiniteVariablesAreErrorsNotResults)
{
    SetEvaluatorVariable("@Inf", std::numeric_limits<double>::infinity());
    SetEvaluatorVariable("@NaN", std::numeric_limits<double>::quiet_NaN());
    for (const char* text : {"@Inf", "1 + @NaN", "(@NaN)", "1 ? @Inf : 0", "@NaN == 1"}) {
        EXPECT_EQ(IsEvalValueValid(EvaluateExpression(text)), 0) << text;
        EXPECT_EQ(Error(), 8) << text;
    }
    EXPECT_EQ(Offset(), 0);
}

// The kinds each definition may replace are compared with a plain map in EvaluatorSymbols_test.
TEST_F(EvaluatorTest, FunctionsMayBeRedefinedAndMissingArgumentsAreRefused)
{
    EXPECT_EQ(DefineEvaluatorFunction("sqrt", [](double x) { return -x; }), 1);
    EXPECT_DOUBLE_EQ(Eval("sqrt(4)"), -4);
    EXPECT_EQ(SetEvaluatorVariable(nullptr, 1), 0);
    EXPECT_EQ(DefineEvaluatorFunction("f", nullptr), 0);
    EXPECT_EQ(DefineEvaluatorMacro("m", nullptr), 0);
}

// A definition reports its failure through its result: the last evaluation's error stays readable
// until the next evaluation, and a failure after a clean evaluation is recorded as its own.
TEST_F(EvaluatorTest, FailedDefinitionsKeepTheLastEvaluationsError)
{
    const std::function<int()> failing[] = {
        [] { return SetEvaluatorVariable("pi", 2); },
        [] { return DefineEvaluatorConstant("pi", 2); },
        [] { return DefineEvaluatorFunction("@@", [](double x) { return x; }); },
        [] { return DefineEvaluatorMacro("sqrt", "1"); },
    };
    for (const auto& define : failing) {
        EXPECT_EQ(IsEvalValueValid(Eval("1 +")), 0);
        EXPECT_EQ(define(), 0);
        std::string text;
        EXPECT_EQ(GetEvaluatorError(&text), 3);
        EXPECT_EQ(text, "Unrecognized character");
        EXPECT_EQ(Offset(), 3);

        EXPECT_DOUBLE_EQ(Eval("1"), 1);
        EXPECT_EQ(define(), 0);
        EXPECT_EQ(Error(), 12);
        EXPECT_EQ(Offset(), 0);
    }
}

TEST_F(EvaluatorTest, FreeingSymbolsRestoresTheBuiltins)
{
    SetEvaluatorVariable("@X", 3);
    DefineEvaluatorConstant("Three", 3);
    SetEvaluatorVariable("@@", 9);
    FreeEvaluatorSymbols();
    EXPECT_DOUBLE_EQ(Eval("@X + @@"), 0);
    EXPECT_EQ(IsEvalValueValid(Eval("Three")), 0);
    EXPECT_DOUBLE_EQ(Eval("sqrt(4) + pi"), 2 + 3.1415926535);
    EXPECT_EQ(DefineEvaluatorConstant("e", 1), 0);  // built-ins exist before any definition
    FreeEvaluatorSymbols();
    EXPECT_EQ(SetEvaluatorVariable("pi", 1), 0);
}

int g_calls = 0;

double CountedDouble(double x)
{
    ++g_calls;
    return 2 * x;
}

TEST_F(EvaluatorTest, CallerFunctionsAreCheckedLikeBuiltins)
{
    DefineEvaluatorFunction("twice", CountedDouble);
    DefineEvaluatorFunction("huge", [](double) { return std::numeric_limits<double>::infinity(); });
    DefineEvaluatorFunction("nan", [](double) { return std::nan(""); });
    DefineEvaluatorFunction("picky", [](double x) { return x < 0 ? RaiseEvaluatorMathError(6) : x; });
    g_calls = 0;
    EXPECT_DOUBLE_EQ(Eval("twice(twice(1))"), 4);
    EXPECT_EQ(IsEvalValueValid(Eval("1 + huge(1)")), 0);
    EXPECT_EQ(Error(), 5);
    EXPECT_EQ(Offset(), 4);
    EXPECT_EQ(IsEvalValueValid(Eval("nan(1)")), 0);
    EXPECT_EQ(Error(), 6);
    EXPECT_EQ(IsEvalValueValid(Eval("2 * picky(-1)")), 0);
    EXPECT_EQ(Error(), 6);
    EXPECT_EQ(Offset(), 4);
    // No function runs once an error is raised.
    EXPECT_EQ(IsEvalValueValid(Eval("1/0 + twice(1)")), 0);
    EXPECT_EQ(g_calls, 2);
}

}  // namespace

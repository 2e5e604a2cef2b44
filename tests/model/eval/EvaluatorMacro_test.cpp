#include "tests/model/support/EvaluatorFixture.h"

#include <string>

namespace {

TEST_F(EvaluatorTest, SetStatementDefinesMacroAndRestoresArgument)
{
    SetEvaluatorVariable("@@", 7);
    EXPECT_DOUBLE_EQ(Eval("set half = @@/2"), 0);
    EXPECT_EQ(Error(), 0);
    EXPECT_DOUBLE_EQ(Eval("half(9)"), 4.5);
    EXPECT_DOUBLE_EQ(Eval("@@"), 7);
    EXPECT_DOUBLE_EQ(Eval(" \tSeT quarter=half(half(@@))"), 0);
    EXPECT_DOUBLE_EQ(Eval("quarter(10) + @@"), 9.5);
    EXPECT_DOUBLE_EQ(Eval("SET x = 1"), 0);
    EXPECT_DOUBLE_EQ(Eval("x(0)"), 1);
    EXPECT_EQ(IsEvalValueValid(Eval("X(0)")), 0);  // macro names keep their case
    EXPECT_EQ(IsEvalValueValid(Eval("half 9")), 0);
    EXPECT_EQ(Error(), 2);
}

TEST_F(EvaluatorTest, SetStatementFormsAndFailures)
{
    // The text is everything after the first "=" behind the name.
    EXPECT_DOUBLE_EQ(Eval("set twice x = @@*2"), 0);
    EXPECT_DOUBLE_EQ(Eval("twice(4)"), 8);
    EXPECT_DOUBLE_EQ(Eval("set eq = @@ == 1"), 0);
    EXPECT_DOUBLE_EQ(Eval("eq(1) + eq(2)"), 1);
    EXPECT_EQ(IsEvalValueValid(Eval("set    ")), 0);
    EXPECT_EQ(Error(), 3);
    EXPECT_EQ(IsEvalValueValid(Eval("set\tx = 1")), 0);  // "set" needs a blank, not a tab
    // Naming a symbol of another kind fails the statement instead of reporting success.
    EXPECT_EQ(IsEvalValueValid(Eval("set pi = 3")), 0);
    EXPECT_EQ(Error(), 12);
    EXPECT_EQ(IsEvalValueValid(Eval("set " + std::string(128, 'n') + " = 1")), 0);
    EXPECT_EQ(Error(), 3);
    EXPECT_EQ(Offset(), 4);
}

TEST_F(EvaluatorTest, ErrorsInsideMacrosPointAtTheCall)
{
    Eval("set root = sqrt(@@)");
    Eval("set outer = 1 + root(@@)");
    EXPECT_EQ(IsEvalValueValid(Eval("2 * outer(-1)")), 0);
    EXPECT_EQ(Error(), 6);
    EXPECT_EQ(Offset(), 4);
    Eval("set broken = @@ +");
    EXPECT_EQ(IsEvalValueValid(Eval("10 + broken(1)")), 0);
    EXPECT_EQ(Error(), 3);
    EXPECT_EQ(Offset(), 5);
}

TEST_F(EvaluatorTest, SkipFlagStopsMacrosOfTheBranchNotTaken)
{
    Eval("set count = @Count += 1");
    EXPECT_DOUBLE_EQ(Eval("1 ? 5 : count(0)"), 5);
    EXPECT_DOUBLE_EQ(Eval("@Count"), 0);
    EXPECT_DOUBLE_EQ(Eval("0 ? count(0) : 5"), 5);
    EXPECT_DOUBLE_EQ(Eval("@Count"), 0);
    EXPECT_DOUBLE_EQ(Eval("0 ? 5 : count(0)"), 1);
    // Assignments run in both branches; only macros are skipped.
    EXPECT_DOUBLE_EQ(Eval("1 ? (@A = 1) : @B = 2"), 1);
    EXPECT_DOUBLE_EQ(Eval("@B"), 2);
}

TEST_F(EvaluatorTest, RecursiveMacrosEndOrFailButNeverOverflow)
{
    Eval("set fact = @@ <= 1 ? 1 : @@ * fact(@@ - 1)");
    EXPECT_DOUBLE_EQ(Eval("fact(10)"), 3628800);
    // A nested conditional must not lift the skip of the branch around it.
    EXPECT_DOUBLE_EQ(Eval("fact(1) ? 2 : (1 ? 3 : 4) + fact(3)"), 2);
    EXPECT_EQ(Error(), 0);

    Eval("set f = f(@@)");
    EXPECT_EQ(IsEvalValueValid(Eval("1 + f(1)")), 0);
    EXPECT_EQ(Error(), 5);
    EXPECT_EQ(Offset(), 4);
    EXPECT_DOUBLE_EQ(Eval("@@"), 0);  // every level restored its argument
    EXPECT_DOUBLE_EQ(Eval("fact(5)"), 120);

    // Two calls a level: 2^41 calls would take days. The work an evaluation may do is bounded.
    Eval("set twice = @@ > 0 ? twice(@@ - 1) + twice(@@ - 1) : 1");
    EXPECT_DOUBLE_EQ(Eval("twice(12)"), 4096);
    EXPECT_EQ(IsEvalValueValid(Eval("1 + twice(40)")), 0);
    EXPECT_EQ(Error(), 5);
    EXPECT_EQ(Offset(), 4);
    EXPECT_DOUBLE_EQ(Eval("@@"), 0);
}

}  // namespace

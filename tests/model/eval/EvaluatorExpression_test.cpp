#include "tests/model/support/EvaluatorFixture.h"

#include <bit>
#include <cstring>
#include <ostream>

namespace {

constexpr int kValue = 0;

struct Case {
    const char* input;
    double value;   // when error is 0
    int error;
    int offset;
};

std::ostream& operator<<(std::ostream& out, const Case& c)
{
    return out << '"' << c.input << '"';
}

class EvaluatorExpression : public EvaluatorTest, public ::testing::WithParamInterface<Case> {};

TEST_P(EvaluatorExpression, GivesValueOrFirstErrorWithOffset)
{
    const Case& c = GetParam();
    const double result = EvaluateExpression(c.input);
    EXPECT_EQ(Error(), c.error);
    if (c.error == kValue) {
        EXPECT_DOUBLE_EQ(result, c.value);
        EXPECT_EQ(Offset(), 0);
    } else {
        EXPECT_EQ(IsEvalValueValid(result), 0);
        EXPECT_EQ(Offset(), c.offset);
    }
}

// Precedence, associativity, literals and the operators' own rules.
INSTANTIATE_TEST_SUITE_P(Operators, EvaluatorExpression, ::testing::Values(
    Case{"2^3^2", 64, kValue, 0},
    Case{"2+3*4", 14, kValue, 0},
    Case{"7%3", 1, kValue, 0},
    Case{"-7%3", -1, kValue, 0},
    Case{"1234>>2", 12.34, kValue, 0},
    Case{"5<<3", 5000, kValue, 0},
    Case{"1,2", 1, kValue, 0},
    Case{"(1,2)+1", 2, kValue, 0},
    Case{"3*-2", -6, kValue, 0},
    Case{"3 - -2", 5, kValue, 0},
    Case{"1 -2", -1, kValue, 0},
    Case{"1/1e-10", 1e10, kValue, 0},
    Case{"0 ? 1 : 2", 2, kValue, 0},
    Case{"1 ? 2 : 3, 4", 2, kValue, 0},
    Case{"5 & 3", 1, kValue, 0},
    Case{"-1 | 0", 4294967295.0, kValue, 0},
    Case{"(-1 | 0) & 255", 255, kValue, 0},
    Case{"2.9 | 4.9", 6, kValue, 0},
    Case{"1>=1", 1, kValue, 0}, Case{"2<=1", 0, kValue, 0}, Case{"3==3", 1, kValue, 0},
    Case{"3!=3", 0, kValue, 0}, Case{"2>1", 1, kValue, 0}, Case{"2<1", 0, kValue, 0},
    Case{"1&&0", 0, kValue, 0}, Case{"0||2", 1, kValue, 0},
    Case{"5 += 3", 3, kValue, 0},
    Case{"1d3", 1000, kValue, 0},
    Case{"2D-2", 0.02, kValue, 0},
    Case{"-.5", -0.5, kValue, 0},
    Case{"+ 3", 3, kValue, 0},
    Case{"- 3*2", -6, kValue, 0},
    Case{"2e", 2, kValue, 0},
    Case{"1e-400", 0, kValue, 0},
    Case{"e", 2.302585, kValue, 0},
    Case{"pi", 3.1415926535, kValue, 0},
    Case{"sqrt(16)", 4, kValue, 0},
    Case{"sqrt ( 16 )", 4, kValue, 0},
    Case{"floor(-2.5) + ceil(2.5) + abs(-1)", 1, kValue, 0},
    Case{"log10(1000) + log(1)", 3, kValue, 0},
    Case{"@New", 0, kValue, 0},
    Case{"1+2\rjunk", 3, kValue, 0},
    Case{"1+2\n)", 3, kValue, 0},
    Case{"4 \t", 4, kValue, 0}));

// Each row raises one error; the offset is where the parse found it.
INSTANTIATE_TEST_SUITE_P(Errors, EvaluatorExpression, ::testing::Values(
    Case{"", 0, 4, 0},
    Case{"\r1", 0, 4, 0},
    Case{"   ", 0, 3, 3},
    Case{"1+2 )", 0, 3, 4},
    Case{"1 2", 0, 3, 2},
    Case{"2 ! 3", 0, 3, 2},
    Case{"-(2)", 0, 3, 0},
    Case{"-pi", 0, 3, 0},
    Case{"unknown + 1", 0, 3, 0},
    Case{"1 + @", 0, 3, 4},
    Case{"1+\r\n2", 0, 3, 2},
    Case{"set x", 0, 3, 0},
    Case{"(1", 0, 1, 2},
    Case{"sqrt 16", 0, 2, 5},
    Case{"1/0", 0, 9, 1},
    Case{"1/1e-11", 0, 9, 1},
    Case{"1 ? 2", 0, 10, 5},
    Case{"sqrt(-1)", 0, 6, 0},
    Case{"1 + sqrt(-1)", 0, 6, 4},
    Case{"asin(2)", 0, 6, 0},
    Case{"log(0)", 0, 7, 0},
    Case{"2*log10(0)", 0, 7, 2},
    Case{"log(-1)", 0, 6, 0},
    Case{"exp(1000)", 0, 5, 0},
    Case{"exp(-1000)", 0, 5, 0},
    Case{"cosh(1000)", 0, 5, 0},
    Case{"sin(1e20)", 0, 8, 0},
    Case{"sqrt(-1) + 1/0", 0, 6, 0},
    Case{"(-8)^(1/3)", 0, 6, 4},
    Case{"0^-1", 0, 7, 1},
    Case{"10^400", 0, 5, 2},
    Case{"5%0", 0, 6, 1},
    Case{"1e400", 0, 5, 0},
    Case{"1e308*10", 0, 5, 5},
    Case{"1e308+1e308", 0, 5, 5},
    Case{"5<<400", 0, 5, 1},
    Case{"1e19 & 1", 0, 6, 5},
    Case{"1 | -1e19", 0, 6, 2}));

TEST_F(EvaluatorTest, LongNamesAreRefusedNotOverrun)
{
    const std::string longest = "@" + std::string(126, 'a');
    EXPECT_DOUBLE_EQ(Eval(longest + "=2"), 2);
    EXPECT_DOUBLE_EQ(Eval(longest), 2);
    EXPECT_EQ(IsEvalValueValid(Eval("1+" + longest + "b")), 0);
    EXPECT_EQ(Error(), 3);
    EXPECT_EQ(Offset(), 2);
}

TEST_F(EvaluatorTest, LiteralsConvertAtMost127Characters)
{
    // The first 127 characters give 1e126; the digits after them are still stepped over.
    const std::string digits = "1" + std::string(199, '0');
    EXPECT_DOUBLE_EQ(Eval(digits), 1e126);
    EXPECT_DOUBLE_EQ(Eval("-" + digits), -1e125);  // the sign is one of the 127
    EXPECT_DOUBLE_EQ(Eval("0." + std::string(150, '0') + "1"), 0);
}

TEST_F(EvaluatorTest, InvalidValueIsBothHalvesOnly)
{
    double target = 0;
    const double invalid = MakeEvalErrorValue(&target);
    EXPECT_EQ(std::memcmp(&target, &invalid, sizeof target), 0);
    EXPECT_EQ(IsEvalValueValid(invalid), 0);
    EXPECT_EQ(IsEvalValueValid(std::bit_cast<double>(0x1234567800000000ull)), 1);
    EXPECT_EQ(IsEvalValueValid(std::bit_cast<double>(0x0000000012345678ull)), 1);
    EXPECT_EQ(IsEvalValueValid(0.0), 1);
}

}  // namespace

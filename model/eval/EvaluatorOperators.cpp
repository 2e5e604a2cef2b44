#include "model/eval/EvaluatorOperators.h"

#include "model/eval/EvaluatorState.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace {

// Scanned in this order: the first row whose text is a prefix wins, so two-character operators
// come before their one-character heads.
constexpr EvalOperator kOperators[] = {
    {9, OpShiftRight, ">>", 2},       {9, OpShiftLeft, "<<", 2},
    {8, OpGreaterEqual, ">=", 2},     {8, OpLessEqual, "<=", 2},
    {7, OpEqual, "==", 2},            {7, OpNotEqual, "!=", 2},
    {4, OpAnd, "&&", 2},              {3, OpOr, "||", 2},
    {1, OpAddAssign, "+=", 2},        {1, OpSubtractAssign, "-=", 2},
    {1, OpRemainderAssign, "%=", 2},  {1, OpDivideAssign, "/=", 2},
    {1, OpMultiplyAssign, "*=", 2},   {12, OpPower, "^", 1},
    {11, OpRemainder, "%", 1},        {11, OpDivide, "/", 1},
    {11, OpMultiply, "*", 1},         {10, OpAdd, "+", 1},
    {10, OpSubtract, "-", 1},         {8, OpGreater, ">", 1},
    {8, OpLess, "<", 1},              {6, OpBitAnd, "&", 1},
    {5, OpBitOr, "|", 1},             {1, OpAssign, "=", 1},
    {2, OpConditional, "?", 1},       {0, OpComma, ",", 1},
};

// The rows that begin with each character, in table order, so a scan looks at those alone.
struct Candidates {
    int m_count = 0;
    const EvalOperator* m_rows[3] = {};
};

constexpr std::array<Candidates, 256> MakeCandidates()
{
    std::array<Candidates, 256> table{};
    for (const EvalOperator& row : kOperators) {
        Candidates& entry = table[static_cast<unsigned char>(row.m_text[0])];
        entry.m_rows[entry.m_count++] = &row;
    }
    return table;
}

constexpr std::array<Candidates, 256> kCandidates = MakeCandidates();

// Smallest divisor magnitude that is not taken for zero.
constexpr double kSmallestDivisor = 1e-10;

// Doubles in [-2^63, 2^63) truncate to a 64-bit integer without overflow.
constexpr double kIntegerBound = 9223372036854775808.0;

EvalStep Value(double value)
{
    return {value, EvalNoError};
}

EvalStep Failure(int code)
{
    return {0.0, code};
}

EvalStep Divide(double left, double right)
{
    if (right > -kSmallestDivisor && right < kSmallestDivisor)
        return Failure(EvalDivideByZero);
    return Value(left / right);
}

EvalStep Remainder(double left, double right)
{
    if (right == 0.0)
        return Failure(EvalParamOutOfRange);
    return Value(std::fmod(left, right));
}

EvalStep Power(double base, double exponent)
{
    if (base < 0.0 && exponent != std::trunc(exponent))
        return Failure(EvalParamOutOfRange);
    if (base == 0.0 && exponent < 0.0)
        return Failure(EvalIllegalFunctionValue);
    return Value(std::pow(base, exponent));
}

EvalStep Bitwise(EvalOpcode opcode, double left, double right)
{
    const auto inRange = [](double v) { return v >= -kIntegerBound && v < kIntegerBound; };
    if (!inRange(left) || !inRange(right))
        return Failure(EvalParamOutOfRange);
    const auto a = static_cast<std::uint32_t>(static_cast<std::int64_t>(left));
    const auto b = static_cast<std::uint32_t>(static_cast<std::int64_t>(right));
    return Value(opcode == OpBitAnd ? a & b : a | b);
}

EvalStep Combine(EvalOpcode opcode, double left, double right)
{
    switch (opcode) {
    case OpPower: return Power(left, right);
    case OpRemainder: case OpRemainderAssign: return Remainder(left, right);
    case OpDivide: case OpDivideAssign: return Divide(left, right);
    case OpMultiply: case OpMultiplyAssign: return Value(left * right);
    case OpAdd: case OpAddAssign: return Value(left + right);
    case OpSubtract: case OpSubtractAssign: return Value(left - right);
    case OpShiftRight: return Value(left / std::pow(10.0, right));
    case OpShiftLeft: return Value(left * std::pow(10.0, right));
    case OpGreater: return Value(left > right);
    case OpLess: return Value(left < right);
    case OpGreaterEqual: return Value(left >= right);
    case OpLessEqual: return Value(left <= right);
    case OpEqual: return Value(left == right);
    case OpNotEqual: return Value(left != right);
    case OpBitAnd: case OpBitOr: return Bitwise(opcode, left, right);
    case OpAnd: return Value(left != 0.0 && right != 0.0);
    case OpOr: return Value(left != 0.0 || right != 0.0);
    case OpAssign: return Value(right);
    case OpConditional: case OpComma: break;
    }
    return Failure(EvalUnrecognizedCharacter);
}

}  // namespace

const EvalOperator* FindEvalOperator(const char* position)
{
    const Candidates& candidates = kCandidates[static_cast<unsigned char>(*position)];
    for (int i = 0; i < candidates.m_count; ++i) {
        const EvalOperator* row = candidates.m_rows[i];
        if (row->m_length == 1 || row->m_text[1] == position[1])
            return row;
    }
    return nullptr;
}

EvalStep ApplyEvalOperator(EvalOpcode opcode, double left, double right)
{
    const EvalStep step = Combine(opcode, left, right);
    if (step.m_error == EvalNoError && !std::isfinite(step.m_value))
        return Failure(std::isnan(step.m_value) ? EvalParamOutOfRange : EvalFunctionOverflow);
    return step;
}

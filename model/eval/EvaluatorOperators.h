#pragma once

enum EvalOpcode {
    OpPower = 1,
    OpRemainder,
    OpDivide,
    OpMultiply,
    OpAdd,
    OpSubtract,
    OpShiftRight,
    OpShiftLeft,
    OpGreater,
    OpLess,
    OpGreaterEqual,
    OpLessEqual,
    OpEqual,
    OpNotEqual,
    OpBitAnd,
    OpBitOr,
    OpAnd,
    OpOr,
    OpConditional,
    OpAssign,
    OpAddAssign,
    OpSubtractAssign,
    OpRemainderAssign,
    OpDivideAssign,
    OpMultiplyAssign,
    OpComma,
};

// Levels with their own rules; the others combine left to right.
constexpr int kCommaLevel = 0;
constexpr int kAssignLevel = 1;
constexpr int kConditionalLevel = 2;

struct EvalOperator {
    int m_level;
    EvalOpcode m_opcode;
    const char* m_text;
    int m_length;
};

// The first row of the operator table whose text starts at the position, or null.
const EvalOperator* FindEvalOperator(const char* position);

// The outcome of one operator: its value, or an error code (the value then 0.0).
struct EvalStep {
    double m_value;
    int m_error;
};

// Combines two values with a binary operator of levels 3 to 12, or with the operation of an
// assignment ("+=" adds, and so on). Results that are not finite are errors.
EvalStep ApplyEvalOperator(EvalOpcode opcode, double left, double right);

#pragma once

#include "model/eval/Evaluator.h"

#include <gtest/gtest.h>

#include <string>

// Every evaluator test starts from the built-ins alone.
class EvaluatorTest : public ::testing::Test {
protected:
    void SetUp() override { FreeEvaluatorSymbols(); }
    void TearDown() override { FreeEvaluatorSymbols(); }

    static int Error() { return GetEvaluatorError(); }
    static int Offset()
    {
        int offset = -1;
        GetEvaluatorError(nullptr, &offset);
        return offset;
    }
    static double Eval(const std::string& text) { return EvaluateExpression(text.c_str()); }
};

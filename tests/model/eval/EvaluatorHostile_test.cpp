#include "tests/model/support/EvaluatorFixture.h"

#include <string>

namespace {

std::string Repeat(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

TEST_F(EvaluatorTest, ModerateNestingWorks)
{
    EXPECT_DOUBLE_EQ(Eval(Repeat("(", 150) + "1" + Repeat(")", 150)), 1);
    EXPECT_DOUBLE_EQ(Eval("1" + Repeat(",2", 150)), 1);
    EXPECT_DOUBLE_EQ(Eval(Repeat("@a=", 150) + "3"), 3);
}

TEST_F(EvaluatorTest, DeepNestingIsAnErrorNotACrash)
{
    const int deep = 100000;
    const std::string texts[] = {
        Repeat("(", deep) + "1" + Repeat(")", deep),
        Repeat("(", deep),
        "1" + Repeat(",1", deep),
        Repeat("@a=", deep) + "1",
        Repeat("1?", deep) + "1" + Repeat(":1", deep),
        Repeat("sqrt(", deep) + "1" + Repeat(")", deep),
    };
    for (const std::string& text : texts) {
        EXPECT_EQ(IsEvalValueValid(Eval(text)), 0);
        EXPECT_EQ(Error(), 5);
    }
}

TEST_F(EvaluatorTest, HostileTextEndsInAnError)
{
    const std::string texts[] = {
        std::string(1 << 20, '9') + "x",
        std::string(1 << 20, 'n'),
        "@" + std::string(1 << 20, 'n'),
        std::string(1 << 20, '@'),
        "1e" + std::string(1 << 16, '9') + "9",
        "\xff\x80\xe9",
        "1 +\xe9",
        std::string(1 << 16, '.'),
        "set " + std::string(1 << 16, 'a') + "=" + std::string(1 << 16, '('),
    };
    for (const std::string& text : texts)
        EXPECT_EQ(IsEvalValueValid(Eval(text)), 0) << text.substr(0, 20);
    EXPECT_EQ(IsEvalValueValid(EvaluateExpression(nullptr)), 0);
    EXPECT_EQ(Error(), 4);
}

}  // namespace

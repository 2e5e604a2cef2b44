#include "tests/model/support/EvaluatorFixture.h"

#include <cstdio>
#include <map>
#include <random>

namespace {

// What the table must hold, the plain way: name to kind and value.
struct Reference {
    std::map<std::string, std::pair<char, double>> m_symbols;

    char Kind(const std::string& name) const
    {
        const auto found = m_symbols.find(name);
        return found == m_symbols.end() ? 0 : found->second.first;
    }
    // A definition succeeds on a new name or one of the kinds it may redefine.
    int Define(const std::string& name, char kind, double value, std::string_view redefinable)
    {
        const char current = Kind(name);
        if (current && redefinable.find(current) == std::string_view::npos)
            return 0;
        m_symbols[name] = {kind, value};
        return 1;
    }
};

// Names that share long beginnings, end alike or differ only in length, passed as temporaries
// that the table must not keep pointing into.
std::string RandomName(std::mt19937& random)
{
    static const std::string stems[] = {"z", "a", "ab", "abcdefgh", "abcdefghi", std::string(100, 'x')};
    std::string name = (random() % 2 ? "@" : "k") + stems[random() % 6];
    return name + std::to_string(random() % 40);
}

TEST_F(EvaluatorTest, SymbolsAsThePlainMapAfterRandomDefinitions)
{
    std::mt19937 random(11);
    Reference expected;
    for (int step = 0; step < 20000; ++step) {
        const std::string name = RandomName(random);
        const double value = double(random() % 1000);
        switch (random() % 4) {
        case 0:
            ASSERT_EQ(SetEvaluatorVariable(name.c_str(), value), expected.Define(name, 'V', value, "V")) << name;
            break;
        case 1:
            ASSERT_EQ(DefineEvaluatorConstant(name.c_str(), value), expected.Define(name, 'C', value, "")) << name;
            break;
        case 2:
            ASSERT_EQ(DefineEvaluatorMacro(name.c_str(), "@@ * 2"), expected.Define(name, 'S', 0, "S")) << name;
            break;
        default: {
            // A name beginning with "@" comes into being as a variable when first read.
            if (name[0] == '@' && !expected.Kind(name))
                expected.Define(name, 'V', 0, "");
            const char kind = expected.Kind(name);
            const double result = Eval(kind == 'S' ? name + "(" + std::to_string(value) + ")" : name);
            if (kind == 0)
                ASSERT_EQ(Error(), 3) << name;
            else
                ASSERT_DOUBLE_EQ(result, kind == 'S' ? 2 * value : expected.m_symbols[name].second) << name;
        }
        }
    }
}

// As a hostile formula may hold them: each name is created once, and all stay readable.
TEST_F(EvaluatorTest, HundredThousandNamesInSortedOrder)
{
    std::string text;
    char name[16];
    for (int k = 0; k < 100000; ++k) {
        std::snprintf(name, sizeof name, "@V%06d", k);
        text += k ? "+" : "";
        text += name;
    }
    EXPECT_DOUBLE_EQ(Eval(text), 0);
    ASSERT_EQ(SetEvaluatorVariable("@V000000", 1), 1);
    ASSERT_EQ(SetEvaluatorVariable("@V099999", 2), 1);
    EXPECT_DOUBLE_EQ(Eval(text), 3);
}

} // namespace

// The masked editor's mask language: input positions, literals, and re-masking a text.
#include <gtest/gtest.h>

#include "controls/grid/GridMask.h"

TEST(GridMask, EachMaskCharacterTakesItsKindOfCharacter)
{
    struct Case {
        char mask;
        const char* accepted;
        const char* refused;
    };
    const Case cases[] = {
        {'0', "09", " a+"},      {'9', "5 ", "a-"},       {'#', "5 +-", "akm"},
        {'L', "aZ\xE9", "1 _"},  {'?', "a ", "1"},        {'A', "a1", " _"},
        {'a', "a1 ", "_"},       {'&', "a_ ~", "\x7F\x1F"}, {'C', "!\xE9", "\x7F"},
    };
    for (const Case& c : cases) {
        const CGridMask mask(std::string(1, c.mask));
        for (const char* p = c.accepted; *p; ++p)
            EXPECT_TRUE(mask.Accepts(0, static_cast<unsigned char>(*p))) << c.mask << " " << *p;
        for (const char* p = c.refused; *p; ++p)
            EXPECT_FALSE(mask.Accepts(0, static_cast<unsigned char>(*p))) << c.mask << " " << *p;
        EXPECT_FALSE(mask.Accepts(1, '5'));  // past the end
    }
}

TEST(GridMask, BackslashesAndOtherCharactersAreLiterals)
{
    const CGridMask mask("(999) \\9-0");
    EXPECT_EQ(mask.Length(), 9u);
    EXPECT_TRUE(mask.IsLiteralAt(0));
    EXPECT_EQ(mask.LiteralAt(0), '(');
    EXPECT_FALSE(mask.IsLiteralAt(1));
    EXPECT_EQ(mask.LiteralAt(6), '9');  // the escaped mask character
    EXPECT_TRUE(mask.Accepts(6, 'x'));  // a literal place takes whatever is put there
    EXPECT_FALSE(CGridMask("").IsOn());
    EXPECT_FALSE(CGridMask("\\").IsLiteralAt(1));
}

TEST(GridMask, RemaskingKeepsWhatFitsAndPutsTheLiteralsIn)
{
    EXPECT_EQ(CGridMask("(999)").Remask("555"), "(555");
    EXPECT_EQ(CGridMask("(999)").Remask("(555)"), "(555)");
    EXPECT_EQ(CGridMask("99.99").Remask("1x2a34"), "12.34");
    EXPECT_EQ(CGridMask("LL").Remask("12"), "");
    EXPECT_EQ(CGridMask("?9").Remask(" 5"), " 5");
}

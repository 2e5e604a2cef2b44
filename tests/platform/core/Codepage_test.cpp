#include "platform/core/Codepage.h"

#include <gtest/gtest.h>
#include <utility>

using platform::Cp1252ToUtf8;
using platform::Utf8ToCp1252;

TEST(Codepage, HighBytesMapAsWindowsDoesAndEveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\u0178");
    EXPECT_EQ(Cp1252ToUtf8("\x92"), "\u2019");
    EXPECT_EQ(Cp1252ToUtf8("\xE9"), "\u00E9");
    EXPECT_EQ(Cp1252ToUtf8("\xA0"), "\u00A0");
    // The undefined bytes pass through as the C1 control of the same value.
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(Cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Codepage, Utf8ThatCannotBeHeldOrIsMalformedBecomesQuestionMarks)
{
    const std::pair<std::string, std::string> cases[] = {
        {"5 \u20AC", "5 \x80"},
        {"a\u4E2Db", "a?b"},             // not in the code page
        {"\U0001F600", "?"},             // beyond the basic plane
        {"\u0080", "?"},                 // a C1 control whose byte is a glyph
        {"ab\xE2\x82", "ab??"},          // truncated at the end
        {"\x80x", "?x"},                 // stray continuation byte
        {"\xC0\x80", "??"},              // overlong NUL
        {"\xE0\x80\xAF", "???"},         // overlong slash
        {"\xED\xA0\x80", "???"},         // surrogate
        {"\xF4\x90\x80\x80", "????"},    // above U+10FFFF
        {"\xFF\xFEz", "??z"},
        {"", ""},
    };
    for (const auto& [utf8, expected] : cases)
        EXPECT_EQ(Utf8ToCp1252(utf8), expected) << utf8;
}

#include "platform/core/Codepage.h"

#include <gtest/gtest.h>

using platform::Cp1252ToUtf8;
using platform::Utf8ToCp1252;

TEST(Codepage, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Codepage, HighBytesMapAsWindowsDoes)
{
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\u0178");
    EXPECT_EQ(Cp1252ToUtf8("\x92"), "\u2019");
    EXPECT_EQ(Cp1252ToUtf8("\xE9"), "\u00E9");
    EXPECT_EQ(Cp1252ToUtf8("\xA0"), "\u00A0");
    // The undefined bytes pass through as the C1 control of the same value.
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(Cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

struct Utf8Case {
    const char* name;
    std::string utf8;
    std::string expected;
};

void PrintTo(const Utf8Case& c, std::ostream* out) { *out << c.name; }

class Utf8ToCp1252Cases : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ToCp1252Cases, ReplacesWhatItCannotHold)
{
    EXPECT_EQ(Utf8ToCp1252(GetParam().utf8), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codepage, Utf8ToCp1252Cases,
    testing::Values(Utf8Case{"euro", "5 \u20AC", "5 \x80"},
                    Utf8Case{"notInCodepage", "a\u4E2Db", "a?b"},
                    Utf8Case{"astral", "\U0001F600", "?"},
                    Utf8Case{"c1ControlWithAGlyphByte", "\u0080", "?"},
                    Utf8Case{"truncatedAtEnd", "ab\xE2\x82", "ab??"},
                    Utf8Case{"strayContinuation", "\x80x", "?x"},
                    Utf8Case{"overlongNul", "\xC0\x80", "??"},
                    Utf8Case{"overlongSlash", "\xE0\x80\xAF", "???"},
                    Utf8Case{"surrogate", "\xED\xA0\x80", "???"},
                    Utf8Case{"aboveUnicode", "\xF4\x90\x80\x80", "????"},
                    Utf8Case{"invalidLead", "\xFF\xFEz", "??z"},
                    Utf8Case{"empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

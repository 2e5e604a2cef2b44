// The flat-file import takes shortcuts for speed: decimals by one exact division, fields handed out
// where they lie, an index of line numbers. These compare them with the plain rules on random and
// edge inputs.
#include "model/flat/FlatImport.h"
#include "model/flat/FlatImportState.h"
#include "model/flat/FlatTextReader.h"
#include "model/text/AmountText.h"
#include "model/text/TextUtil.h"
#include "tests/model/support/ItemTestSupport.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <regex>

namespace {

// The rule as written: "-", digits, then "." and digits or nothing, read whole by from_chars.
std::optional<double> PlainDecimal(const std::string& text)
{
    static const std::regex plain("-?[0-9]+(\\.[0-9]+)?");
    double value = 0;
    if (text.size() > 100 || !std::regex_match(text, plain) ||
        std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc())
        return std::nullopt;
    return value;
}

void ExpectSameReading(const std::string& text)
{
    const std::optional<double> fast = ReadPlainDecimal(text);
    const std::optional<double> plain = PlainDecimal(text);
    ASSERT_EQ(fast.has_value(), plain.has_value()) << text;
    if (fast) {
        ASSERT_EQ(std::bit_cast<uint64_t>(*fast), std::bit_cast<uint64_t>(*plain)) << text;
    }
}

std::string Digits(std::mt19937_64& random, std::size_t count)
{
    std::string digits(count, '0');
    for (char& digit : digits)
        digit = char('0' + random() % 10);
    return digits;
}

// A plain decimal of 1 to maxWhole digits before the point and, three times in four, 1 to
// maxFraction after it.
std::string RandomDecimal(std::mt19937_64& random, std::size_t maxWhole, std::size_t maxFraction)
{
    std::string text = random() % 3 == 0 ? "-" : "";
    text += Digits(random, 1 + random() % maxWhole);
    if (random() % 4 != 0)
        text += "." + Digits(random, 1 + random() % maxFraction);
    return text;
}

TEST(FlatImportEquivalence, DecimalsReadAsFromChars)
{
    std::mt19937_64 random(3);
    for (int n = 0; n < 200000; ++n)
        ExpectSameReading(RandomDecimal(random, 21, 26));
    // Where the exact division stops: 2^53 and its neighbours, 19 and 20 digits, 10^22 and 10^23.
    for (const char* edge : {"9007199254740991", "9007199254740992", "9007199254740993", "900719925474099.3",
                             "9007199254740993.0", "-9007199254740993", "9999999999999999999",
                             "18446744073709551616", "0.0000000000000000000001", "0.00000000000000000000001",
                             "1.0000000000000000000000", "0000000000000000000000001.5", "-0", "-0.0", "0",
                             "123456789012345678901234567890.5"})
        ExpectSameReading(edge);
}

TEST(FlatImportEquivalence, DecimalsReadAsTheEvaluatorReadsThem)
{
    std::mt19937_64 random(4);
    for (int n = 0; n < 20000; ++n) {
        const std::string text = RandomDecimal(random, 16, 22);
        const double evaluated = ParseAmountText("", text, nullptr);
        ASSERT_EQ(std::bit_cast<uint64_t>(*ReadPlainDecimal(text)), std::bit_cast<uint64_t>(evaluated)) << text;
    }
}

TEST(FlatImportEquivalence, OnlyPlainDecimalsAreTaken)
{
    std::mt19937_64 random(5);
    const std::string alphabet = "0123456789.-+e ,$";
    for (int n = 0; n < 100000; ++n) {
        std::string text(random() % 8, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        ExpectSameReading(text);
    }
    ExpectSameReading(std::string(100, '1'));
    ExpectSameReading(std::string(101, '1'));
}

// A line of fields as spreadsheets and people write them: some quoted, with separators and doubled
// quotes inside, blanks around, stray quotes, empty fields.
std::string RandomFieldLine(std::mt19937& random, char separator)
{
    const std::string pieces[] = {"", "12.50", " a b ", "\"1,5\"", "\"say \"\"hi\"\"\"", "a\"b", "\t", "\"\"",
                                  "\"x\ty\"", " \"q\" "};
    std::string line;
    for (std::size_t n = random() % 12; n > 0; --n) {
        line += pieces[random() % std::size(pieces)];
        if (n > 1)
            line += separator;
    }
    return line;
}

// The splitter must split exactly as the text utilities do, over lines with several quoted
// fields and for every number of fields wanted.
TEST(FlatImportEquivalence, FieldsSplitAsTheTextUtilities)
{
    std::mt19937 random(17);
    CFlatFieldSplitter splitter;
    for (int n = 0; n < 20000; ++n)
        for (const char separator : {',', '\t'}) {
            const bool quoted = separator == ',';
            const std::string line = RandomFieldLine(random, separator);
            std::vector<std::string> expected = SplitToList(line, std::string(1, separator), quoted, true);
            const std::size_t wanted = random() % 10;
            expected.resize(std::min(wanted, expected.size()));
            const auto fields = splitter.Split(line, separator, quoted, wanted);
            ASSERT_EQ(std::vector<std::string>(fields.begin(), fields.end()), expected) << "[" << line << "]";
        }
}

// Line numbers of a list: a name and the line number of the i-th row.
struct LineNumbers {
    const char* m_name;
    std::function<std::string(int, std::mt19937&)> m_line;
};

class FlatItemIndexEquivalence : public ::testing::TestWithParam<LineNumbers> {};

// The rule as written: the first item, not a section row, with exactly this line number; else
// the first with it in any case; else, for a text shorter than four characters, the first with
// its four digits.
int FirstItemWithLine(const CItemArray& items, std::string_view line)
{
    const auto first = [&items](std::string_view wanted, bool exactCase) {
        for (int i = 0; i < items.GetSize(); ++i)
            if (!items[i]->IsSection() &&
                (exactCase ? items[i]->m_strLineNum == wanted : EqualsIgnoringCase(items[i]->m_strLineNum, wanted)))
                return i;
        return -1;
    };
    for (const bool exactCase : {true, false})
        if (const int found = first(line, exactCase); found >= 0)
            return found;
    if (line.size() >= 4)
        return -1;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%4.4d", std::atoi(std::string(line).c_str()));
    return first(digits, true);
}

// The index finds what the plain rule finds, for probes in list order and at random.
TEST_P(FlatItemIndexEquivalence, FindsWhatThePlainRuleFinds)
{
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        CItemArray items;
        for (int i = 0; i < 300; ++i) {
            const std::string line = GetParam().m_line(i, random);
            items.Add(random() % 7 == 0 ? MakeSection(line) : MakeItem(line));
        }
        std::vector<std::string> probes{"", "0", "00000", "-7", "+5", " 9", "7x", "x"};
        for (int i = 0; i < items.GetSize(); ++i)
            probes.push_back(items[i]->m_strLineNum);
        for (int i = 0; i < 300; ++i)
            probes.push_back(GetParam().m_line(int(random() % 400), random));
        CFlatImportState state(nullptr);
        for (const std::string& probe : probes)
            ASSERT_EQ(state.FindItemIndex(items, probe), FirstItemWithLine(items, probe))
                << GetParam().m_name << " " << probe;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, FlatItemIndexEquivalence,
    ::testing::Values(
        // Unpadded numbers rise by length first ("90", "100").
        LineNumbers{"Unpadded", [](int i, std::mt19937&) { return std::to_string(i * 10); }},
        LineNumbers{"PaddedThenLonger", [](int i, std::mt19937&) {
                        const std::string number = std::to_string(i * 40);
                        return std::string(number.size() < 4 ? 4 - number.size() : 0, '0') + number;
                    }},
        // Rising but for one line number repeated or out of place.
        LineNumbers{"OneRepeat", [](int i, std::mt19937&) { return std::to_string(100 + (i == 150 ? 149 : i)); }},
        LineNumbers{"OneFalls", [](int i, std::mt19937&) { return std::to_string(i == 200 ? 5 : 1000 + i); }},
        LineNumbers{"SameLengthFalls", [](int i, std::mt19937&) { return i == 200 ? std::string("0999") : std::to_string(1000 + i); }},
        LineNumbers{"Random", [](int, std::mt19937& random) { return std::to_string(random() % 200); }},
        LineNumbers{"Letters", [](int, std::mt19937& random) {
                        return std::string(1 + random() % 3, char('A' + random() % 3));
                    }},
        // The agency's padded numbers beside a spreadsheet's unpadded ones, and letters in either
        // case.
        LineNumbers{"CaseAndZeros", [](int, std::mt19937& random) {
                        const std::string number = std::to_string(random() % 40);
                        switch (random() % 3) {
                        case 0: return number;
                        case 1: return std::string(4 - number.size(), '0') + number;
                        default: return std::string(1, char((random() % 2 ? 'a' : 'A') + random() % 3)) + number;
                        }
                    }}),
    [](const auto& info) { return std::string(info.param.m_name); });

} // namespace

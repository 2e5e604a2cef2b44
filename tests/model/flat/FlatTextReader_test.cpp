#include "model/eval/Evaluator.h"
#include "model/flat/FlatImport.h"
#include "model/flat/FlatTextReader.h"
#include "model/text/AmountText.h"
#include "model/text/TextUtil.h"
#include "tests/model/flat/FlatTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<std::string> Split(CFlatFieldSplitter& splitter, const std::string& line, char separator, bool quoted,
                               std::size_t wanted)
{
    const auto fields = splitter.Split(line, separator, quoted, wanted);
    return {fields.begin(), fields.end()};
}

// The splitter hands out views instead of copies; it must split exactly as the text utilities do.
TEST(FlatFieldSplitter, SplitsAsTheTextUtilitiesDo)
{
    std::mt19937 random(11);
    const std::string alphabet = "ab1\",\t ";
    CFlatFieldSplitter splitter;
    for (int n = 0; n < 20000; ++n) {
        std::string line(random() % 14, ' ');
        for (char& c : line)
            c = alphabet[random() % alphabet.size()];
        for (const bool csv : {true, false}) {
            const char separator = csv ? ',' : '\t';
            std::vector<std::string> expected = SplitToList(line, std::string(1, separator), csv, true);
            ASSERT_EQ(Split(splitter, line, separator, csv, 99), expected) << "[" << line << "]";
            expected.resize(std::min<std::size_t>(expected.size(), 2));
            ASSERT_EQ(Split(splitter, line, separator, csv, 2), expected) << "[" << line << "]";
        }
    }
}

// Plain decimals skip the evaluator; they must read to the very same double.
TEST(FlatPlainDecimal, ReadsWhatTheEvaluatorReads)
{
    std::mt19937 random(5);
    for (int n = 0; n < 20000; ++n) {
        std::string text = random() % 4 == 0 ? "-" : "";
        text += std::to_string(random() % 100000000);
        if (random() % 3 != 0)
            text += "." + std::to_string(random() % 1000000);
        const std::optional<double> plain = ReadPlainDecimal(text);
        ASSERT_TRUE(plain.has_value()) << text;
        EXPECT_EQ(std::bit_cast<uint64_t>(*plain), std::bit_cast<uint64_t>(ParseAmountText("", text, nullptr))) << text;
    }
    for (const char* other : {"", "-", ".5", "5.", "+5", "1e3", "1,000", " 5", "5 ", "0x10", "--1", "5.5.5"})
        EXPECT_FALSE(ReadPlainDecimal(other).has_value()) << other;
}

std::vector<std::string> Lines(const std::string& bytes, bool keepLeadingBlanks = false)
{
    const FilePtr file = FileHolding(bytes);
    CFlatLineReader reader(file.get());
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.Next(line, keepLeadingBlanks))
        lines.push_back(std::string(line) + "@" + std::to_string(reader.LineNumber()));
    EXPECT_EQ(reader.Error(), "");
    return lines;
}

TEST(FlatLineReader, LineEndsCommentsAndLeadingBlanks)
{
    EXPECT_EQ(Lines("a\r\n  ;note\r\n\t b \r\n\nlast"),
              (std::vector<std::string>{"a@1", "b @3", "@4", "last@5"}));
    EXPECT_EQ(Lines("  x\r\r\n", true), (std::vector<std::string>{"  x@1"}));
    EXPECT_TRUE(Lines("").empty());
}

TEST(FlatLineReader, LinesAcrossTheReadBlocks)
{
    const std::string first(70000, 'a');
    const std::string second(200000, 'b');
    EXPECT_EQ(Lines(first + "\r\n" + second + "\nc"),
              (std::vector<std::string>{first + "@1", second + "@2", "c@3"}));
}

} // namespace

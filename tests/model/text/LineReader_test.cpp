#include "model/text/LineReader.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A stream over the bytes, as the readers get from a file.
class MemoryStream {
public:
    explicit MemoryStream(std::string bytes) : m_bytes(std::move(bytes))
    {
        m_file = fmemopen(m_bytes.data(), m_bytes.size(), "rb");
    }
    ~MemoryStream() { std::fclose(m_file); }
    std::FILE* File() const { return m_file; }

private:
    std::string m_bytes;
    std::FILE* m_file;
};

std::vector<std::string> AllLines(const std::string& bytes, std::string_view comments,
                                  std::size_t maximum = kNoLimit)
{
    MemoryStream stream(bytes);
    CCountingReader reader(stream.File());
    std::vector<std::string> lines;
    std::string line;
    while (ReadLine(reader, line, comments, maximum) >= 0)
        lines.push_back(line);
    return lines;
}

TEST(ReadLine, SkipsCommentLinesAndKeepsLeadingBlanks)
{
    EXPECT_EQ(AllLines("; note\n  key=1\n\t# other\n\nlast", ";#"),
              (std::vector<std::string>{"  key=1", "", "last"}));
    EXPECT_EQ(AllLines("a\r\nb\n", ";"), (std::vector<std::string>{"a\r", "b"}));
    EXPECT_EQ(AllLines("   ", ";"), (std::vector<std::string>{}));
    EXPECT_EQ(AllLines("", ";"), (std::vector<std::string>{}));
    EXPECT_EQ(AllLines(std::string("x\0y\nz\0", 6), ";"),
              (std::vector<std::string>{std::string("x\0y", 3), std::string("z\0", 2)}));
}

TEST(ReadLine, AnOverlongLineIsCutNotSplit)
{
    const std::string longLine(10000, 'x');
    const auto lines = AllLines(longLine + "\nnext\n", "", 100);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(99, 'x'));
    EXPECT_EQ(lines[1], "next");
    EXPECT_EQ(AllLines("    abc\n", "", 3), (std::vector<std::string>{"  "}));
    EXPECT_EQ(AllLines("abc\nd\n", "", 0), (std::vector<std::string>{"", ""}));
}

TEST(CountingReader, CountsLineFeedsOnceEvenWhenPushedBack)
{
    MemoryStream stream("a\nb\n\nc");
    CCountingReader reader(stream.File());
    std::string text;
    EXPECT_EQ(ReadUntil(reader, text, "\n", kNoLimit, false), 1u);
    EXPECT_EQ(reader.LineCount(), 0); // the line feed was given back
    EXPECT_EQ(reader.Get(), '\n');
    EXPECT_EQ(reader.LineCount(), 1);
    EXPECT_EQ(ReadUntil(reader, text, "\n", kNoLimit, true), 1u);
    EXPECT_EQ(reader.LineCount(), 2);
    reader.SetLineCount(0);
    std::string line;
    EXPECT_EQ(ReadLine(reader, line, ""), 0);
    EXPECT_EQ(ReadLine(reader, line, ""), 1);
    EXPECT_EQ(reader.LineCount(), 1);
    EXPECT_EQ(ReadLine(reader, line, ""), -1);
    reader.PushBack(EOF);
    EXPECT_EQ(reader.LineCount(), 1);
}

TEST(ReadUntil, StopsAtTheMaximumAndNulTerminatedTextsFollowOneAnother)
{
    MemoryStream stream("abcdef,gh");
    CCountingReader reader(stream.File());
    std::string text;
    EXPECT_EQ(ReadUntil(reader, text, ",", 4, true), 3u);
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(ReadUntil(reader, text, ",;", 100, true), 3u);
    EXPECT_EQ(text, "def");
    EXPECT_EQ(ReadUntil(reader, text, ",", 100, true), 2u);
    EXPECT_EQ(ReadUntil(reader, text, ",", 100, true), 0u);

    MemoryStream texts(std::string("one\0two\0\0three", 15));
    reader = CCountingReader(texts.File());
    EXPECT_EQ(ReadNulTerminated(reader), "one");
    EXPECT_EQ(ReadNulTerminated(reader), "two");
    EXPECT_EQ(ReadNulTerminated(reader), "");
    EXPECT_EQ(ReadNulTerminated(reader), "three");
    EXPECT_EQ(ReadNulTerminated(reader), "");
}

} // namespace

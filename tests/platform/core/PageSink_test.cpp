#include "platform/core/PageSink.h"

#include <gtest/gtest.h>
#include <sstream>

using platform::StreamPageSink;

TEST(StreamPageSink, WritesLinesAndEndsEveryPageWithAFormFeed)
{
    std::ostringstream out;
    StreamPageSink sink(out);
    ASSERT_TRUE(sink.BeginDocument("Tarvello Zod"));
    ASSERT_TRUE(sink.BeginPage());
    ASSERT_TRUE(sink.Line("first \x93quoted\x94"));
    ASSERT_TRUE(sink.Line(""));
    ASSERT_TRUE(sink.Line("third"));
    ASSERT_TRUE(sink.EndPage());
    ASSERT_TRUE(sink.BeginPage());
    ASSERT_TRUE(sink.EndPage());
    ASSERT_TRUE(sink.EndDocument());
    EXPECT_EQ(out.str(), "first \x93quoted\x94\n\nthird\f\f");
    EXPECT_EQ(sink.PagesEnded(), 2);

    // Ending the next document closes its open page.
    ASSERT_TRUE(sink.BeginDocument("d"));
    ASSERT_TRUE(sink.BeginPage());
    ASSERT_TRUE(sink.Line("a"));
    EXPECT_TRUE(sink.EndDocument());
    EXPECT_EQ(out.str().substr(out.str().size() - 2), "a\f");
    EXPECT_FALSE(sink.InDocument());
}

TEST(StreamPageSink, RefusesCallsOutOfOrderWithoutWriting)
{
    std::ostringstream out;
    StreamPageSink sink(out);
    EXPECT_FALSE(sink.BeginPage());
    EXPECT_FALSE(sink.Line("x"));
    EXPECT_FALSE(sink.EndPage());
    EXPECT_FALSE(sink.EndDocument());
    ASSERT_TRUE(sink.BeginDocument("d"));
    EXPECT_FALSE(sink.BeginDocument("again"));
    EXPECT_FALSE(sink.Line("before any page"));
    EXPECT_EQ(out.str(), "");
}

TEST(StreamPageSink, ReportsAFailingStream)
{
    std::ostringstream out;
    StreamPageSink sink(out);
    ASSERT_TRUE(sink.BeginDocument("d"));
    ASSERT_TRUE(sink.BeginPage());
    out.setstate(std::ios::badbit);
    EXPECT_FALSE(sink.Line("lost"));
    EXPECT_FALSE(sink.EndPage());
    EXPECT_FALSE(sink.EndDocument());
}

#include <QApplication>
#include <gtest/gtest.h>

TEST(QtTestMain, RunsWithOneApplicationOnTheOffscreenPlatform)
{
    ASSERT_NE(QApplication::instance(), nullptr);
    EXPECT_EQ(QApplication::platformName(), "offscreen");
}

#include "platform/core/Environment.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using testsupport::ScopedEnvironment;

TEST(Environment, TempDirectoryTakesTheFirstNonEmptyVariable)
{
    struct Case {
        const char* temp;
        const char* tmp;
        const char* tmpdir;
        const char* expected;
    };
    const Case cases[] = {
        {"/t1", "/t2", "/t3", "/t1"},
        {"", "/t2", "/t3", "/t2"},
        {nullptr, nullptr, "/t3", "/t3"},
        {nullptr, "", "", "/tmp"},
        {nullptr, nullptr, nullptr, "/tmp"},
    };
    for (const Case& c : cases) {
        ScopedEnvironment temp("TEMP", c.temp), tmp("TMP", c.tmp), tmpdir("TMPDIR", c.tmpdir);
        EXPECT_EQ(platform::TempDirectory(), c.expected);
    }
}

TEST(Environment, UserDataFollowsTheDataHomeOnlyWhenAbsolute)
{
    ScopedEnvironment home("HOME", "/home/bidder");
    {
        ScopedEnvironment data("XDG_DATA_HOME", "/data");
        EXPECT_EQ(platform::UserDataDirectory(), "/data/Tarvello");
    }
    for (const char* ignored : {"", "relative/data"}) {
        ScopedEnvironment data("XDG_DATA_HOME", ignored);
        EXPECT_EQ(platform::UserDataDirectory(), "/home/bidder/.local/share/Tarvello");
    }
}

TEST(Environment, CommonDataDefaultsBesideTheProgramFolder)
{
    {
        ScopedEnvironment common("ZOD_COMMON_DATA", "/opt/zod/common");
        EXPECT_EQ(platform::CommonDataDirectory(), "/opt/zod/common");
    }
    ScopedEnvironment common("ZOD_COMMON_DATA", nullptr);
    const std::string folder = platform::ExecutableDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(platform::CommonDataDirectory(), folder.substr(0, folder.rfind('/')) + "/share");
}

#include "platform/core/ScratchFolder.h"

#include "tests/support/TestEnvironment.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(ScratchFolder, IsTheUsersAloneUnderTheTemporaryFolderAndGoesWithWhatItHolds)
{
    testsupport::TempFolder temp;
    testsupport::ScopedEnvironment tmp("TMPDIR", temp.Path().c_str());
    testsupport::ScopedEnvironment others[] = {{"TEMP", nullptr}, {"TMP", nullptr}};
    std::string kept;
    {
        const platform::ScratchFolder first;
        const platform::ScratchFolder second;
        kept = first.Path();
        ASSERT_FALSE(kept.empty());
        EXPECT_NE(second.Path(), kept);
        EXPECT_EQ(std::filesystem::path(kept).parent_path(), std::filesystem::path(temp.Path()));
        struct stat info {};
        ASSERT_EQ(stat(kept.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
        testsupport::WriteTextFile(kept + "/member.001", "amendment");
        std::filesystem::create_directory(kept + "/inner");
    }
    EXPECT_FALSE(std::filesystem::exists(kept));
}

TEST(ScratchFolder, HasNoPathWhereNoneCanBeMade)
{
    testsupport::ScopedEnvironment tmp("TMPDIR", "/nonexistent/zod");
    testsupport::ScopedEnvironment others[] = {{"TEMP", nullptr}, {"TMP", nullptr}};
    const platform::ScratchFolder scratch;
    EXPECT_TRUE(scratch.Path().empty());
}

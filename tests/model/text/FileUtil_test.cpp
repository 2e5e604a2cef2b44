#include "model/text/FatalError.h"
#include "model/text/FileUtil.h"

#include "tests/model/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(GetTempDirectory, AppendsTheNameWithOneSeparator)
{
    ScopedEnvironment temp("TEMP", "/var/zod-tmp");
    EXPECT_EQ(GetTempDirectory("Form1.bmp"), "/var/zod-tmp/Form1.bmp");
    ScopedEnvironment slashed("TEMP", "/var/zod-tmp/");
    EXPECT_EQ(GetTempDirectory("Form1.bmp"), "/var/zod-tmp/Form1.bmp");
    ScopedEnvironment unset("TEMP", std::nullopt);
    ScopedEnvironment tmp("TMP", "/scratch");
    EXPECT_EQ(GetTempDirectory("x"), "/scratch/x");
}

TEST(FindFile, VariablesInOrderThenTheProgramsFolder)
{
    TempFolder first;
    TempFolder second;
    second.Write("ZOD.REF", "");
    std::string path;
    {
        ScopedEnvironment a("ZOD_TEST_FIRST", std::nullopt);
        ScopedEnvironment b("ZOD_TEST_SECOND", second.Path());
        EXPECT_TRUE(FindFile(path, "ZOD.REF", "ZOD_TEST_FIRST", "ZOD_TEST_SECOND"));
        EXPECT_EQ(path, second.Path() + "/ZOD.REF");
        ScopedEnvironment c("ZOD_TEST_FIRST", first.Path() + "/");
        EXPECT_FALSE(FindFile(path, "ZOD.REF", "ZOD_TEST_FIRST", "ZOD_TEST_SECOND"));
        EXPECT_EQ(path, first.Path() + "/ZOD.REF");
    }
    ScopedEnvironment a("ZOD_TEST_FIRST", std::nullopt);
    ScopedEnvironment b("ZOD_TEST_SECOND", std::nullopt);
    // The test program itself lies in its own folder.
    EXPECT_TRUE(FindFile(path, "model_tests", "ZOD_TEST_FIRST", "ZOD_TEST_SECOND"));
}

TEST(Folders, AFileInTheWayIsNoFolder)
{
    TempFolder folder;
    const std::string file = folder.Write("plain", "x");
    EXPECT_EQ(MakeDirectoryPath(file + "/sub"), 1);
    EXPECT_FALSE(DirectoryExists(file));
    EXPECT_EQ(MakeDirectoryPath(""), 1);
    std::string contents;
    EXPECT_EQ(ReadWholeFile(folder.Path() + "/missing", contents), -1);
    EXPECT_EQ(RenameFile(folder.Path() + "/missing", file), -1);
}

TEST(Messages, FatalErrorThrowsAndWarningPrints)
{
    try {
        FatalError("Cannot read %s (%d)", "ZOD.REF", 7);
        FAIL() << "FatalError returned";
    } catch (const CFatalError& error) {
        EXPECT_STREQ(error.what(), "Error: Cannot read ZOD.REF (7)");
    }
    EXPECT_THROW(FatalError("%s", ""), std::runtime_error);

    testing::internal::CaptureStdout();
    EXPECT_EQ(Warning("%d items skipped", 3), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Warning: 3 items skipped\n");
}

} // namespace

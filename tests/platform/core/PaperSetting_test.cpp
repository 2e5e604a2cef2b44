// The system's paper as libpaper's programs find it, and what a papersize file may hold.
#include "platform/core/PaperSetting.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using platform::PaperNameIn;
using testsupport::ScopedEnvironment;
using testsupport::TempFolder;
using testsupport::WriteTextFile;

TEST(PaperNameIn, TakesTheFirstWordOutsideComments)
{
    EXPECT_EQ(PaperNameIn("a4\n"), "a4");
    EXPECT_EQ(PaperNameIn("# set by the installer\n\n  Letter  # US\nlegal\n"), "letter");
    EXPECT_EQ(PaperNameIn("11x17"), "11x17");
    EXPECT_EQ(PaperNameIn("a4 letter"), "a4");
}

TEST(PaperNameIn, RefusesWhatIsNoPaperName)
{
    EXPECT_EQ(PaperNameIn(""), "");
    EXPECT_EQ(PaperNameIn("# only a comment"), "");
    EXPECT_EQ(PaperNameIn(" \t\r\n"), "");
    EXPECT_EQ(PaperNameIn("a4;rm"), "");
    EXPECT_EQ(PaperNameIn("../../etc/passwd"), "");
    EXPECT_EQ(PaperNameIn(std::string("a4\0x", 4)), "");
    EXPECT_EQ(PaperNameIn("\xC3\xA9"), "");
    EXPECT_EQ(PaperNameIn(std::string(33, 'a')), "");
    EXPECT_EQ(PaperNameIn(std::string(32, 'a')), std::string(32, 'a'));
}

TEST(ConfiguredPaperName, ThePapersizeVariableThenTheFileItNames)
{
    TempFolder folder;
    const std::string file = folder / "papersize";
    WriteTextFile(file, "# chosen\nLegal\n");
    {
        ScopedEnvironment size("PAPERSIZE", "Letter");
        ScopedEnvironment conf("PAPERCONF", file.c_str());
        EXPECT_EQ(platform::ConfiguredPaperName(), "letter");
    }
    {
        ScopedEnvironment size("PAPERSIZE", nullptr);
        ScopedEnvironment conf("PAPERCONF", file.c_str());
        EXPECT_EQ(platform::ConfiguredPaperName(), "legal");
    }
}

TEST(ConfiguredPaperName, AFileThatIsNoPapersizeFileNamesNoPaper)
{
    TempFolder folder;
    ScopedEnvironment size("PAPERSIZE", nullptr);
    const std::string fifo = folder / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string large = folder / "large";
    WriteTextFile(large, std::string(1 << 17, ' ') + "letter");
    for (const std::string& path : {folder.Path(), fifo, large, folder / "missing"}) {
        ScopedEnvironment conf("PAPERCONF", path.c_str());
        EXPECT_EQ(platform::ConfiguredPaperName(), "") << path; // a FIFO must not hang the program
    }
}

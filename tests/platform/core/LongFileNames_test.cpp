// A file whose name the file system takes, up to its longest, can be written in place: the
// temporary file and the lock file beside it must fit too.
#include "platform/core/Files.h"
#include "platform/core/IniFile.h"
#include "platform/core/SaveLeftovers.h"
#include "platform/core/SideFileName.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using testsupport::FilesIn;
using testsupport::ReadTextFile;
using testsupport::TempFolder;
using testsupport::WriteTextFile;

namespace {

// A name of `bytes` bytes ending in ".tvb".
std::string NameOf(std::size_t bytes)
{
    return std::string(bytes - 4, 'b') + ".tvb";
}

class LongFileNames : public ::testing::TestWithParam<std::size_t> {
protected:
    TempFolder m_folder;
    const std::string m_target = m_folder / NameOf(GetParam());
};

} // namespace

TEST_P(LongFileNames, AFileTheSystemTakesIsReplacedWholeAndLeavesNothingBeside)
{
    WriteTextFile(m_target, "old bid");
    std::string error;
    ASSERT_TRUE(platform::WriteFileAtomically(m_target, "priced bid", &error)) << error;
    EXPECT_EQ(ReadTextFile(m_target), "priced bid");
    EXPECT_EQ(FilesIn(m_folder.Path()), 1u);

    // What a killed save of it left is found and swept by the next one.
    const std::string leftover = platform::TemporaryPatternFor(m_target);
    WriteTextFile(leftover, "half a bid");
    ASSERT_TRUE(platform::WriteFileAtomically(m_target, "second bid", &error)) << error;
    EXPECT_EQ(FilesIn(m_folder.Path()), 1u);
}

TEST_P(LongFileNames, ASettingsFileOfSuchANameTakesItsLockBeside)
{
    platform::IniFile file(m_target);
    ASSERT_TRUE(file.Update([](platform::IniDocument& document) {
        document.SetValue("Misc", "PrintSave", "1");
        return true;
    })) << file.Error();
    EXPECT_NE(ReadTextFile(m_target).find("PrintSave=1"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(UpToTheLongest, LongFileNames, ::testing::Values(std::size_t(200), std::size_t(241),
                                                                          std::size_t(250), std::size_t(255)));

TEST(SideFileName, IsCutToTheLimitButNeverInsideACharacter)
{
    EXPECT_EQ(platform::SideFileName("bid.tvb", ".lock", 255), ".bid.tvb.lock");
    EXPECT_EQ(platform::SideFileName("abcdef", ".lock", 9), ".abc.lock");
    // "é" is two bytes: three fit, so one whole letter is kept and the half of the next is not.
    EXPECT_EQ(platform::SideFileName("\xC3\xA9\xC3\xA9\xC3\xA9", ".lock", 9), ".\xC3\xA9.lock");
    EXPECT_EQ(platform::SideFileName("name", ".lock", 3), "..lock");
}

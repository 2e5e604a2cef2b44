// A settings write that fails leaves its file and reason for the program to tell the user: the
// stores themselves only answer false, and a caller that ignores the answer loses nothing unsaid.
#include "platform/core/SettingsStore.h"

#include "platform/core/ConfigurationFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using testsupport::ReadTextFile;
using testsupport::TempFolder;

namespace {

class SettingsWrites : public ::testing::Test {
protected:
    SettingsWrites()
    {
        platform::SetCommandLineConfigFile("");
        CProfileStore::TakeWriteFailure();
    }
    ~SettingsWrites() override { CProfileStore::TakeWriteFailure(); }

    // A company name written as the options page writes it, each value in an update of its own.
    static bool WriteName(const std::string& name)
    {
        CProfileStore store;
        store.OpenProfileSection(kProgramSettingsKey, "Bidder");
        return store.WriteProfileStringValue("Name", name);
    }

    TempFolder m_folder;
    testsupport::ScopedEnvironment m_config{"XDG_CONFIG_HOME", m_folder.Path().c_str()};
    const std::string m_file = m_folder / "Tarvello/Zod.conf";
};

} // namespace

TEST_F(SettingsWrites, AReadOnlyFileIsNamedWithItsReasonOnceAndKeptAsItWas)
{
    ASSERT_TRUE(WriteName("Ridgeline Paving"));
    const std::string before = ReadTextFile(m_file);
    chmod(m_file.c_str(), 0444);

    EXPECT_FALSE(WriteName("Summit Asphalt"));
    EXPECT_FALSE(WriteName("Third Try"));
    const auto failure = CProfileStore::TakeWriteFailure();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, m_file);
    EXPECT_EQ(failure->reason, "Permission denied");
    EXPECT_FALSE(CProfileStore::TakeWriteFailure()) << "taken once";
    EXPECT_EQ(ReadTextFile(m_file), before);
}

TEST_F(SettingsWrites, ReadsAndWritesThatGoThroughLeaveNothingToTell)
{
    ASSERT_TRUE(WriteName("Ridgeline Paving"));
    CProfileStore store;
    store.OpenProfileSection(kProgramSettingsKey, "Bidder");
    EXPECT_EQ(store.GetProfileStringValue("Name"), "Ridgeline Paving");
    // A value that cannot be a line of the file is refused by the store, not by the disk.
    EXPECT_FALSE(store.WriteProfileStringValue("Name", "two\nlines"));
    EXPECT_FALSE(CProfileStore::TakeWriteFailure());
}

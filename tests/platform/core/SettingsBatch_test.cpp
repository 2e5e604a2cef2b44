#include "platform/core/ConfigurationFile.h"
#include "platform/core/SettingsStore.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace testsupport;

const std::string kBase(kProgramSettingsKey);

ino_t InodeOf(const std::string& path)
{
    struct stat info{};
    return stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

class SettingsBatch : public ::testing::Test {
protected:
    SettingsBatch() { platform::SetCommandLineConfigFile(""); }

    std::string Path() const { return m_folder / "zod.ini"; }

    TempFolder m_folder;
    ScopedEnvironment m_config{"XDG_CONFIG_HOME", m_folder.Path().c_str()};
};

TEST_F(SettingsBatch, ReadsSeeTheBatchAndTheFileChangesOnceAtTheEnd)
{
    WriteTextFile(Path(), "; kept\n");
    CProfileStore store(Path());
    const ino_t before = InodeOf(Path());
    store.BeginBatch();
    store.OpenProfileSection(kBase, "Units");
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(store.WriteProfileStringValue("Unit" + std::to_string(i), "row"));
    store.OpenProfileSection(kBase, "Bidder");
    store.WriteProfileStringValue("Name", "Acme");
    EXPECT_EQ(store.GetProfileStringValue("Name"), "Acme");
    store.OpenProfileSection(kBase);
    EXPECT_TRUE(store.DeleteProfileSection("Units"));
    store.OpenProfileSection(kBase, "Units");
    EXPECT_EQ(store.GetProfileStringValue("Unit5"), std::nullopt);
    store.WriteProfileStringValue("Unit00", "last");

    store.BeginBatch(); // nested: its end writes nothing yet
    store.WriteProfileIntValue("Count", 1);
    EXPECT_TRUE(store.EndBatch());
    EXPECT_EQ(ReadTextFile(Path()), "; kept\n");
    EXPECT_EQ(InodeOf(Path()), before);

    EXPECT_TRUE(store.EndBatch());
    EXPECT_EQ(ReadTextFile(Path()), "; kept\n"
                                    "[HKEY_CURRENT_USER\\Software\\Wendrick\\Tarvello\\Zod\\Bidder]\n"
                                    "Name=Acme\n"
                                    "[HKEY_CURRENT_USER\\Software\\Wendrick\\Tarvello\\Zod\\Units]\n"
                                    "Unit00=last\nCount=1\n");
}

TEST_F(SettingsBatch, WhatAnotherWriterStoredMeanwhileStays)
{
    CProfileStore store;
    CProfileStore other;
    {
        CProfileBatch batch(store);
        store.OpenProfileSection(kBase, "Misc");
        store.WriteProfileIntValue("PrintSave", 0);
        other.OpenProfileSection(kBase, "Misc");
        other.WriteProfileIntValue("AutoLoad", 0);
        other.WriteProfileIntValue("PrintSave", 1);
    }
    other.OpenProfileSection(kBase, "Misc");
    EXPECT_EQ(other.GetProfileIntValue("AutoLoad"), 0);
    EXPECT_EQ(other.GetProfileIntValue("PrintSave"), 0); // the batch came last
}

TEST_F(SettingsBatch, ABatchThatChangesNothingLeavesTheFileAlone)
{
    {
        CProfileStore store(Path());
        store.OpenProfileSection(kBase, "Misc");
        store.WriteProfileIntValue("PrintSave", 1);
    }
    const std::string text = ReadTextFile(Path());
    const ino_t before = InodeOf(Path());
    CProfileStore store(Path());
    {
        CProfileBatch batch(store);
        store.OpenProfileSection(kBase, "Misc");
        store.WriteProfileIntValue("PrintSave", 1);
        store.OpenProfileSection(kBase);
        store.DeleteProfileSection("Nothing");
    }
    EXPECT_EQ(InodeOf(Path()), before);
    EXPECT_EQ(ReadTextFile(Path()), text);
}

TEST_F(SettingsBatch, AFailedUpdateWritesNoneOfTheBatch)
{
    WriteTextFile(Path(), "[HKEY_CURRENT_USER\\A]\nx=1\n");
    CProfileStore store(Path());
    store.BeginBatch();
    store.OpenProfileSection("A");
    store.WriteProfileStringValue("big", std::string(4096, 'b'));
    store.WriteProfileStringValue("x", "2");
    {
        testsupport::FileSizeLimit full(64);
        EXPECT_FALSE(store.EndBatch());
    }
    EXPECT_FALSE(store.GetLastError().empty());
    EXPECT_EQ(ReadTextFile(Path()), "[HKEY_CURRENT_USER\\A]\nx=1\n");
    EXPECT_EQ(store.GetProfileStringValue("x"), "1");
}

TEST_F(SettingsBatch, AStoreGoingAwayFinishesItsBatch)
{
    {
        CProfileStore store(Path());
        store.BeginBatch();
        store.BeginBatch();
        store.OpenProfileSection("A");
        store.WriteProfileStringValue("x", "1");
    }
    EXPECT_EQ(ReadTextFile(Path()), "[HKEY_CURRENT_USER\\A]\nx=1\n");
}

} // namespace

#include "platform/core/SettingsStore.h"

#include "platform/core/ConfigurationFile.h"
#include "platform/core/RecentFileList.h"
#include "tests/support/TestEnvironment.h"

#include <filesystem>
#include <gtest/gtest.h>

using testsupport::ReadTextFile;
using testsupport::ScopedEnvironment;
using testsupport::TempFolder;
using testsupport::WriteTextFile;

namespace {

const std::string kBase(kProgramSettingsKey);
const std::string kIniMisc = "[HKEY_CURRENT_USER\\Software\\Wendrick\\Tarvello\\Zod\\Misc]\n";

// Every test runs with its own configuration folder and no configuration file on the command
// line; messages meant for the user are collected.
class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest() : m_config("XDG_CONFIG_HOME", m_folder.Path().c_str())
    {
        platform::SetCommandLineConfigFile("");
        CProfileStore::SetMessageHandler([this](const std::string& m) { m_messages.push_back(m); });
    }
    ~SettingsStoreTest() override
    {
        platform::SetCommandLineConfigFile("");
        CProfileStore::SetMessageHandler([](const std::string&) {});
    }

    std::string RegistryFile() const { return m_folder / "Tarvello/Zod.conf"; }

    TempFolder m_folder;
    ScopedEnvironment m_config;
    std::vector<std::string> m_messages;
};

// The same behaviour whichever file the store works on.
class BothModes : public SettingsStoreTest, public ::testing::WithParamInterface<bool> {
protected:
    std::unique_ptr<CProfileStore> MakeStore()
    {
        if (GetParam())
            return std::make_unique<CProfileStore>(m_folder / "zod.ini");
        return std::make_unique<CProfileStore>();
    }
};

TEST_P(BothModes, EmptyMissingAndMinusOneAreThreeThings)
{
    auto store = MakeStore();
    EXPECT_EQ(store->IsIniMode(), GetParam());
    EXPECT_FALSE(store->WriteProfileStringValue("Text", "x")) << "no section open";
    EXPECT_EQ(store->GetProfileStringValue("Text"), std::nullopt);
    store->OpenProfileSection(kBase, "Misc");
    ASSERT_TRUE(store->WriteProfileStringValue("Cleared", ""));
    ASSERT_TRUE(store->WriteProfileIntValue("Stored", -1));
    ASSERT_TRUE(store->WriteProfileStringValue("Text", "abc"));

    EXPECT_EQ(store->GetProfileStringValue("Cleared"), "");
    EXPECT_EQ(store->GetProfileStringValue("Missing"), std::nullopt);
    EXPECT_EQ(store->GetProfileIntValue("Cleared"), 0);
    EXPECT_EQ(store->GetProfileIntValue("Missing"), -1);
    EXPECT_EQ(store->GetProfileIntValue("Stored"), -1); // only the text tells the two apart
    EXPECT_EQ(store->GetProfileStringValue("Stored"), "-1");
    EXPECT_EQ(store->GetProfileIntValue("Text"), 0);
}

TEST_P(BothModes, AClearedValueIsNotOverwrittenByItsDefault)
{
    auto store = MakeStore();
    EXPECT_EQ(store->GetProfileStringOrDefault(kBase + "\\URL", "URL0", "http://default"),
              "http://default");
    store->OpenProfileSection(kBase, "URL");
    store->WriteProfileStringValue("URL0", "");
    EXPECT_EQ(store->GetProfileStringOrDefault(kBase + "\\URL", "URL0", "http://default"), "");
    EXPECT_EQ(store->GetProfileStringOrDefault(kBase + "\\URL", "URL1", ""), std::nullopt);
    EXPECT_EQ(store->GetProfileStringValue("URL0"), std::nullopt); // the section was closed
}

TEST_P(BothModes, LongValuesAndNamesKeepEveryCharacter)
{
    auto store = MakeStore();
    const std::string longName = "Unit" + std::string(300, 'n');
    const std::string longValue = " " + std::string(70000, 'v') + " \"quoted\" ";
    const std::string longSection = std::string(300, 's');
    store->OpenProfileSection(kBase, longSection);
    ASSERT_TRUE(store->WriteProfileStringValue(longName, longValue));
    CProfileStore other(GetParam() ? m_folder / "zod.ini" : "");
    other.OpenProfileSection(kBase, longSection);
    EXPECT_EQ(other.GetProfileStringValue(longName), longValue);
    std::vector<std::pair<std::string, std::string>> values;
    ASSERT_TRUE(other.EnumProfileValues(values));
    EXPECT_EQ(values, (std::vector<std::pair<std::string, std::string>>{{longName, longValue}}));
}

TEST_P(BothModes, NamesWithoutCase)
{
    auto store = MakeStore();
    store->OpenProfileSection(kBase, "WindowMetrics");
    store->WriteProfileIntValue("XPos", 10);
    store->OpenProfileSection("SOFTWARE\\wendrick\\TARVELLO\\zod", "windowmetrics");
    EXPECT_EQ(store->GetProfileIntValue("xpos"), 10);
    store->WriteProfileIntValue("XPOS", 20);
    std::vector<std::pair<std::string, std::string>> values;
    store->EnumProfileValues(values);
    EXPECT_EQ(values, (std::vector<std::pair<std::string, std::string>>{{"XPos", "20"}}));
}

TEST_P(BothModes, DeleteRemovesTheSectionBelowTheOpenOneWithItsSubSections)
{
    auto store = MakeStore();
    store->OpenProfileSection(kBase, "Bidder\\IDS\\Old");
    store->WriteProfileStringValue("TX", "1");
    store->OpenProfileSection(kBase, "Bidder\\IDS");
    store->WriteProfileStringValue("DOT", "BIDDER7");
    store->OpenProfileSection(kBase, "Bidder\\IDSX");
    store->WriteProfileStringValue("Keep", "1");
    store->OpenProfileSection(kBase, "Bidder");
    store->WriteProfileStringValue("Name", "Acme");

    EXPECT_TRUE(store->DeleteProfileSection("IDS"));
    EXPECT_EQ(store->GetProfileStringValue("Name"), "Acme");
    for (const char* gone : {"Bidder\\IDS", "Bidder\\IDS\\Old"}) {
        store->OpenProfileSection(kBase, gone);
        std::vector<std::pair<std::string, std::string>> values;
        EXPECT_FALSE(store->EnumProfileValues(values)) << gone;
    }
    store->OpenProfileSection(kBase, "Bidder\\IDSX");
    EXPECT_EQ(store->GetProfileStringValue("Keep"), "1");
    store->CloseProfileKey();
    EXPECT_FALSE(store->DeleteProfileSection("IDSX"));
}

TEST_P(BothModes, EnumerationKeepsFileOrderAndEmptyValues)
{
    auto store = MakeStore();
    store->OpenProfileSection(kBase, "Bidder\\IDS");
    std::vector<std::pair<std::string, std::string>> values{{"earlier", "kept"}};
    EXPECT_FALSE(store->EnumProfileValues(values));
    store->WriteProfileStringValue("ZZ", "3");
    store->WriteProfileStringValue("AA", "");
    store->WriteProfileStringValue("MM", "1");
    EXPECT_TRUE(store->EnumProfileValues(values));
    EXPECT_EQ(values, (std::vector<std::pair<std::string, std::string>>{
                          {"earlier", "kept"}, {"ZZ", "3"}, {"AA", ""}, {"MM", "1"}}));
}

TEST_P(BothModes, RefusesWhatALineBasedFileCannotHold)
{
    auto store = MakeStore();
    store->OpenProfileSection(kBase, "Misc");
    store->WriteProfileStringValue("Good", "1");
    EXPECT_FALSE(store->WriteProfileStringValue("Bad", "one\n[Injected]\nx=1"));
    EXPECT_NE(store->GetLastError().find("\"Bad\""), std::string::npos);
    EXPECT_FALSE(store->WriteProfileStringValue("a=b", "1"));
    EXPECT_FALSE(store->OpenProfileSection(kBase, "Mi]sc"));
    store->OpenProfileSection("Injected");
    EXPECT_EQ(store->GetProfileStringValue("x"), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Modes, BothModes, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

TEST_F(SettingsStoreTest, IniModeSectionsMirrorTheRegistryLayout)
{
    const std::string path = m_folder / "zod.ini";
    {
        CProfileStore store(path);
        ASSERT_TRUE(store.IsIniMode());
        store.OpenProfileSection(kBase, "Misc");
        store.WriteProfileIntValue("PrintSave", 0);
    }
    EXPECT_EQ(ReadTextFile(path), kIniMisc + "PrintSave=0\n");
    EXPECT_FALSE(std::filesystem::exists(RegistryFile()));
}

TEST_F(SettingsStoreTest, RegistryModeKeepsKeyPathsInTheUserFileAndCreatesOpenedKeys)
{
    {
        CProfileStore store;
        ASSERT_FALSE(store.IsIniMode());
        EXPECT_EQ(store.GetFilePath(), RegistryFile());
        store.OpenProfileSection(kBase, "Misc");
        store.OpenProfileSection(kBase, "WindowMetrics");
        store.WriteProfileIntValue("XPos", 5);
    }
    EXPECT_EQ(ReadTextFile(RegistryFile()), "[Software\\Wendrick\\Tarvello\\Zod\\Misc]\n"
                                            "[Software\\Wendrick\\Tarvello\\Zod\\WindowMetrics]\n"
                                            "XPos=5\n");
}

TEST_F(SettingsStoreTest, ReadsWhatWindowsWrote)
{
    const std::string path = m_folder / "zod.ini";
    WriteTextFile(path, "; exported\r\n[hkey_current_user\\software\\wendrick\\tarvello\\zod\\MISC]"
                        "\r\n  PrintSave = 0 \r\nPrintSave=1\r\nBitmap=\" C:\\bg.bmp \"\r\n");
    CProfileStore store(path);
    store.OpenProfileSection(kBase, "Misc");
    EXPECT_EQ(store.GetProfileIntValue("PrintSave"), 0);
    EXPECT_EQ(store.GetProfileStringValue("Bitmap"), " C:\\bg.bmp ");
    store.WriteProfileIntValue("PrintCheck", 1);
    EXPECT_EQ(ReadTextFile(path),
              "; exported\r\n[hkey_current_user\\software\\wendrick\\tarvello\\zod\\MISC]\r\n"
              "  PrintSave = 0 \r\nPrintSave=1\r\nBitmap=\" C:\\bg.bmp \"\r\nPrintCheck=1\r\n");
}

TEST_F(SettingsStoreTest, CreateAnewEmptiesTheFileAndPlainOpenKeepsIt)
{
    const std::string path = m_folder / "export.ini";
    WriteTextFile(path, kIniMisc + "A=1\n");
    EXPECT_TRUE(CProfileStore(path).IsIniMode());
    EXPECT_EQ(ReadTextFile(path), kIniMisc + "A=1\n");
    EXPECT_TRUE(CProfileStore(path, true).IsIniMode());
    EXPECT_EQ(ReadTextFile(path), "");
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(SettingsStoreTest, AFileThatCannotBeOpenedIsReportedAndTheRegistryUsed)
{
    const std::string path = m_folder / "no/such/folder/zod.ini";
    CProfileStore store(path);
    EXPECT_FALSE(store.IsIniMode());
    EXPECT_EQ(m_messages, std::vector<std::string>{"Cannot open configuration file " + path});
    EXPECT_NE(store.GetLastError().find(path), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_folder / "no"));
}

TEST_F(SettingsStoreTest, CommandLineFileIsUsedOnlyWhenItExists)
{
    const std::string path = m_folder / "named.ini";
    platform::SetCommandLineConfigFile(path);
    EXPECT_FALSE(CProfileStore().IsIniMode());
    EXPECT_FALSE(std::filesystem::exists(path));
    WriteTextFile(path, kIniMisc + "ShowSplash=0\n");
    CProfileStore store;
    ASSERT_TRUE(store.IsIniMode());
    store.OpenProfileSection(kBase, "Misc");
    EXPECT_EQ(store.GetProfileIntValue("ShowSplash"), 0);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(SettingsStoreTest, RecentFileListThroughTheStoreLeavesTheOpenSectionAlone)
{
    CProfileStore store;
    store.OpenProfileSection(kBase, "Misc");
    store.WriteProfileIntValue("AutoLoad", 1);
    CRecentFileList recent;
    recent.Add("/bids/a.tvb");
    recent.Add("/bids/b.tvb");
    ASSERT_TRUE(recent.WriteList(store));
    EXPECT_EQ(store.GetProfileIntValue("AutoLoad"), 1);

    CProfileStore later;
    later.OpenProfileSection(kBase, "Recent File List");
    EXPECT_EQ(later.GetProfileStringValue("File1"), "/bids/b.tvb");
    CRecentFileList read;
    read.ReadList(later);
    ASSERT_EQ(read.GetCount(), 2u);
    EXPECT_EQ(read[1], "/bids/a.tvb");
    recent.Remove(0);
    recent.WriteList(later);
    EXPECT_EQ(later.GetProfileStringValue("File2"), std::nullopt);
}

struct ConfigPathCase {
    const char* name;
    const char* commandLine;
    const char* program;
    const char* expected;
};

class ConfigurationPath : public ::testing::TestWithParam<ConfigPathCase> {};

TEST_P(ConfigurationPath, FollowsTheCommandLineOrThePrograms)
{
    const ConfigPathCase& c = GetParam();
    EXPECT_EQ(platform::DefaultConfigurationFile(c.commandLine, c.program), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ConfigurationPath,
    ::testing::Values(
        ConfigPathCase{"NoSwitch", "", "/opt/zod/bin/zod", "/opt/zod/bin/zod.m_ini"},
        ConfigPathCase{"NoSwitchExtension", "", "/opt/zod/zod.bin", "/opt/zod/zod.m_ini"},
        ConfigPathCase{"DotOnlyInFolder", "", "/opt/zod.d/zod", "/opt/zod.d/zod.m_ini"},
        ConfigPathCase{"ProgramUnknown", "", "", ""},
        ConfigPathCase{"Absolute", "/home/u/zod.ini", "/opt/zod", "/home/u/zod.ini"},
        ConfigPathCase{"Relative", "conf/zod.ini", "/opt/bin/zod", "/opt/bin/conf/zod.ini"},
        ConfigPathCase{"WindowsDrive", "C:\\bids\\zod.ini", "/opt/zod", "/bids/zod.ini"},
        ConfigPathCase{"DriveRelative", "C:zod.ini", "/opt/bin/zod", "/opt/bin/zod.ini"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

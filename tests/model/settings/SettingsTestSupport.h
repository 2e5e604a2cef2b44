#pragma once

// Settings tests run on their own configuration and data folders, never the user's, and start
// with no program-wide settings records.
#include "model/eval/Evaluator.h"
#include "model/settings/BidderSettings.h"
#include "model/settings/IOFormatSettings.h"
#include "model/settings/ProxySettings.h"
#include "model/settings/UnitTable.h"
#include "platform/core/ConfigurationFile.h"
#include "platform/core/IniDocument.h"
#include "platform/core/SettingsStore.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <string>

inline const std::string kSettingsBase(kProgramSettingsKey);

inline void ResetSettingsRecords()
{
    SetBidderInfo(nullptr);
    SetIOFormatSettings(nullptr);
    FreeUnitList();
    GetProxySettings() = CProxySettings();
    FreeEvaluatorSymbols();
}

class SettingsTest : public ::testing::Test {
protected:
    SettingsTest()
    {
        platform::SetCommandLineConfigFile("");
        CProfileStore::SetMessageHandler([this](const std::string& m) { m_messages.push_back(m); });
        ResetSettingsRecords();
    }
    ~SettingsTest() override
    {
        ResetSettingsRecords();
        CProfileStore::SetMessageHandler([](const std::string&) {});
    }

    std::string RegistryFile() const { return m_folder / "config/Tarvello/Zod.conf"; }
    std::string IniPath(const std::string& name) const { return m_folder / name; }
    // Values into a group of the program's own settings.
    static void StoreGroup(const std::string& group,
                           const std::vector<std::pair<std::string, std::string>>& values)
    {
        CProfileStore store;
        OpenSettingsGroup(store, group);
        for (const auto& [name, value] : values)
            store.WriteProfileStringValue(name, value);
    }
    // A group of the registry file as it is on disk.
    std::vector<std::pair<std::string, std::string>> StoredGroup(const std::string& group) const
    {
        const platform::IniDocument document(testsupport::ReadTextFile(RegistryFile()));
        return document.Entries(kSettingsBase + (group.empty() ? "" : "\\" + group));
    }

    testsupport::TempFolder m_folder;
    testsupport::ScopedEnvironment m_config{"XDG_CONFIG_HOME", (m_folder / "config").c_str()};
    testsupport::ScopedEnvironment m_data{"XDG_DATA_HOME", (m_folder / "data").c_str()};
    std::vector<std::string> m_messages;
};

#pragma once

// The program run inside a benchmark as a returning bidder runs it: its settings and data in a
// folder of their own, never the user's, with the bidder known and no splash or reference notes.
#include "app/startup/BidApp.h"
#include "model/settings/BidderIds.h"
#include "platform/core/SettingsStore.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"

#include <cstdlib>
#include <filesystem>
#include <string>

class BenchFolder {
public:
    BenchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zodbench.XXXXXX").string();
        m_path = mkdtemp(pattern.data()) ? pattern : std::string();
        setenv("XDG_CONFIG_HOME", (m_path + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (m_path + "/data").c_str(), 1);
    }
    ~BenchFolder() { std::filesystem::remove_all(m_path); }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    std::string Path(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// A bidder who has been here before: no first-run dialogs, the agency's ID known, no splash.
inline void StoreBidder(const std::string& agency)
{
    CProfileStore store;
    store.WriteString("Bidder", "Name", "Ace Paving & Grading, Inc.");
    store.WriteString("Misc", "ShowSplash", "0");
    store.WriteString("Misc", "WarnRef", "0");
    SaveBidderIDs(store, agency, "V0042917");
}

// The program started without a proposal, its dialogs answered by the benchmark; it ends with the
// object.
class BenchProgram {
public:
    BenchProgram() : m_installed(answers)
    {
        app.m_argc = 1;
        app.m_argv = m_argv;
        m_started = app.InitInstance();
    }
    ~BenchProgram()
    {
        if (m_started)
            app.ExitInstance();
    }
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;

    bool Started() const { return m_started; }

    platform::ScriptedModalServices answers;
    CBidApp app;

private:
    platform::ScopedModalServices m_installed;
    char m_name[4] = "zod";
    char* m_argv[2] = {m_name, nullptr};
    bool m_started = false;
};

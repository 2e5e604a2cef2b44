#pragma once

// The application started and stopped as the program does, on its own settings and data folders,
// with message boxes answered by the test.
#include "app/startup/BidApp.h"
#include "platform/core/ConfigurationFile.h"
#include "platform/core/IniDocument.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class BidAppTest : public ::testing::Test {
protected:
    BidAppTest() { platform::SetCommandLineConfigFile(""); }
    ~BidAppTest() override { platform::SetCommandLineConfigFile(""); }

    // A new application object through InitInstance, with these command-line parameters.
    std::unique_ptr<CBidApp> Start(const std::vector<std::string>& params = {}, bool* started = nullptr)
    {
        m_args = {"zod"};
        m_args.insert(m_args.end(), params.begin(), params.end());
        m_argv.clear();
        for (std::string& arg : m_args)
            m_argv.push_back(arg.data());
        auto app = std::make_unique<CBidApp>();
        app->m_argc = int(m_argv.size());
        app->m_argv = m_argv.data();
        const bool ok = app->InitInstance();
        if (started)
            *started = ok;
        return app;
    }

    // The user closes the main window; the event loop ends and ExitInstance runs.
    static void Stop(CBidApp& app)
    {
        if (app.m_pMainWnd != nullptr)
            app.m_pMainWnd->SendMessage(WM_CLOSE);
        Settle();
        app.ExitInstance();
    }

    static void Settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QApplication::processEvents();
        }
    }

    std::string RegistryFile() const { return m_folder / "config/Tarvello/Zod.conf"; }

    std::optional<std::string> Stored(const std::string& group, const std::string& name) const
    {
        const platform::IniDocument document(testsupport::ReadTextFile(RegistryFile()));
        // Appended piece by piece: g++ 12 warns falsely about a chain of + on a temporary.
        std::string section(kProgramSettingsKey);
        section += '\\';
        section += group;
        return document.GetValue(section, name);
    }

    void Store(const std::string& group, const std::string& name, const std::string& value)
    {
        CProfileStore(CProfileStore::UserRegistry{}).WriteString(group, name, value);
    }

    testsupport::TempFolder m_folder;
    testsupport::ScopedEnvironment m_config{"XDG_CONFIG_HOME", (m_folder / "config").c_str()};
    testsupport::ScopedEnvironment m_data{"XDG_DATA_HOME", (m_folder / "data").c_str()};
    platform::ScriptedModalServices m_script;
    platform::ScopedModalServices m_installed{m_script};
    std::vector<std::string> m_args;
    std::vector<char*> m_argv;
};

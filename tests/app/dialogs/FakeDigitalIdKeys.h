#pragma once

// Key rings kept by the test: what the Digital IDs dialog lists, and every key operation it asks
// for, each answering as the test says.
#include "app/dialogs/DigitalIdKeys.h"

#include <algorithm>
#include <string>
#include <vector>

namespace dialogtest {

class FakeKeys : public CDigitalIdKeys {
public:
    struct Log {
        std::vector<std::string> keys;
        int openError = 0;
        int failing = 0; // the code every key operation answers; 0: they work
        std::vector<std::string> calls;
    };

    explicit FakeKeys(Log& log) : m_log(log) {}

    int GetError() const override { return m_log.openError; }
    std::string GetUserErrorMessage() const override { return "Your Digital ID Keyring is locked."; }
    std::string GetErrorText() const override { return m_error ? "Locked" : "No Error"; }
    void ClearError() override { m_error = 0; }
    void UseCurrentFolder() override { m_log.calls.push_back("current folder"); }

    int ListKeysById(const std::string&, std::vector<std::string>& identities) override
    {
        identities = m_log.keys;
        return m_error = m_log.failing;
    }
    int DeleteKey(const std::string& identity) override
    {
        m_log.calls.push_back("delete " + identity);
        if (!m_log.failing)
            m_log.keys.erase(std::find(m_log.keys.begin(), m_log.keys.end(), identity));
        return m_error = m_log.failing;
    }
    int ExportKey(const std::string& identity, const std::string& fileName) override
    {
        m_log.calls.push_back("export " + identity + " to " + fileName);
        return m_error = m_log.failing;
    }
    int ImportKeyFile(const std::string& fileName) override
    {
        m_log.calls.push_back("import " + fileName);
        if (!m_log.failing)
            m_log.keys.push_back("Imported <new@acme.example>");
        return m_error = m_log.failing;
    }
    std::vector<std::string> KeysImportedBeforeFailure() const override { return {}; }
    std::vector<std::string> ImportRefusals() const override { return {}; }

private:
    Log& m_log;
    int m_error = 0;
};

} // namespace dialogtest

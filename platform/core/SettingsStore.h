#pragma once

#include "platform/core/IniFile.h"
#include "platform/core/ProfileStore.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The program's base key (string resource 129); its settings groups are keys below it.
inline constexpr std::string_view kProgramSettingsKey = "Software\\Wendrick\\Tarvello\\Zod";

// A write of a settings file that failed: the file, and why in the system's words.
struct SettingsWriteFailure {
    std::string path;
    std::string reason;
};

// The program's named settings: string and integer values in sections named by key paths below
// HKEY_CURRENT_USER ("Software\...\Zod" + "\Misc"). One object works either on an INI file, whose
// sections are the paths prefixed with "HKEY_CURRENT_USER\", or on the per-user settings file
// that stands in for the registry, whose sections are the paths; the choice is made once, when
// it is constructed. Objects are short-lived: open a section, read or write a few values, let go.
//
// Values keep their exact text at any length. A value that is present but empty reads as "",
// a missing one as nullopt, so that a value cleared on purpose is never taken for a missing one.
class CProfileStore : public platform::ProfileStore {
public:
    // With a file: INI mode on it, creating it when missing and emptying it with createAnew; when
    // it cannot be opened the message handler is told and the store works on the registry file.
    // Without: the command line's configuration file, else the ".m_ini" file beside the program,
    // in INI mode when that file exists; otherwise the registry file.
    explicit CProfileStore(const std::string& filePath = {}, bool createAnew = false);
    // Always the registry file: the framework's own profile, which no configuration file replaces.
    struct UserRegistry {};
    explicit CProfileStore(UserRegistry);
    // INI mode on a file held in memory (Text), for a configuration gathered before it is
    // written whole, atomically, where it belongs.
    struct InMemory {};
    explicit CProfileStore(InMemory);
    // An unfinished batch is finished.
    ~CProfileStore() override;

    CProfileStore(const CProfileStore&) = delete;
    CProfileStore& operator=(const CProfileStore&) = delete;

    // Closes any open section first. In registry mode the key is created when missing; false
    // when that failed (reads and writes then fail, as with no section open).
    bool OpenProfileSection(std::string_view basePath, std::string_view subName = {});
    bool CloseProfileKey();

    std::optional<std::string> GetProfileStringValue(std::string_view name);
    // The leading decimal number of the value (0 when it has none); -1 when it is missing,
    // like a stored -1 (GetProfileStringValue tells the two apart).
    int GetProfileIntValue(std::string_view name);
    // Refused (false) for names and texts a line-based file cannot hold: line breaks and NULs,
    // '=' in a name, blanks around it.
    bool WriteProfileStringValue(std::string_view name, std::string_view text);
    bool WriteProfileIntValue(std::string_view name, int value);
    // The section of that name below the open one, with every section below it. True when it
    // is gone afterwards.
    bool DeleteProfileSection(std::string_view name);
    // Appends (name, value) for every value of the open section, empty ones included, in file
    // order; false when the section holds none or cannot be read.
    bool EnumProfileValues(std::vector<std::pair<std::string, std::string>>& list);
    // Opens basePath, reads name and, when it is missing and defaultText is not empty, writes
    // defaultText and reads again; the section is closed afterwards.
    std::optional<std::string> GetProfileStringOrDefault(std::string_view basePath,
                                                         std::string_view name,
                                                         std::string_view defaultText);

    // Between BeginBatch and the matching EndBatch (batches nest) writes and deletions are
    // gathered, and reads see them; EndBatch makes them all in one locked update of the file, so
    // a hundred values cost one rewrite instead of a hundred. False when that update failed:
    // then none of the batch was written.
    void BeginBatch();
    bool EndBatch();

    bool IsIniMode() const { return m_iniMode; }
    // The INI file's text as it stands, batches included.
    std::string Text();
    const std::string& GetFilePath() const { return m_file.Path(); }
    // Why the last failed operation failed.
    const std::string& GetLastError() const { return m_error; }

    // For the framework's profile (the recent-file list): sections are keys below the program's
    // base key. The open section is not touched.
    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& entry) override;
    bool WriteString(const std::string& section, const std::string& entry,
                     const std::string& value) override;
    bool DeleteEntry(const std::string& section, const std::string& entry) override;

    // Shows "Cannot open configuration file ..." to the user; the application sets it at start.
    static void SetMessageHandler(std::function<void(const std::string&)> handler);
    // The first write to a file that failed since the last call, taken; nothing when every write
    // went through. The stores only answer false: the application tells the user.
    static std::optional<SettingsWriteFailure> TakeWriteFailure();

private:
    using Change = std::function<bool(platform::IniDocument&)>;

    const platform::IniDocument* ReadDocument();
    // Makes the change now, or in a batch to the gathered document and later to the file; it
    // answers whether it changed anything.
    bool Apply(const Change& change);
    std::string SectionName(std::string_view basePath, std::string_view subName = {}) const;
    std::optional<std::string> ReadValue(const std::string& section, std::string_view name);
    bool WriteValue(const std::string& section, std::string_view name, std::string_view text);
    bool Fail(std::string message);
    bool FailOnFile();
    bool FailOnWrite();

    bool m_iniMode = false;
    platform::IniFile m_file;
    std::string m_section; // the open section's full name; empty when none is open
    std::string m_error;
    int m_batchDepth = 0;
    platform::IniDocument m_batchDocument; // the file as the batch will leave it
    std::vector<Change> m_batchChanges;
};

// A batch of a store for the life of a scope.
class CProfileBatch {
public:
    explicit CProfileBatch(CProfileStore& store) : m_store(store) { m_store.BeginBatch(); }
    ~CProfileBatch() { m_store.EndBatch(); }
    CProfileBatch(const CProfileBatch&) = delete;
    CProfileBatch& operator=(const CProfileBatch&) = delete;

private:
    CProfileStore& m_store;
};

#include "platform/core/SettingsStore.h"

#include "platform/core/ConfigurationFile.h"
#include "platform/core/Environment.h"
#include "platform/core/Files.h"
#include "platform/core/IniLine.h"
#include "platform/core/LeadingInt.h"
#include "platform/core/Paths.h"

#include <cstdio>
#include <iterator>
#include <mutex>

namespace {

std::function<void(const std::string&)>& MessageHandler()
{
    static std::function<void(const std::string&)> handler = [](const std::string& message) {
        std::fprintf(stderr, "%s\n", message.c_str());
    };
    return handler;
}

// The first write that failed and no one has taken yet; wizard threads keep stores of their own.
struct PendingWriteFailure {
    std::mutex lock;
    std::optional<SettingsWriteFailure> first;
};

PendingWriteFailure& Pending()
{
    static PendingWriteFailure pending;
    return pending;
}

std::string ChooseDefaultFile()
{
    return platform::DefaultConfigurationFile(platform::CommandLineConfigFile(),
                                              platform::ExecutablePath());
}

} // namespace

void CProfileStore::SetMessageHandler(std::function<void(const std::string&)> handler)
{
    MessageHandler() = std::move(handler);
}

std::optional<SettingsWriteFailure> CProfileStore::TakeWriteFailure()
{
    PendingWriteFailure& pending = Pending();
    const std::lock_guard hold(pending.lock);
    return std::exchange(pending.first, std::nullopt);
}

CProfileStore::CProfileStore(const std::string& filePath, bool createAnew)
    : m_file(filePath.empty() ? ChooseDefaultFile() : filePath)
{
    if (filePath.empty()) {
        m_iniMode = platform::FileExists(m_file.Path());
    } else {
        m_iniMode = m_file.Create(createAnew);
        if (!m_iniMode) {
            m_error = m_file.Error();
            MessageHandler()("Cannot open configuration file " + platform::PathToText(filePath));
        }
    }
    if (!m_iniMode)
        m_file = platform::IniFile(platform::UserSettingsFile(), true);
}

CProfileStore::CProfileStore(UserRegistry) : m_file(platform::UserSettingsFile(), true) {}

CProfileStore::CProfileStore(InMemory) : m_iniMode(true) {}

CProfileStore::~CProfileStore()
{
    if (m_batchDepth > 0) {
        m_batchDepth = 1;
        EndBatch();
    }
}

void CProfileStore::BeginBatch()
{
    if (m_batchDepth++ > 0)
        return;
    const platform::IniDocument* current = m_file.Read();
    m_batchDocument = current ? *current : platform::IniDocument();
    m_batchChanges.clear();
}

bool CProfileStore::EndBatch()
{
    if (m_batchDepth == 0 || --m_batchDepth > 0)
        return true;
    const std::vector<Change> changes = std::move(m_batchChanges);
    m_batchChanges.clear();
    m_batchDocument = platform::IniDocument();
    if (changes.empty())
        return true;
    // Made again on the file as it is now, so that what another writer stored meanwhile stays.
    return m_file.Update([&](platform::IniDocument& document) {
        bool changed = false;
        for (const Change& change : changes)
            changed = change(document) || changed;
        return changed;
    }) || FailOnWrite();
}

std::string CProfileStore::Text()
{
    const platform::IniDocument* document = ReadDocument();
    return document != nullptr ? document->Text() : std::string();
}

const platform::IniDocument* CProfileStore::ReadDocument()
{
    if (m_batchDepth > 0)
        return &m_batchDocument;
    const platform::IniDocument* document = m_file.Read();
    if (document == nullptr)
        FailOnFile();
    return document;
}

bool CProfileStore::Apply(const Change& change)
{
    if (m_batchDepth == 0)
        return m_file.Update(change) || FailOnWrite();
    if (change(m_batchDocument))
        m_batchChanges.push_back(change);
    return true;
}

bool CProfileStore::Fail(std::string message)
{
    m_error = std::move(message);
    return false;
}

bool CProfileStore::FailOnFile()
{
    return Fail(m_file.Error());
}

bool CProfileStore::FailOnWrite()
{
    PendingWriteFailure& pending = Pending();
    const std::lock_guard hold(pending.lock);
    if (!pending.first)
        pending.first = SettingsWriteFailure{m_file.Path(), m_file.Reason()};
    return FailOnFile();
}

std::string CProfileStore::SectionName(std::string_view basePath, std::string_view subName) const
{
    std::string name = m_iniMode ? "HKEY_CURRENT_USER\\" : "";
    name += basePath;
    if (!subName.empty())
        name.append("\\").append(subName);
    return name;
}

bool CProfileStore::OpenProfileSection(std::string_view basePath, std::string_view subName)
{
    CloseProfileKey();
    const std::string section = SectionName(basePath, subName);
    if (!platform::IsStorableIniSection(section))
        return Fail("the settings section \"" + section + "\" cannot be stored");
    if (!m_iniMode) {
        // The registry creates a key that is opened for writing; so does its stand-in.
        const platform::IniDocument* current = ReadDocument();
        const bool exists = current != nullptr && current->HasSection(section);
        if (!exists && !Apply([section](platform::IniDocument& document) {
                return document.AddSection(section);
            }))
            return false;
    }
    m_section = section;
    return true;
}

bool CProfileStore::CloseProfileKey()
{
    m_section.clear();
    return true;
}

std::optional<std::string> CProfileStore::ReadValue(const std::string& section,
                                                    std::string_view name)
{
    const platform::IniDocument* document = ReadDocument();
    if (document == nullptr)
        return std::nullopt;
    return document->GetValue(section, name);
}

bool CProfileStore::WriteValue(const std::string& section, std::string_view name,
                               std::string_view text)
{
    if (!platform::IsStorableIniSection(section) || !platform::IsStorableIniKey(name) ||
        !platform::IsStorableIniValue(text))
        return Fail("the value \"" + std::string(name) + "\" cannot be stored in " + m_file.Path() +
                    ": names and values are single lines without NULs, names without '='");
    // A value that is already there is not written again.
    return Apply([section, key = std::string(name), value = std::string(text)](
                     platform::IniDocument& document) {
        if (document.GetValue(section, key) == value)
            return false;
        document.SetValue(section, key, value);
        return true;
    });
}

std::optional<std::string> CProfileStore::GetProfileStringValue(std::string_view name)
{
    if (m_section.empty())
        return std::nullopt;
    return ReadValue(m_section, name);
}

int CProfileStore::GetProfileIntValue(std::string_view name)
{
    const std::optional<std::string> text = GetProfileStringValue(name);
    return text ? ParseLeadingInt(*text) : -1;
}

bool CProfileStore::WriteProfileStringValue(std::string_view name, std::string_view text)
{
    if (m_section.empty())
        return Fail("no settings section is open");
    return WriteValue(m_section, name, text);
}

bool CProfileStore::WriteProfileIntValue(std::string_view name, int value)
{
    return WriteProfileStringValue(name, std::to_string(value));
}

bool CProfileStore::DeleteProfileSection(std::string_view name)
{
    if (m_section.empty() || name.empty())
        return Fail("no settings section is open");
    const std::string section = m_section + "\\" + std::string(name);
    return Apply([section](platform::IniDocument& document) {
        return document.DeleteSection(section, true);
    });
}

bool CProfileStore::EnumProfileValues(std::vector<std::pair<std::string, std::string>>& list)
{
    if (m_section.empty())
        return false;
    const platform::IniDocument* document = ReadDocument();
    if (document == nullptr)
        return false;
    std::vector<std::pair<std::string, std::string>> entries = document->Entries(m_section);
    list.insert(list.end(), std::make_move_iterator(entries.begin()),
                std::make_move_iterator(entries.end()));
    return !entries.empty();
}

std::optional<std::string> CProfileStore::GetProfileStringOrDefault(std::string_view basePath,
                                                                    std::string_view name,
                                                                    std::string_view defaultText)
{
    OpenProfileSection(basePath);
    std::optional<std::string> value = GetProfileStringValue(name);
    if (!value && !defaultText.empty() && WriteProfileStringValue(name, defaultText))
        value = GetProfileStringValue(name);
    CloseProfileKey();
    return value;
}

std::optional<std::string> CProfileStore::ReadString(const std::string& section,
                                                     const std::string& entry)
{
    return ReadValue(SectionName(kProgramSettingsKey, section), entry);
}

bool CProfileStore::WriteString(const std::string& section, const std::string& entry,
                                const std::string& value)
{
    return WriteValue(SectionName(kProgramSettingsKey, section), entry, value);
}

bool CProfileStore::DeleteEntry(const std::string& section, const std::string& entry)
{
    return Apply([full = SectionName(kProgramSettingsKey, section), entry](
                     platform::IniDocument& document) { return document.DeleteValue(full, entry); });
}

#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace platform {

// The few per-user values the framework keeps (the recent-file list). The application's
// settings store implements it; tests use MemoryProfileStore.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    virtual std::optional<std::string> ReadString(const std::string& section,
                                                  const std::string& entry) = 0;
    virtual bool WriteString(const std::string& section, const std::string& entry,
                             const std::string& value) = 0;
    virtual bool DeleteEntry(const std::string& section, const std::string& entry) = 0;
};

class MemoryProfileStore : public ProfileStore {
public:
    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& entry) override;
    bool WriteString(const std::string& section, const std::string& entry,
                     const std::string& value) override;
    bool DeleteEntry(const std::string& section, const std::string& entry) override;

    std::size_t Size() const { return m_values.size(); }

private:
    std::map<std::pair<std::string, std::string>, std::string> m_values;
};

} // namespace platform

#include "platform/core/ProfileStore.h"

namespace platform {

std::optional<std::string> MemoryProfileStore::ReadString(const std::string& section,
                                                          const std::string& entry)
{
    auto found = m_values.find({section, entry});
    if (found == m_values.end())
        return std::nullopt;
    return found->second;
}

bool MemoryProfileStore::WriteString(const std::string& section, const std::string& entry,
                                     const std::string& value)
{
    m_values[{section, entry}] = value;
    return true;
}

bool MemoryProfileStore::DeleteEntry(const std::string& section, const std::string& entry)
{
    m_values.erase({section, entry});
    return true;
}

} // namespace platform

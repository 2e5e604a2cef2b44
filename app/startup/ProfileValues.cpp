#include "app/startup/ProfileValues.h"

#include "platform/core/LeadingInt.h"

int GetProfileInt(platform::ProfileStore& store, const std::string& section,
                  const std::string& entry, int defaultValue)
{
    const std::optional<std::string> text = store.ReadString(section, entry);
    return text ? ParseLeadingInt(*text) : defaultValue;
}

std::string GetProfileString(platform::ProfileStore& store, const std::string& section,
                             const std::string& entry, const std::string& defaultValue)
{
    return store.ReadString(section, entry).value_or(defaultValue);
}

bool WriteProfileInt(platform::ProfileStore& store, const std::string& section,
                     const std::string& entry, int value)
{
    return store.WriteString(section, entry, std::to_string(value));
}

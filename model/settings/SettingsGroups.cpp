#include "model/settings/SettingsGroups.h"

#include "platform/core/SettingsStore.h"

bool OpenSettingsGroup(CProfileStore& store, std::string_view group)
{
    return store.OpenProfileSection(kProgramSettingsKey, group);
}

std::optional<std::string> ReadNonEmptyValue(CProfileStore& store, std::string_view name)
{
    std::optional<std::string> value = store.GetProfileStringValue(name);
    if (value && value->empty())
        return std::nullopt;
    return value;
}

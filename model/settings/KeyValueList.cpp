#include "model/settings/KeyValueList.h"

#include "platform/core/IniLine.h"
#include "platform/core/LeadingInt.h"

void KeyValueListSet(KeyValueList& list, std::string key, std::string value, bool trim)
{
    if (trim) {
        key = std::string(platform::TrimIniBlanks(key));
        value = std::string(platform::TrimIniBlanks(value));
    }
    const auto [found, added] = list.m_index.try_emplace(key, list.m_nodes.size());
    if (added)
        list.m_nodes.push_back({std::move(key), {}, 0});
    KeyValueNode& node = list.m_nodes[found->second];
    node.m_number = ParseLeadingInt(value);
    node.m_value = std::move(value);
}

void KeyValueListAdd(KeyValueList& list, std::string_view key, std::string_view value)
{
    KeyValueListSet(list, std::string(key), std::string(value), true);
}

const KeyValueNode* KeyValueListFind(const KeyValueList& list, std::string_view key)
{
    const auto found = list.m_index.find(std::string(platform::TrimIniBlanks(key)));
    return found != list.m_index.end() ? &list.m_nodes[found->second] : nullptr;
}

void KeyValueListFree(KeyValueList& list)
{
    list = KeyValueList();
}

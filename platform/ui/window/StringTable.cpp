#include "platform/ui/window/StringTable.h"

namespace platform {

bool LoadResourceString(UINT id, std::string& text)
{
    for (const auto& [tableId, table] : ResourceRegistry<StringTable>::All()) {
        for (std::size_t i = 0; i < table->count; ++i) {
            if (table->entries[i].id == id && table->entries[i].text) {
                text = table->entries[i].text;
                return true;
            }
        }
    }
    return false;
}

std::string LoadResourceString(UINT id)
{
    std::string text;
    LoadResourceString(id, text);
    return text;
}

std::string IdleMessage()
{
    std::string text = "Ready";
    LoadResourceString(AFX_IDS_IDLEMESSAGE, text);
    return text;
}

} // namespace platform

#pragma once

// String tables: texts (Windows-1252) under numeric ids, as the screens load them. A command's
// string is its prompt: the status bar's text, then after a newline its tool tip.
#include "platform/ui/window/ResourceRegistry.h"

#include <cstddef>
#include <string>

struct StringResource {
    UINT id;
    const char* text;
};

// Registered under its own id; LoadResourceString searches every registered table.
struct StringTable {
    UINT id;
    const StringResource* entries;
    std::size_t count;
};

// The framework's idle text of the status bar.
constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001;

namespace platform {

// False, and the text left alone, when no table holds the id.
bool LoadResourceString(UINT id, std::string& text);
std::string LoadResourceString(UINT id); // "" when none
// "Ready", or what a table says for AFX_IDS_IDLEMESSAGE.
std::string IdleMessage();

} // namespace platform

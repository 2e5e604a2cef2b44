#pragma once

#include <optional>
#include <string>

namespace platform {

// Clipboard text is program text (Windows-1252) on our side.
bool SetClipboardText(const std::string& cp1252);
std::optional<std::string> GetClipboardText(); // nullopt when the clipboard holds no text
bool ClipboardHasText();

// Hands the address to the desktop's browser or mail program; false when nothing took it.
bool OpenUrl(const std::string& url);

void Beep();

} // namespace platform

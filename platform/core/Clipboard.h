#pragma once

#include <string_view>

namespace platform {

// The system clipboard as the model reaches it; the GUI installs the one it owns.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Puts plain text (Windows-1252 bytes) on the clipboard; false when it could not take it.
    virtual bool SetText(std::string_view text) = 0;
};

// Null uninstalls; the clipboard must outlive its installation.
void InstallClipboard(Clipboard* clipboard);
Clipboard* InstalledClipboard();

} // namespace platform

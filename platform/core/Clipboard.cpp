#include "platform/core/Clipboard.h"

namespace platform {
namespace {

Clipboard* g_clipboard = nullptr;

} // namespace

void InstallClipboard(Clipboard* clipboard)
{
    g_clipboard = clipboard;
}

Clipboard* InstalledClipboard()
{
    return g_clipboard;
}

} // namespace platform

#pragma once

// Qt key events made from virtual keys and Windows-1252 characters, for the default processing
// of keys and characters sent as messages, and for accelerators.
#include "platform/ui/window/WinTypes.h"

#include <QKeyEvent>
#include <optional>

namespace platform {

// The Qt key of a virtual key; 0 when it has none.
int QtKeyOfVirtualKey(UINT virtualKey);

// A key press or release without text, for the keys that type nothing (arrows, Delete, F-keys,
// ...): the others act through their character. Nothing for those and for unknown keys.
std::optional<QKeyEvent> KeyEventOfKey(bool release, UINT virtualKey);

// The key press that types a character: control codes as their keys (Backspace, Tab, Enter,
// Escape, Ctrl+letter), others as text.
std::optional<QKeyEvent> KeyEventOfChar(UINT charCode);

} // namespace platform

#pragma once

// The keyboard and mouse as of the latest input event the program saw, for GetKeyState.
#include "platform/ui/window/WinTypes.h"

#include <Qt>

namespace platform {

// Starts watching the input events of the whole program, once.
void EnsureInputTracking();
Qt::KeyboardModifiers CurrentModifiers();
bool IsKeyDown(UINT virtualKey);

} // namespace platform

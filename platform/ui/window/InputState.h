#pragma once

// The keyboard and mouse as of the latest input event the program saw, for GetKeyState.
#include "platform/ui/window/WinTypes.h"

#include <Qt>

class QEvent;
class QWidget;

namespace platform {

// Starts watching the input events of the whole program, once.
void EnsureInputTracking();
Qt::KeyboardModifiers CurrentModifiers();
bool IsKeyDown(UINT virtualKey);
// The widget a key event was first delivered to; its ancestors only see it when that widget
// left it to them (null when the event is unknown).
QWidget* FirstKeyReceiver(const QEvent* event);

} // namespace platform

#pragma once

// The keyboard modifiers as of the latest input event any window saw; GetKeyState reads it.
#include <Qt>

namespace platform {

Qt::KeyboardModifiers CurrentModifiers();
void NoteModifiers(Qt::KeyboardModifiers modifiers);

} // namespace platform

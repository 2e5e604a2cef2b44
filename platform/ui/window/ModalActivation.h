#pragma once

namespace platform {

// While a modal window is open, the windows it blocks do not keep the keyboard: when one becomes
// active anyway, the modal window is made active again, as Windows does for a disabled owner. On
// a bare X server the end of a menu's keyboard grab hands the focus back to the main window, and
// that can arrive after the dialog the menu opened has come up. Connected once; later calls do
// nothing.
void KeepTheKeyboardOnModalWindows();

} // namespace platform

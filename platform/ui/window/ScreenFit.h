#pragma once
// Top-level windows kept reachable: a window the program opens lies, frame and all, inside the
// available area of its screen (the desktop less its panels), shrunk to it when it is larger.
class QWidget;

namespace platform {

// Sizes and moves `window` into its screen's available area; nothing for a child widget, nor for
// a maximised, full-screen or minimised window.
void FitWindowToScreen(QWidget& window);

// From now on `window` is fitted each time it is shown, again once the window manager has framed
// it, and whenever it grows while shown; one that nobody placed is first centred on its owner.
void KeepOnScreen(QWidget& window);

// `window` is fitted now, and again once the window manager has framed it (its frame is not known
// before), also when that happens under a modal dialog. Its size after that is the user's: the
// main window's. Once a window.
void FitOnScreenWhenFramed(QWidget& window);

} // namespace platform

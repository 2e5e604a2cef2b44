#pragma once
// Top-level windows kept reachable: a window the program opens lies, frame and all, inside the
// available area of its screen (the desktop less its panels), shrunk to it when it is larger.
class QWidget;

namespace platform {

// Sizes and moves `window` into its screen's available area; nothing for a child widget.
void FitWindowToScreen(QWidget& window);

// From now on `window` is fitted each time it is shown, before it appears; one that nobody placed
// is first centred on its owner.
void KeepOnScreen(QWidget& window);

} // namespace platform

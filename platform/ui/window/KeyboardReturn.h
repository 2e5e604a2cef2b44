#pragma once

#include <QPointer>
#include <QWidget>

namespace platform {

// Gives the keyboard back once something has taken it for a while (a modal window, or a save
// that moves the focus so that a field being edited stores its value): the window that was
// active becomes so again, with the focus where it was, or, when that control is gone or hidden
// (an editor closed with its edit), on the nearest control around it that takes the focus. A
// window manager would activate the owner of a closed dialog; a bare X server leaves no window
// active and every key after it goes nowhere.
class KeyboardReturn {
public:
    KeyboardReturn();
    ~KeyboardReturn();
    KeyboardReturn(const KeyboardReturn&) = delete;
    KeyboardReturn& operator=(const KeyboardReturn&) = delete;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};

} // namespace platform

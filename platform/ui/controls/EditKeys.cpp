#include "platform/ui/controls/EditKeys.h"

#include <QKeyEvent>

namespace platform {
namespace {

bool IsMovingOrDeleting(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Insert: return true; // Shift+Insert pastes, Shift+Delete cuts
    default: return false;
    }
}

bool IsClipboardOrUndo(int key)
{
    switch (key) {
    case Qt::Key_C:
    case Qt::Key_V:
    case Qt::Key_X:
    case Qt::Key_Z:
    case Qt::Key_A:
    case Qt::Key_Insert: return true;
    default: return false;
    }
}

} // namespace

bool IsEditControlKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const int code = key.key();
    if (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)
        return (!key.text().isEmpty() && key.text().front().isPrint()) || IsMovingOrDeleting(code);
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return IsMovingOrDeleting(code) || (modifiers == Qt::ControlModifier && IsClipboardOrUndo(code));
    return modifiers == Qt::AltModifier && code == Qt::Key_Backspace; // undo
}

} // namespace platform

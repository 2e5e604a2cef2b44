#include "platform/ui/window/InputState.h"

#include <QGuiApplication>
#include <optional>

namespace {
std::optional<Qt::KeyboardModifiers> g_modifiers;
}

namespace platform {

Qt::KeyboardModifiers CurrentModifiers()
{
    return g_modifiers ? *g_modifiers : QGuiApplication::keyboardModifiers();
}

void NoteModifiers(Qt::KeyboardModifiers modifiers)
{
    g_modifiers = modifiers;
}

} // namespace platform

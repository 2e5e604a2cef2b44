#include "platform/ui/window/KeyEvents.h"

#include "platform/ui/window/InputState.h"
#include "platform/ui/window/VirtualKeys.h"
#include "platform/ui/window/WinText.h"

#include <map>
#include <string>

namespace platform {

int QtKeyOfVirtualKey(UINT virtualKey)
{
    // The reverse of the key translation, worked out once from it so the two cannot disagree.
    static const std::map<UINT, int> keys = [] {
        std::map<UINT, int> out;
        const auto note = [&out](int qtKey) {
            if (UINT vk = VirtualKeyFromQt(qtKey, false))
                out.emplace(vk, qtKey);
        };
        for (int key = 0x20; key < 0x7F; ++key)
            note(key);
        for (int key = Qt::Key_Escape; key <= Qt::Key_F35; ++key)
            note(key);
        return out;
    }();
    const auto found = keys.find(virtualKey);
    return found == keys.end() ? 0 : found->second;
}

namespace {

bool TypesACharacter(UINT vk)
{
    return vk == VK_BACK || vk == VK_TAB || vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_SPACE ||
           (vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z') ||
           (vk >= VK_NUMPAD0 && vk <= VK_DIVIDE) || (vk >= VK_OEM_1 && vk <= VK_OEM_7);
}

std::optional<QKeyEvent> Make(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                              const QString& text = {})
{
    // In place: Qt's events cannot be copied.
    return std::optional<QKeyEvent>(std::in_place, type, key, modifiers, text);
}

std::optional<QKeyEvent> Press(int key, const QString& text, Qt::KeyboardModifiers modifiers = {})
{
    return Make(QEvent::KeyPress, key, modifiers, text);
}

} // namespace

std::optional<QKeyEvent> KeyEventOfKey(bool release, UINT virtualKey)
{
    const int key = QtKeyOfVirtualKey(virtualKey);
    if (key == 0 || TypesACharacter(virtualKey))
        return std::nullopt;
    return Make(release ? QEvent::KeyRelease : QEvent::KeyPress, key, CurrentModifiers());
}

std::optional<QKeyEvent> KeyEventOfChar(UINT charCode)
{
    switch (charCode) {
    case 0x08: return Press(Qt::Key_Backspace, QStringLiteral("\b"));
    case 0x09: return Press(Qt::Key_Tab, QStringLiteral("\t"));
    case 0x0D: return Press(Qt::Key_Return, QStringLiteral("\r"));
    case 0x1B: return Press(Qt::Key_Escape, QStringLiteral("\x1b"));
    default: break;
    }
    if (charCode == 0 || charCode > 0xFF)
        return std::nullopt;
    // Ctrl+letter arrives as its control code (Ctrl+C copies in an edit).
    if (charCode < 0x20)
        return Press(Qt::Key_A + int(charCode) - 1, QString(QChar(char16_t(charCode))),
                     Qt::ControlModifier);
    const QString text = ToQString(std::string(1, char(charCode)));
    const char16_t unit = text.isEmpty() ? 0 : text.at(0).toUpper().unicode();
    // Printable ASCII has Qt key codes of its own; other characters go by their text.
    const int key = unit >= 0x20 && unit < 0x7F ? int(unit) : int(Qt::Key_unknown);
    return Press(key, text);
}

} // namespace platform

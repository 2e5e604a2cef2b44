#pragma once

// Virtual-key codes in the Windows numbering, and their translation from Qt keys, so key
// handlers see the codes the screens were written for.
#include "platform/ui/window/WinTypes.h"

constexpr UINT VK_LBUTTON = 0x01;
constexpr UINT VK_RBUTTON = 0x02;
constexpr UINT VK_CANCEL = 0x03;
constexpr UINT VK_MBUTTON = 0x04;
constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_CLEAR = 0x0C;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_PAUSE = 0x13;
constexpr UINT VK_CAPITAL = 0x14;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_SNAPSHOT = 0x2C;
constexpr UINT VK_INSERT = 0x2D;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_HELP = 0x2F;
// '0'..'9' and 'A'..'Z' are their ASCII codes.
constexpr UINT VK_LWIN = 0x5B;
constexpr UINT VK_APPS = 0x5D;
constexpr UINT VK_NUMPAD0 = 0x60; // .. VK_NUMPAD9 = 0x69
constexpr UINT VK_MULTIPLY = 0x6A;
constexpr UINT VK_ADD = 0x6B;
constexpr UINT VK_SEPARATOR = 0x6C;
constexpr UINT VK_SUBTRACT = 0x6D;
constexpr UINT VK_DECIMAL = 0x6E;
constexpr UINT VK_DIVIDE = 0x6F;
constexpr UINT VK_F1 = 0x70; // .. VK_F24 = 0x87
constexpr UINT VK_NUMLOCK = 0x90;
constexpr UINT VK_SCROLL = 0x91;
constexpr UINT VK_OEM_1 = 0xBA;     // ;:
constexpr UINT VK_OEM_PLUS = 0xBB;  // =+
constexpr UINT VK_OEM_COMMA = 0xBC; // ,<
constexpr UINT VK_OEM_MINUS = 0xBD; // -_
constexpr UINT VK_OEM_PERIOD = 0xBE; // .>
constexpr UINT VK_OEM_2 = 0xBF;     // /?
constexpr UINT VK_OEM_3 = 0xC0;     // `~
constexpr UINT VK_OEM_4 = 0xDB;     // [{
constexpr UINT VK_OEM_5 = 0xDC;     // \|
constexpr UINT VK_OEM_6 = 0xDD;     // ]}
constexpr UINT VK_OEM_7 = 0xDE;     // '"

namespace platform {

// The virtual key of a Qt key (Qt::Key) with its keypad flag; 0 when the key has none.
UINT VirtualKeyFromQt(int qtKey, bool keypad);

// The character code a key press delivers to OnChar: the Windows-1252 byte of the typed text,
// or the control code of Backspace, Tab, Enter, Escape and Ctrl+letter; -1 when there is none.
int CharCodeFromKey(int qtKey, bool control, const char* utf8Text);

} // namespace platform

// Negative (high bit set) while the key or mouse button is down, as of the latest input event
// the program saw (the one being handled).
short GetKeyState(int virtualKey);
// Where the pointer was at the latest mouse event the program saw, in screen coordinates.
struct POINT;
bool GetCursorPos(POINT* point);
short GetAsyncKeyState(int virtualKey);

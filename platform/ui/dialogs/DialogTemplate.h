#pragma once

// Dialog and form templates: tables of controls, each with its class, text, id, style and
// rectangle in dialog units, in tab order, as a resource script describes them. The units are
// converted with the template font's average character size, as the platform does, so the
// screens' own layout code (moving controls, growing dialogs by pixels) runs on real places.
#include "platform/ui/window/ResourceRegistry.h"
#include "platform/ui/window/Geometry.h"
#include "platform/ui/window/WindowStyles.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CFont;
class CWnd;

enum class ControlClass { Static, Button, Edit, ComboBox, ListBox, ScrollBar, Window };

struct DialogItemTemplate {
    ControlClass kind;
    const char* text; // Windows-1252; "&" marks a mnemonic
    UINT id;
    DWORD style; // WS_* bits and the class's own; WS_CHILD is always added
    int x, y, cx, cy; // dialog units
    DWORD exStyle = 0;
};

struct DialogTemplate {
    UINT id;
    const char* caption; // Windows-1252; null keeps the dialog's own
    int cx, cy;          // client size in dialog units
    const char* fontFace;
    int pointSize;
    const DialogItemTemplate* items;
    std::size_t count;
};

// A font that replaces the template's (form views made with the form's own font), and the
// pixels per inch it is made for (0: the screen's).
struct DialogFont {
    std::string face;
    int pointSize = 8;
    int dpi = 0;
};

// The average character size of a font that dialog units are counted in.
struct DialogBaseUnits {
    int cx = 0;
    int cy = 0;
};

namespace platform {

using ControlList = std::vector<std::unique_ptr<CWnd>>;

inline const DialogTemplate* FindDialogTemplate(UINT id)
{
    return ResourceRegistry<DialogTemplate>::Find(id);
}

// Makes the template's font into font; with an override, that font instead.
bool CreateDialogFont(const DialogTemplate& dialogTemplate, const std::optional<DialogFont>& font,
                      CFont& made);
DialogBaseUnits BaseUnitsOf(const CFont& font);
int DialogUnitsToPixelsX(int units, const DialogBaseUnits& base);
int DialogUnitsToPixelsY(int units, const DialogBaseUnits& base);

struct BuiltDialog {
    ControlList controls; // in table order
    CSize size;           // the template's client size in pixels
};

// Makes the template's controls as child windows of owner (found by id, notifying it), with
// font, placed in pixels, in the tab order of the table, each label's mnemonic leading to the
// control after it. No controls when one could not be made (none is left behind then).
BuiltDialog BuildDialogTemplate(CWnd& owner, const DialogTemplate& dialogTemplate, CFont& font);

} // namespace platform

// Table rows in the words of a resource script.
namespace dlg {

constexpr DialogItemTemplate Item(ControlClass kind, const char* text, UINT id, DWORD style, int x,
                                  int y, int cx, int cy, DWORD exStyle = 0)
{
    return {kind, text, id, style | WS_VISIBLE, x, y, cx, cy, exStyle};
}
// Labels: left-aligned, right-aligned (SS_RIGHT) or centred (SS_CENTER) in style.
constexpr DialogItemTemplate LText(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style = 0)
{
    return Item(ControlClass::Static, text, id, WS_GROUP | style, x, y, cx, cy);
}
constexpr DialogItemTemplate RText(const char* text, UINT id, int x, int y, int cx, int cy)
{
    return LText(text, id, x, y, cx, cy, 0x0002);
}
constexpr DialogItemTemplate CText(const char* text, UINT id, int x, int y, int cx, int cy)
{
    return LText(text, id, x, y, cx, cy, 0x0001);
}
constexpr DialogItemTemplate EditText(UINT id, int x, int y, int cx, int cy, DWORD style = 0x0080)
{
    return Item(ControlClass::Edit, "", id, WS_BORDER | WS_TABSTOP | style, x, y, cx, cy);
}
constexpr DialogItemTemplate PushButton(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style = 0)
{
    return Item(ControlClass::Button, text, id, 0x0 | WS_TABSTOP | style, x, y, cx, cy);
}
constexpr DialogItemTemplate DefPushButton(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style = 0)
{
    return Item(ControlClass::Button, text, id, 0x1 | WS_TABSTOP | style, x, y, cx, cy);
}
constexpr DialogItemTemplate AutoCheckBox(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style = 0)
{
    return Item(ControlClass::Button, text, id, 0x3 | WS_TABSTOP | style, x, y, cx, cy);
}
// The first button of a group carries WS_GROUP.
constexpr DialogItemTemplate AutoRadioButton(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style = 0)
{
    return Item(ControlClass::Button, text, id, 0x9 | style, x, y, cx, cy);
}
constexpr DialogItemTemplate GroupBox(const char* text, UINT id, int x, int y, int cx, int cy, DWORD style = 0)
{
    return Item(ControlClass::Button, text, id, 0x7 | style, x, y, cx, cy);
}
// cy is the height with the list dropped, as in a resource script.
constexpr DialogItemTemplate ComboBox(UINT id, int x, int y, int cx, int cy, DWORD style)
{
    return Item(ControlClass::ComboBox, "", id, WS_TABSTOP | style, x, y, cx, cy);
}
constexpr DialogItemTemplate ListBox(UINT id, int x, int y, int cx, int cy, DWORD style = 0x0001)
{
    return Item(ControlClass::ListBox, "", id, WS_BORDER | WS_VSCROLL | WS_TABSTOP | style, x, y, cx, cy);
}
// A plain window: the place another window takes over (a grid).
constexpr DialogItemTemplate Placeholder(UINT id, int x, int y, int cx, int cy, DWORD style = 0)
{
    return Item(ControlClass::Window, "", id, style, x, y, cx, cy);
}
constexpr DialogItemTemplate Hidden(DialogItemTemplate item)
{
    item.style &= ~WS_VISIBLE;
    return item;
}

} // namespace dlg

#pragma once

// Dialog and form layouts as compact tables: each control with its id, kind, text ("&" marks
// the mnemonic), grid cell and extra style bits. The builder makes the controls as windows of
// the dialog or form (found by id, notifying it), in a grid that grows with the window, with
// the tab order of the table and each label's mnemonic leading to the control after it.
#include "platform/ui/window/ResourceRegistry.h"

#include <cstddef>
#include <memory>
#include <vector>

class CWnd;
class QWidget;

enum class DialogControlKind {
    Label,
    Edit,
    MultiLineEdit,
    PushButton,
    DefaultButton,
    CheckBox,
    RadioButton, // a group starts at an entry with WS_GROUP
    GroupBox,    // listed before the controls it frames, spanning their cells
    DropList,
    DropDown,
    ListBox,
};

struct DialogControlEntry {
    UINT id;
    DialogControlKind kind;
    const char* text; // Windows-1252
    int row;
    int column;
    int rowSpan = 1;
    int columnSpan = 1;
    DWORD style = 0; // added to the kind's own (WS_GROUP, WS_DISABLED, ES_READONLY, ...)
};

struct DialogLayout {
    UINT id;
    const char* title; // Windows-1252; null keeps the dialog's own
    const DialogControlEntry* controls;
    std::size_t count;
};

namespace platform {

using ControlList = std::vector<std::unique_ptr<CWnd>>;

inline const DialogLayout* FindDialogLayout(UINT id)
{
    return ResourceRegistry<DialogLayout>::Find(id);
}

// Makes the layout's controls as child windows of owner, arranged on host (owner's widget or a
// widget inside it), and returns them in table order for the caller to keep. Empty when a
// control could not be made; none is left behind then.
ControlList BuildDialogLayout(CWnd& owner, QWidget& host, const DialogLayout& layout);

} // namespace platform

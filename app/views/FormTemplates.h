#pragma once

// The dialog templates of the proposal's form views, registered on first use.
#include "platform/ui/dialogs/DialogTemplate.h"

// Registers the template (once; it lives as long as the program) and gives its id.
UINT RegisterFormTemplate(const DialogTemplate& form);

// The face and size the forms are drawn with.
inline constexpr const char* kFormFace = "MS Sans Serif";
inline constexpr int kFormPointSize = 8;

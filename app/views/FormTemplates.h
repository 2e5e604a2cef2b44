#pragma once

// The dialog templates of the proposal's form views, registered on first use.
#include "platform/ui/dialogs/DialogTemplate.h"

// Registers the template (once; it lives as long as the program) and gives its id.
UINT RegisterFormTemplate(const DialogTemplate& form);

// Lays the form's controls out for the size the view has now: a view made in place of another
// may see no change of size after its layout was taken.
void LayOutToClient(CWnd& view);

// The face and size the forms are drawn with.
inline constexpr const char* kFormFace = "MS Sans Serif";
inline constexpr int kFormPointSize = 8;

#pragma once

// What follows a value the bidder typed into a form or a grid once it is stored.
#include "platform/ui/window/WinTypes.h"

class CProp;
class CView;

// The view's document is changed.
void MarkDocumentChanged(CView& view);
// The bid total in the status bar, its pane as wide as it was.
void ShowBidTotal(const CProp& prop);
// The tree repainted now, so that its marks follow the check just run.
void RepaintTreeNow();

// Commands that work on the text being typed (copy, cut, paste, undo) rather than after it.
bool ActsOnTypedText(UINT commandId);

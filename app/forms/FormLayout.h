#pragma once

// Small layout functions of the form views: the measures of a font in a window, and moving,
// sizing and placing controls, all in the window's client coordinates.
#include "platform/ui/window/Geometry.h"

#include <string>

class CFont;
class CWnd;

// The margin the form views keep from their edges: two window frames.
int FormMargin();

// The font's character height, and its width as the forms count it: (widest + 2 x average) / 3.
void GetCharSize(CWnd* window, CFont* font, int& width, int& height);
// The text's size in the window's own font.
CSize GetTextExtentInWindow(CWnd* window, const std::string& text);

// Where the control is in the window; empty without one.
CRect ControlRect(CWnd* window, const CWnd* control);
void MoveResizeControl(CWnd* window, CWnd* control, int dx, int dy, int dw, int dh);
void MoveControl(CWnd* window, CWnd* control, int dx, int dy);
void ResizeControl(CWnd* window, CWnd* control, int dw, int dh);

// Control A goes to the bottom of the client area (a margin above it, but not above minTop), at
// the left margin, or right-aligned to the larger of minRight and the client width less the
// margin; control B stands a margin beside it, to its right or (right-aligned) to its left.
void LayoutFormButtons(CWnd* window, UINT idA, UINT idB, int minRight, int minTop, bool rightAligned);

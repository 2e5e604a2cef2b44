#pragma once

// The standard cursors, by their Windows ids.
#include "platform/ui/window/Geometry.h"

struct CursorHandle;
using HCURSOR = const CursorHandle*;

constexpr int IDC_ARROW = 32512;
constexpr int IDC_IBEAM = 32513;
constexpr int IDC_WAIT = 32514;
constexpr int IDC_CROSS = 32515;
constexpr int IDC_UPARROW = 32516;
constexpr int IDC_SIZENWSE = 32642;
constexpr int IDC_SIZENESW = 32643;
constexpr int IDC_SIZEWE = 32644;
constexpr int IDC_SIZENS = 32645;
constexpr int IDC_SIZEALL = 32646;
constexpr int IDC_NO = 32648;
constexpr int IDC_HAND = 32649;

// Null for an unknown id.
HCURSOR LoadStandardCursor(int id);
// Sets the cursor of the window handling the current mouse event (else the capture window,
// else the window under the mouse); returns the one it had.
HCURSOR SetCursor(HCURSOR cursor);
// The id a cursor was loaded with; 0 for null.
int CursorId(HCURSOR cursor);

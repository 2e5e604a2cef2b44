#pragma once

#include "platform/ui/window/Geometry.h"

class CWnd;

// The part of the desktop that windows may cover (without panels and docks), in screen pixels.
CRect GetDesktopWorkArea();

// Where the main window goes when none is stored: over 640 pixels wide, a twentieth in from the
// top left, nine tenths wide and eight tenths high; on a smaller desktop all of it.
CRect DefaultWindowRect(const CRect& workArea);

// A stored rectangle that would put the window out of reach (a screen that is gone, no size)
// gives way to the default one.
CRect ReachableWindowRect(const CRect& stored, const CRect& workArea);

// The window's restored (not maximised) rectangle and whether it is maximised.
struct CWindowPlacement {
    CRect m_rcNormalPosition;
    bool m_bMaximized = false;
};
CWindowPlacement GetWindowPlacement(const CWnd& window);

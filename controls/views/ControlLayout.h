#pragma once

// Moves and stretches a view's controls as the view is resized. A control's rule comes from
// the application (SetRule) or from the marker controls of the form that it overlaps: over the
// first it moves with the right edge, the second stretches it to the right, the third moves it
// with the bottom, the fourth stretches it down, the fifth keeps it centred.
#include "platform/ui/window/Geometry.h"

#include <array>
#include <map>

class CWnd;

// Layout flags.
enum : int {
    LAYOUT_MOVE_RIGHT = 0x1,
    LAYOUT_STRETCH_RIGHT = 0x2,
    LAYOUT_MOVE_DOWN = 0x4,
    LAYOUT_STRETCH_DOWN = 0x8,
    LAYOUT_CENTRED = 0x10,
};

// Where a control was when the records were built. Centred controls keep their distance from
// the form's centre; the others from the form's right and bottom extent.
struct CCtlInfo {
    int m_iFlags = 0;
    int m_iHorzDistance = 0;
    int m_iRight = 0;
    int m_iVertDistance = 0;
    int m_iBottom = 0;
};

class CControlLayout {
public:
    static constexpr int kMarkerCount = 5;
    static constexpr int kFirstMarker = 4000;

    void SetRule(int controlId, int flags) { m_rules[controlId] = flags; }
    // Takes the owner, the mode (0: no layout) and the marker ids (-1: 4000 to 4004 in turn),
    // and records where every child is. 0 without an owner.
    int Build(CWnd* owner, int mode, const std::array<int, kMarkerCount>& markers);
    // Places every recorded child for the owner's new client size.
    void Relayout(int width, int height);

    bool IsBuilt() const { return m_bBuilt != 0; }
    const CCtlInfo* Find(const CWnd* control) const;

private:
    CRect ChildRect(const CWnd& child) const; // in the owner's client coordinates
    bool IsMarker(const CWnd& child) const;
    int FlagsOf(const CWnd& child, const std::array<CRect, kMarkerCount>& markerRects) const;
    CRect Placed(const CCtlInfo& info, CRect rect, int width, int height) const;

    CWnd* m_pOwner = nullptr;
    int m_iMode = 1;
    std::map<const CWnd*, CCtlInfo> m_controls;
    std::map<int, int> m_rules;
    int m_bBuilt = 0;
    std::array<int, kMarkerCount> m_markers{4000, 4001, 4002, 4003, 4004};
};

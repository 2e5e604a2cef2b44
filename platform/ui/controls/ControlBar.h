#pragma once

// Bars along a frame's edges (toolbar, status bar). Their elements carry command or indicator
// ids, whose state the frame's update pass sets through the bar.
#include "platform/ui/window/Wnd.h"

// An element without an id: a toolbar separator, the status bar's message pane.
constexpr UINT ID_SEPARATOR = 0;

constexpr DWORD CBRS_TOOLTIPS = 0x0010;
constexpr DWORD CBRS_FLYBY = 0x0020;
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0040;
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
constexpr DWORD CBRS_GRIPPER = 0x00400000;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP;
constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM;

class CControlBar : public CWnd {
public:
    // Runs the update handlers of the bar's elements, asking target (a frame routes on to its
    // view, document and application).
    virtual void OnUpdateCmdUI(CCmdTarget* target, bool disableIfNoHandler) = 0;

    // Where the bar's commands go: the owner when one is set, else the parent.
    void SetOwner(CWnd* owner) { m_owner = owner; }
    CWnd* GetOwner() const { return m_owner ? m_owner : GetParent(); }
    DWORD GetBarStyle() const { return GetStyle(); }

private:
    CWnd* m_owner = nullptr;
};

#include "controls/views/ControlLayout.h"

#include "platform/ui/window/Wnd.h"

#include <algorithm>

namespace {

constexpr int kMarkerFlags[CControlLayout::kMarkerCount] = {
    LAYOUT_MOVE_RIGHT, LAYOUT_STRETCH_RIGHT, LAYOUT_MOVE_DOWN, LAYOUT_STRETCH_DOWN, LAYOUT_CENTRED,
};

bool Overlaps(const CRect& a, const CRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

CRect Union(const CRect& a, const CRect& b)
{
    if (a.IsRectEmpty())
        return b;
    if (b.IsRectEmpty())
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

} // namespace

CRect CControlLayout::ChildRect(const CWnd& child) const
{
    CRect rect;
    child.GetWindowRect(&rect);
    m_pOwner->ScreenToClient(&rect);
    return rect;
}

bool CControlLayout::IsMarker(const CWnd& child) const
{
    return std::find(m_markers.begin(), m_markers.end(), int(child.GetDlgCtrlID())) != m_markers.end();
}

int CControlLayout::FlagsOf(const CWnd& child, const std::array<CRect, kMarkerCount>& markerRects) const
{
    if (const auto rule = m_rules.find(int(child.GetDlgCtrlID())); rule != m_rules.end())
        return rule->second;
    const CRect rect = ChildRect(child);
    int flags = 0;
    for (int i = 0; i < kMarkerCount; ++i)
        if (Overlaps(rect, markerRects[size_t(i)]))
            flags |= kMarkerFlags[i];
    return flags;
}

int CControlLayout::Build(CWnd* owner, int mode, const std::array<int, kMarkerCount>& markers)
{
    m_pOwner = owner;
    m_iMode = mode;
    for (int i = 0; i < kMarkerCount; ++i)
        m_markers[size_t(i)] = markers[size_t(i)] == -1 ? kFirstMarker + i : markers[size_t(i)];
    if (!m_pOwner)
        return 0;
    if (m_iMode == 0) {
        m_bBuilt = 1;
        return 1;
    }
    std::array<CRect, kMarkerCount> markerRects;
    for (int i = 0; i < kMarkerCount; ++i)
        if (const CWnd* marker = m_pOwner->GetDlgItem(UINT(m_markers[size_t(i)])))
            markerRects[size_t(i)] = ChildRect(*marker);
    const std::vector<CWnd*> children = m_pOwner->GetChildWindows();
    CRect all;
    for (const CWnd* child : children)
        all = Union(all, ChildRect(*child));
    // The same margin on the far sides as on the near ones.
    const CSize extent(all.right + all.left, all.bottom + all.top);
    for (const CWnd* child : children) {
        if (m_controls.count(child) || IsMarker(*child))
            continue;
        const int flags = FlagsOf(*child, markerRects);
        if (flags == 0)
            continue;
        const CRect rect = ChildRect(*child);
        CCtlInfo info{flags, extent.cx - rect.right, rect.right, extent.cy - rect.bottom, rect.bottom};
        if (flags & LAYOUT_CENTRED) {
            info.m_iHorzDistance = rect.left - (extent.cx + all.left) / 2;
            info.m_iVertDistance = rect.top - (extent.cy + all.top) / 2;
        }
        m_controls[child] = info;
    }
    m_bBuilt = 1;
    return 1;
}

CRect CControlLayout::Placed(const CCtlInfo& info, CRect rect, int width, int height) const
{
    if (info.m_iFlags & LAYOUT_CENTRED) {
        rect.OffsetRect(width / 2 + info.m_iHorzDistance - rect.left,
                        height / 2 + info.m_iVertDistance - rect.top);
        return rect;
    }
    const int right = std::max(width - info.m_iHorzDistance, info.m_iRight);
    if (info.m_iFlags & LAYOUT_STRETCH_RIGHT)
        rect.right = right;
    if (info.m_iFlags & LAYOUT_MOVE_RIGHT)
        rect.OffsetRect(right - rect.right, 0);
    const int bottom = std::max(height - info.m_iVertDistance, info.m_iBottom);
    if (info.m_iFlags & LAYOUT_STRETCH_DOWN)
        rect.bottom = bottom;
    if (info.m_iFlags & LAYOUT_MOVE_DOWN)
        rect.OffsetRect(0, bottom - rect.bottom);
    return rect;
}

void CControlLayout::Relayout(int width, int height)
{
    if (!m_pOwner || m_iMode == 0 || !m_bBuilt)
        return;
    for (CWnd* child : m_pOwner->GetChildWindows()) {
        const auto found = m_controls.find(child);
        if (found == m_controls.end())
            continue;
        const CRect rect = ChildRect(*child);
        m_pOwner->InvalidateRect(&rect);
        const CRect placed = Placed(found->second, rect, width, height);
        child->MoveWindow(placed.left, placed.top, placed.Width(), placed.Height(), true);
    }
}

const CCtlInfo* CControlLayout::Find(const CWnd* control) const
{
    const auto found = m_controls.find(control);
    return found == m_controls.end() ? nullptr : &found->second;
}

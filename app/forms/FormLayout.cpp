#include "app/forms/FormLayout.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "platform/ui/window/Wnd.h"

#include <algorithm>

int FormMargin()
{
    return 2 * GetSystemMetrics(SM_CXFRAME);
}

void GetCharSize(CWnd* window, CFont* font, int& width, int& height)
{
    CClientDC dc(window);
    CFont* old = dc.SelectObject(font);
    TEXTMETRIC metrics{};
    dc.GetTextMetrics(&metrics);
    height = metrics.tmHeight;
    width = (metrics.tmMaxCharWidth + 2 * metrics.tmAveCharWidth) / 3;
    dc.SelectObject(old);
}

CSize GetTextExtentInWindow(CWnd* window, const std::string& text)
{
    CClientDC dc(window);
    CFont* old = dc.SelectObject(window->GetFont());
    const CSize size = dc.GetTextExtent(text);
    dc.SelectObject(old);
    return size;
}

CRect ControlRect(CWnd* window, const CWnd* control)
{
    CRect rect;
    if (!window || !control)
        return rect;
    control->GetWindowRect(&rect);
    window->ScreenToClient(&rect);
    return rect;
}

void MoveResizeControl(CWnd* window, CWnd* control, int dx, int dy, int dw, int dh)
{
    if (!window || !control)
        return;
    const CRect rect = ControlRect(window, control);
    control->MoveWindow(rect.left + dx, rect.top + dy, std::max(0, rect.Width() + dw), std::max(0, rect.Height() + dh));
}

void MoveControl(CWnd* window, CWnd* control, int dx, int dy)
{
    MoveResizeControl(window, control, dx, dy, 0, 0);
}

void ResizeControl(CWnd* window, CWnd* control, int dw, int dh)
{
    MoveResizeControl(window, control, 0, 0, dw, dh);
}

void LayoutFormButtons(CWnd* window, UINT idA, UINT idB, int minRight, int minTop, bool rightAligned)
{
    CWnd* a = window ? window->GetDlgItem(idA) : nullptr;
    CWnd* b = window ? window->GetDlgItem(idB) : nullptr;
    if (!a)
        return;
    const int margin = FormMargin();
    CRect client;
    window->GetClientRect(&client);
    const CRect rectA = ControlRect(window, a);
    const int top = std::max(minTop, int(client.bottom) - margin - rectA.Height());
    const int leftA = rightAligned ? std::max(minRight, int(client.right) - margin) - rectA.Width() : margin;
    a->MoveWindow(leftA, top, rectA.Width(), rectA.Height());
    if (!b)
        return;
    const CRect rectB = ControlRect(window, b);
    const int leftB = rightAligned ? leftA - margin - rectB.Width() : leftA + rectA.Width() + margin;
    b->MoveWindow(leftB, top, rectB.Width(), rectB.Height());
}

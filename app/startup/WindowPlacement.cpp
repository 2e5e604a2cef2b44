#include "app/startup/WindowPlacement.h"

#include "platform/ui/window/Wnd.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// So much of the window must lie on the desktop for the user to grab it.
constexpr int kReachablePixels = 32;

} // namespace

CRect GetDesktopWorkArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const QRect area = screen->availableGeometry();
    return {area.x(), area.y(), area.x() + area.width(), area.y() + area.height()};
}

CRect DefaultWindowRect(const CRect& workArea)
{
    const int right = workArea.right;
    const int bottom = workArea.bottom;
    if (right <= 640)
        return {0, 0, right, bottom};
    const int left = right / 20;
    const int top = bottom / 20;
    return {left, top, left + right * 9 / 10, top + bottom * 8 / 10};
}

CRect ReachableWindowRect(const CRect& stored, const CRect& workArea)
{
    const int overlapWidth =
        std::min(stored.right, workArea.right) - std::max(stored.left, workArea.left);
    const int overlapHeight =
        std::min(stored.bottom, workArea.bottom) - std::max(stored.top, workArea.top);
    if (stored.IsRectEmpty() || overlapWidth < kReachablePixels || overlapHeight < kReachablePixels)
        return DefaultWindowRect(workArea);
    return stored;
}

CWindowPlacement GetWindowPlacement(const CWnd& window)
{
    const QWidget* widget = window.GetWidget();
    if (widget == nullptr)
        return {};
    const QRect normal =
        widget->normalGeometry().isValid() ? widget->normalGeometry() : widget->geometry();
    return {{normal.x(), normal.y(), normal.x() + normal.width(), normal.y() + normal.height()},
            widget->isMaximized()};
}

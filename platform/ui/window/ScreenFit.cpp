#include "platform/ui/window/ScreenFit.h"

#include <QApplication>
#include <QEvent>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

QMargins FrameOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// The window manager frames a window only once it is shown: until then its frame is taken to be
// as wide as that of another window of the program already on the screen.
QMargins ExpectedFrame(const QWidget& window)
{
    if (const QMargins own = FrameOf(window); !own.isNull())
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && other->isVisible() && !other->isMinimized())
            if (const QMargins frame = FrameOf(*other); !frame.isNull())
                return frame;
    return {};
}

// Where a span of `length` that starts at `start` goes to lie inside the area's span, moved as
// little as may be; at the area's start when it is longer.
int Within(int start, int length, int areaStart, int areaLength)
{
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

// Lives as a child of the window it watches.
class ShowWatcher : public QObject {
public:
    explicit ShowWatcher(QWidget& window) : QObject(&window) { window.installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched == parent())
            platform::FitWindowToScreen(*static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

namespace platform {

void FitWindowToScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!window.isWindow() || !screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = ExpectedFrame(window);
    const QSize room(area.width() - frame.left() - frame.right(), area.height() - frame.top() - frame.bottom());
    if (const QSize fitted = window.size().boundedTo(room); fitted != window.size() && !fitted.isEmpty())
        window.resize(fitted);
    const QSize outer = window.size().grownBy(frame);
    // Where the frame goes: a window not framed yet is placed by its frame's corner.
    const QPoint corner = window.frameGeometry().topLeft();
    const QPoint placed(Within(corner.x(), outer.width(), area.x(), area.width()),
                        Within(corner.y(), outer.height(), area.y(), area.height()));
    if (placed != corner)
        window.move(placed);
}

void KeepOnScreen(QWidget& window)
{
    new ShowWatcher(window);
}

} // namespace platform

#include "platform/ui/window/ScreenFit.h"

#include <QApplication>
#include <QEvent>
#include <QMargins>
#include <QResizeEvent>
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

// A window nobody placed opens centred on its owner, as a dialog would centre itself (later, when
// it shows: too late to be fitted). Left to the window manager, it may go where it does not fit.
void PlaceOverOwner(QWidget& window)
{
    if (window.testAttribute(Qt::WA_Moved))
        return;
    const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect over = owner ? owner->frameGeometry() : screen ? screen->availableGeometry() : QRect();
    if (!over.isEmpty())
        window.move(over.center() - QPoint(window.width() / 2, window.height() / 2));
}

bool Grew(const QResizeEvent& resize)
{
    const QSize old = resize.oldSize();
    return old.isValid() && (resize.size().width() > old.width() || resize.size().height() > old.height());
}

// Lives as a child of the window it watches. The frame a window is fitted with is the one
// expected of it; once the window manager has framed it otherwise, it is fitted again.
class FitWatcher : public QObject {
public:
    // Everything: shown, grown and framed; FrameOnly: framed otherwise than it was fitted for.
    enum class Watch { Everything, FrameOnly };

    FitWatcher(QWidget& window, Watch watch) : QObject(&window), m_watch(watch) { window.installEventFilter(this); }

    void Fit(QWidget& window)
    {
        m_assumedFrame = ExpectedFrame(window);
        platform::FitWindowToScreen(window);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != parent())
            return false;
        auto& window = *static_cast<QWidget*>(watched);
        const bool always = m_watch == Watch::Everything;
        switch (event->type()) {
        case QEvent::Show:
            if (always) {
                PlaceOverOwner(window);
                Fit(window);
            }
            break;
        case QEvent::Resize:
            if (always && window.isVisible() && Grew(static_cast<QResizeEvent&>(*event)))
                Fit(window);
            else
                FitIfFramedOtherwise(window);
            break;
        case QEvent::Move:
        case QEvent::Paint:
        case QEvent::WindowActivate: FitIfFramedOtherwise(window); break;
        default: break;
        }
        return false;
    }

private:
    void FitIfFramedOtherwise(QWidget& window)
    {
        if (window.isVisible() && FrameOf(window) != m_assumedFrame)
            Fit(window);
    }

    Watch m_watch;
    QMargins m_assumedFrame;
};

} // namespace

namespace platform {

void FitWindowToScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!window.isWindow() || !screen || window.isMaximized() || window.isFullScreen() || window.isMinimized())
        return;
    // Placed by its inside: a window the manager frames keeps the inside where it is asked to be.
    const QRect room = screen->availableGeometry().marginsRemoved(ExpectedFrame(window));
    QRect inside = window.geometry();
    if (const QSize fitted = inside.size().boundedTo(room.size()); !fitted.isEmpty())
        inside.setSize(fitted);
    inside.moveTo(Within(inside.x(), inside.width(), room.x(), room.width()),
                  Within(inside.y(), inside.height(), room.y(), room.height()));
    if (inside != window.geometry())
        window.setGeometry(inside);
}

void KeepOnScreen(QWidget& window)
{
    new FitWatcher(window, FitWatcher::Watch::Everything);
}

void FitOnScreenWhenFramed(QWidget& window)
{
    (new FitWatcher(window, FitWatcher::Watch::FrameOnly))->Fit(window);
}

} // namespace platform

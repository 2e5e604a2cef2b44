#include "app/startup/Splash.h"

#include "app/startup/SplashPicture.h"
#include "app/startup/WindowPlacement.h"
#include "model/text/NumberFormat.h"
#include "platform/ui/draw/DC.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <functional>

namespace {

// Calls back when a modal window comes up: a question the splash, kept on top, would hide.
class ModalWindowWatch : public QObject {
public:
    explicit ModalWindowWatch(std::function<void()> shown) : m_shown(std::move(shown))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show && object->isWidgetType()) {
            const auto* window = static_cast<QWidget*>(object);
            if (window->isWindow() && window->isModal())
                m_shown();
        }
        return false;
    }

private:
    std::function<void()> m_shown;
};

} // namespace

CSplash::CSplash() : CDialog(IDD) {}

CSplash::~CSplash() = default;

bool CSplash::Create()
{
    if (!CreateModeless())
        return false;
    UpdateWindow();
    return true;
}

bool CSplash::OnInitDialog()
{
    CreateSplashBitmap(m_picture, FormatVersionString(-1));
    QWidget* window = GetWidget();
    // Above the main window, which a window manager would otherwise raise over it once shown.
    window->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    const CSize size = m_picture.GetSize();
    const CPoint centre = GetDesktopWorkArea().CenterPoint();
    MoveWindow(centre.x - size.cx / 2, centre.y - size.cy / 2, size.cx, size.cy);
    m_questionWatch = std::make_unique<ModalWindowWatch>([this] { CloseSoon(); });
    if (SetTimer(kCloseTimer, kShowMilliseconds) == 0)
        CloseSoon();
    return true;
}

void CSplash::OnPaint()
{
    CPaintDC dc(this);
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap* old = memory.SelectObject(&m_picture);
    const CSize size = m_picture.GetSize();
    dc.BitBlt(0, 0, size.cx, size.cy, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void CSplash::OnTimer(UINT_PTR id)
{
    if (id == kCloseTimer)
        CloseSoon();
}

void CSplash::OnLButtonDown(UINT, CPoint)
{
    CloseSoon();
}

void CSplash::CloseSoon()
{
    KillTimer(kCloseTimer);
    PostMessage(WM_CLOSE);
}

void CSplash::OnClose()
{
    m_questionWatch.reset();
    DestroyModalWindow();
}

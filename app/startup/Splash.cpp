#include "app/startup/Splash.h"

#include "app/startup/SplashPicture.h"
#include "app/startup/WindowPlacement.h"
#include "model/text/NumberFormat.h"
#include "platform/ui/draw/DC.h"

CSplash::CSplash() : CDialog(IDD) {}

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
    DestroyModalWindow();
}

// The window registry, focus, capture and cursors.
#include "platform/ui/window/Wnd.h"

#include "platform/ui/window/WndBridge.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <unordered_map>

namespace {

std::unordered_map<const QWidget*, CWnd*>& Registry()
{
    static std::unordered_map<const QWidget*, CWnd*> windows;
    return windows;
}

CWnd* g_capture = nullptr;
CWnd* g_mouseWindow = nullptr;
// The window last told it has the focus: only it is told when it loses it.
QPointer<QWidget> g_toldFocus;

// The menu bar worked by keys takes Qt's focus while its menus are open; to the windows the
// focus stays where it was, as on Windows, so that an edit stays open under a menu and gets
// the keyboard back when the menu closes.
bool IsMenu(const QWidget* widget)
{
    return qobject_cast<const QMenuBar*>(widget) || qobject_cast<const QMenu*>(widget);
}

QWidget* WindowsFocus(QWidget* widget)
{
    return IsMenu(widget) ? g_toldFocus.data() : widget;
}

void FocusMoved(QWidget* oldWidget, QWidget* newWidget)
{
    if (IsMenu(newWidget))
        return;
    oldWidget = WindowsFocus(oldWidget);
    CWnd* losing = CWnd::FromWidget(oldWidget);
    CWnd* gaining = CWnd::FromWidget(newWidget);
    if (losing == gaining)
        return;
    QPointer<QWidget> gainingWidget = gaining ? gaining->GetWidget() : nullptr;
    if (losing && (!g_toldFocus || g_toldFocus == losing->GetWidget()))
        losing->OnKillFocus(gaining);
    // The losing window's handler may have destroyed the gaining one, or sent the focus on
    // elsewhere: then the focus never stayed here and the window is not told it has it.
    if (gaining && gainingWidget && platform::WindowOfWidget(gainingWidget) == gaining &&
        CWnd::FromWidget(QApplication::focusWidget()) == gaining) {
        g_toldFocus = gainingWidget;
        gaining->OnSetFocus(CWnd::FromWidget(oldWidget));
    }
}

} // namespace

namespace platform {

CWnd* WindowOfWidget(const QWidget* widget)
{
    auto found = Registry().find(widget);
    return found == Registry().end() ? nullptr : found->second;
}

void RegisterWidget(QWidget* widget, CWnd* wnd)
{
    Registry()[widget] = wnd;
}

void UnregisterWidget(QWidget* widget)
{
    Registry().erase(widget);
}

CWnd* MouseEventWindow()
{
    return g_mouseWindow;
}

void SetMouseEventWindow(CWnd* wnd)
{
    g_mouseWindow = wnd;
}

void EnsureFocusTracking()
{
    static bool connected = false;
    if (connected || !qApp)
        return;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, &FocusMoved);
    connected = true;
}

void ForgetCapture(CWnd* wnd)
{
    if (g_capture == wnd)
        ReleaseCapture();
    if (g_mouseWindow == wnd)
        g_mouseWindow = nullptr;
}

} // namespace platform

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (m_widget)
        m_widget->setFocus(Qt::OtherFocusReason);
    return previous;
}

CWnd* CWnd::GetFocus()
{
    return FromWidget(WindowsFocus(QApplication::focusWidget()));
}

CWnd* CWnd::SetActiveWindow()
{
    CWnd* previous = FromWidget(QApplication::activeWindow());
    if (m_widget && m_widget->isVisible())
        m_widget->activateWindow();
    return previous;
}

CWnd* CWnd::SetCapture()
{
    CWnd* previous = g_capture;
    if (!m_widget)
        return previous;
    if (previous && previous != this && previous->m_widget)
        previous->m_widget->releaseMouse();
    g_capture = this;
    if (m_widget->isVisible())
        m_widget->grabMouse();
    return previous;
}

CWnd* CWnd::GetCapture()
{
    return g_capture;
}

bool ReleaseCapture()
{
    if (!g_capture)
        return true;
    if (QWidget* widget = g_capture->GetWidget())
        widget->releaseMouse();
    g_capture = nullptr;
    return true;
}

struct CursorHandle {
    int id;
    Qt::CursorShape shape;
};

namespace {

const CursorHandle kCursors[] = {
    {IDC_ARROW, Qt::ArrowCursor},      {IDC_IBEAM, Qt::IBeamCursor},
    {IDC_WAIT, Qt::WaitCursor},        {IDC_CROSS, Qt::CrossCursor},
    {IDC_UPARROW, Qt::UpArrowCursor},  {IDC_SIZENWSE, Qt::SizeFDiagCursor},
    {IDC_SIZENESW, Qt::SizeBDiagCursor}, {IDC_SIZEWE, Qt::SizeHorCursor},
    {IDC_SIZENS, Qt::SizeVerCursor},   {IDC_SIZEALL, Qt::SizeAllCursor},
    {IDC_NO, Qt::ForbiddenCursor},     {IDC_HAND, Qt::PointingHandCursor},
};

HCURSOR HandleOfShape(Qt::CursorShape shape)
{
    for (const CursorHandle& c : kCursors) {
        if (c.shape == shape)
            return &c;
    }
    return &kCursors[0];
}

} // namespace

HCURSOR LoadStandardCursor(int id)
{
    for (const CursorHandle& c : kCursors) {
        if (c.id == id)
            return &c;
    }
    return nullptr;
}

int CursorId(HCURSOR cursor)
{
    return cursor ? cursor->id : 0;
}

HCURSOR SetCursor(HCURSOR cursor)
{
    CWnd* target = g_mouseWindow ? g_mouseWindow : g_capture;
    QWidget* widget = target ? target->GetWidget() : QApplication::widgetAt(QCursor::pos());
    if (!widget)
        return nullptr;
    HCURSOR previous = HandleOfShape(widget->cursor().shape());
    if (cursor)
        widget->setCursor(cursor->shape);
    else
        widget->setCursor(Qt::BlankCursor);
    return previous;
}

// Device contexts of windows: in a paint, outside one (drawn over the window until it is next
// painted there), and the window's own painting into another DC.
#include "platform/ui/draw/DC.h"
#include "platform/ui/window/Wnd.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

CPaintDC::CPaintDC(CWnd* window)
{
    if (!window || !window->m_inPaint || !window->m_widget)
        return; // outside a paint there is nothing to draw on
    m_ps.rcPaint = CRect(window->m_paintRect.left(), window->m_paintRect.top(),
                         window->m_paintRect.right() + 1, window->m_paintRect.bottom() + 1);
    if (window->m_paintPainter) {
        window->m_paintPainter->save();
        AttachPainter(window->m_paintPainter);
    } else {
        // A control whose subclass paints it instead of Qt.
        m_own = std::make_unique<QPainter>(window->m_widget);
        AttachPainter(m_own.get());
    }
    if (CFont* font = window->m_font)
        SelectObject(font);
}

CPaintDC::~CPaintDC()
{
    if (!m_own && GetPainter())
        GetPainter()->restore();
}

CClientDC::CClientDC(CWnd* window, bool wholeWindow) : m_window(window)
{
    if (!window)
        return;
    if (CFont* font = window->m_font)
        SelectObject(font);
    QImage* overlay = window->Overlay();
    if (!overlay)
        return;
    m_own = std::make_unique<QPainter>(overlay);
    if (!wholeWindow) {
        m_own->translate(window->ClientOrigin());
        CRect client;
        window->GetClientRect(&client);
        m_own->setClipRect(client.left, client.top, client.Width(), client.Height());
    }
    AttachPainter(m_own.get());
}

CClientDC::~CClientDC()
{
    if (m_own)
        m_own->end();
    // What was drawn shows at once.
    if (m_window && m_window->m_widget)
        m_window->m_widget->update();
}

void CWnd::PrintClient(CDC* dc)
{
    if (!m_widget || !dc || !dc->GetPainter())
        return;
    CRect client;
    GetClientRect(&client);
    m_printingClient = true;
    m_widget->render(dc->GetPainter(), QPoint(), QRegion(WidgetRectOf(client)),
                     QWidget::DrawChildren);
    m_printingClient = false;
}

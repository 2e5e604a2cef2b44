// Device contexts of windows.
#include "platform/ui/draw/DC.h"
#include "platform/ui/window/Wnd.h"

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

CClientDC::CClientDC(CWnd* window)
{
    if (window && window->m_font)
        SelectObject(window->m_font);
}

// Styles that change at run time, the borders of plain windows, and the window menu.
#include "platform/ui/window/Wnd.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "platform/ui/window/Menu.h"

#include <QPainter>
#include <QWidget>

DWORD CWnd::GetStyle() const
{
    if (!m_widget)
        return m_style;
    DWORD style = m_style & ~(WS_VISIBLE | WS_DISABLED);
    if (!m_widget->isHidden())
        style |= WS_VISIBLE;
    // The window's own state, whatever its parent's is.
    const bool enabled = m_widget->isWindow() ? m_widget->isEnabled()
                                              : m_widget->isEnabledTo(m_widget->parentWidget());
    if (!enabled)
        style |= WS_DISABLED;
    return style;
}

bool CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    const DWORD old = GetStyle();
    const DWORD style = (old & ~remove) | add;
    if (style == old)
        return false;
    m_style = style & ~(WS_VISIBLE | WS_DISABLED);
    if (m_widget) {
        if ((old ^ style) & WS_DISABLED)
            m_widget->setEnabled(!(style & WS_DISABLED));
        if ((old ^ style) & WS_TABSTOP)
            m_widget->setFocusPolicy(style & WS_TABSTOP ? Qt::StrongFocus : Qt::NoFocus);
        ApplyStyle(old, m_exStyle);
        if ((old ^ style) & WS_VISIBLE)
            ShowWindow(style & WS_VISIBLE ? SW_SHOWNA : SW_HIDE);
        if (flags & SWP_FRAMECHANGED)
            m_widget->update();
    }
    return true;
}

bool CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags)
{
    const DWORD old = m_exStyle;
    m_exStyle = (old & ~remove) | add;
    if (m_exStyle == old)
        return false;
    if (m_widget) {
        ApplyStyle(GetStyle(), old);
        if (flags & SWP_FRAMECHANGED)
            m_widget->update();
    }
    return true;
}

void CWnd::ApplyStyle(DWORD, DWORD)
{
    UpdateBorders();
}

int CWnd::BorderWidth() const
{
    // Decorated windows get their frame from the window manager; controls draw their own.
    if (!m_widget || !PaintsItself())
        return 0;
    const bool framed = m_widget->isWindow() && (!(m_style & WS_POPUP) || (m_style & WS_CAPTION) == WS_CAPTION);
    if (framed)
        return 0;
    return (m_style & WS_BORDER ? 1 : 0) + (m_exStyle & WS_EX_CLIENTEDGE ? 2 : 0) +
           (m_exStyle & WS_EX_STATICEDGE ? 1 : 0);
}

void CWnd::UpdateBorders()
{
    const int border = BorderWidth();
    if (border == m_border || !m_widget)
        return;
    // Children keep their place in the client area, which moves with the border.
    const QPoint shift(border - m_border, border - m_border);
    for (QObject* object : m_widget->children())
        if (auto* child = qobject_cast<QWidget*>(object); child && !child->isWindow())
            child->move(child->pos() + shift);
    m_border = border;
    m_widget->update();
    DispatchSize();
}

void CWnd::PaintBorder(QPainter& painter)
{
    CDC dc(&painter);
    CRect edge(0, 0, m_widget->width(), m_widget->height());
    if (m_style & WS_BORDER) {
        dc.Draw3dRect(&edge, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
        edge.DeflateRect(1, 1);
    }
    if (m_exStyle & WS_EX_CLIENTEDGE)
        dc.DrawEdge(&edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (m_exStyle & WS_EX_STATICEDGE)
        dc.DrawEdge(&edge, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
}

CMenu* CWnd::GetSystemMenu(bool revert)
{
    if (!m_widget || !m_widget->isWindow())
        return nullptr;
    if (!m_systemMenu || revert) {
        m_systemMenu = std::make_unique<CMenu>();
        m_systemMenu->CreatePopupMenu();
        m_systemMenu->AppendMenu(MF_STRING, SC_MOVE, "&Move");
        m_systemMenu->AppendMenu(MF_SEPARATOR);
        m_systemMenu->AppendMenu(MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
        // The close box follows the entry.
        m_systemMenu->SetChangeListener([this] {
            if (m_widget) {
                const bool shown = !m_widget->isHidden();
                m_widget->setWindowFlag(Qt::WindowCloseButtonHint, CanClose());
                m_widget->setVisible(shown);
            }
        });
    }
    return m_systemMenu.get();
}

bool CWnd::CanClose() const
{
    if (!m_systemMenu)
        return true;
    const UINT state = m_systemMenu->GetMenuState(SC_CLOSE, MF_BYCOMMAND);
    return state != UINT(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

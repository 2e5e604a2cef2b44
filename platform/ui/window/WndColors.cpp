// Colours a parent gives its child controls (OnCtlColor), applied to the controls' widgets.
#include "platform/ui/window/Wnd.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "platform/ui/window/WndBridge.h"

#include <QApplication>
#include <QWidget>

namespace {

COLORREF DefaultTextColor(UINT kind)
{
    return kind == CTLCOLOR_EDIT || kind == CTLCOLOR_LISTBOX ? GetSysColor(COLOR_WINDOWTEXT)
                                                             : GetSysColor(COLOR_BTNTEXT);
}

QColor DisabledTextColor()
{
    return platform::ToQColor(GetSysColor(COLOR_GRAYTEXT));
}

} // namespace

// Every control shows disabled text in the program's grey. Set in each control's palette, it gave
// every control a palette of its own; the style draws a control under its palette's key, and Qt
// keeps each such key as long as the program runs, so every form opened added its controls' keys.
// As the palette of all widget classes, with no colour marked as set (a marked one makes each
// child's inherited palette a copy of its own), the controls share one palette and its drawings.
void platform::EnsureProgramPalette()
{
    if (!qApp || QApplication::palette("QWidget").color(QPalette::Disabled, QPalette::WindowText) == DisabledTextColor())
        return;
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Disabled, QPalette::WindowText, DisabledTextColor());
    palette.setResolveMask(0);
    QApplication::setPalette(palette, "QWidget");
}

void CWnd::ApplyParentColors()
{
    const UINT kind = CtlColorKind();
    CWnd* parent = kind == UINT(-1) || !m_widget ? nullptr : GetParent();
    if (!parent)
        return;
    CDC dc;
    dc.SetTextColor(DefaultTextColor(kind));
    dc.SetBkMode(OPAQUE);
    const CBrush* brush = parent->OnCtlColor(&dc, this, kind);
    QPalette palette = QApplication::palette(m_widget);
    const QColor text = platform::ToQColor(dc.GetTextColor());
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::ButtonText, text);
    }
    palette.setColor(QPalette::Disabled, QPalette::WindowText, DisabledTextColor());
    // A brush fills the control's background; without one, or in transparent mode, whatever
    // the parent painted shows through.
    const bool fill = brush && !brush->IsNull() && dc.GetBkMode() == OPAQUE;
    if (fill) {
        palette.setColor(QPalette::Window, brush->QtColor());
        palette.setColor(QPalette::Base, brush->QtColor());
    }
    // Set only when different: setting it repaints, and the repaint asks again.
    if (palette != m_widget->palette())
        m_widget->setPalette(palette);
    if (kind == CTLCOLOR_STATIC && m_widget->autoFillBackground() != fill)
        m_widget->setAutoFillBackground(fill);
}

// Mapping modes of the device context.
#include "platform/ui/draw/DC.h"

#include "platform/ui/draw/DCRecord.h"

#include <QPaintDevice>
#include <QPainter>

int CDC::DotsPerInch(bool vertical) const
{
    const QPaintDevice* device = m_painter ? m_painter->device() : nullptr;
    if (!device)
        return 96;
    return vertical ? device->logicalDpiY() : device->logicalDpiX();
}

int CDC::SetMapMode(int mode)
{
    if (mode != MM_TEXT && mode != MM_TWIPS)
        return 0;
    const int old = m_mapMode;
    if (m_recording)
        Record("SetMapMode " + std::to_string(mode));
    if (mode == old)
        return old;
    m_mapMode = mode;
    if (m_painter) {
        KeepPainterState();
        const double x = DotsPerInch(false) / 1440.0;
        const double y = DotsPerInch(true) / 1440.0;
        QTransform t = m_painter->worldTransform();
        if (mode == MM_TWIPS)
            t.scale(x, y);
        else
            t.scale(1 / x, 1 / y);
        m_painter->setWorldTransform(t);
    }
    return old;
}

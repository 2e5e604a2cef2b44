// Fills, lines, rectangles, edges and copies of the device context.
#include "platform/ui/draw/DC.h"

#include "platform/ui/draw/DCRecord.h"
#include "platform/ui/draw/SystemMetrics.h"

#include <QPainter>
#include <cstdlib>

using namespace platform::dcrecord;

void CDC::ApplyPen()
{
    if (m_painterPen != PainterPen::Line) {
        m_painter->setPen(m_pen->QtPen());
        m_painterPen = PainterPen::Line;
    }
}

void CDC::PaintFill(const QRect& rect, COLORREF color)
{
    m_painter->fillRect(rect, platform::ToQColor(color));
}

void CDC::FillRect(const RECT* rect, const CBrush* brush)
{
    if (!rect || !brush || brush->IsNull())
        return;
    if (m_recording)
        Record("FillRect " + Rect(*rect) + " " + Color(brush->Color()));
    if (m_painter)
        m_painter->fillRect(ToQRect(*rect), brush->QtColor());
}

void CDC::FillSolidRect(const RECT* rect, COLORREF color)
{
    if (!rect)
        return;
    if (m_recording)
        Record("FillRect " + Rect(*rect) + " " + Color(color));
    if (m_painter)
        PaintFill(ToQRect(*rect), color);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    CRect r(x, y, x + cx, y + cy);
    FillSolidRect(&r, color);
}

CPoint CDC::MoveTo(int x, int y)
{
    CPoint old = m_position;
    m_position = {x, y};
    return old;
}

bool CDC::LineTo(int x, int y)
{
    CPoint from = m_position;
    m_position = {x, y};
    if (m_pen->Style() == PS_NULL || (from.x == x && from.y == y))
        return true;
    if (m_recording)
        Record("Line " + Point(from.x, from.y) + " " + Point(x, y) + " " + Pen(*m_pen));
    if (!m_painter)
        return true;
    ApplyPen();
    if (m_pen->Width() > 1) {
        m_painter->drawLine(from.x, from.y, x, y);
        return true;
    }
    // A thin line leaves out its last pixel: step back one pixel along the longer axis.
    int dx = x - from.x, dy = y - from.y;
    int steps = std::max(std::abs(dx), std::abs(dy));
    if (steps == 1) {
        m_painter->drawPoint(from.x, from.y);
        return true;
    }
    int endX = from.x + (dx * (steps - 1) + (dx >= 0 ? steps / 2 : -steps / 2)) / steps;
    int endY = from.y + (dy * (steps - 1) + (dy >= 0 ? steps / 2 : -steps / 2)) / steps;
    m_painter->drawLine(from.x, from.y, endX, endY);
    return true;
}

bool CDC::Rectangle(int left, int top, int right, int bottom)
{
    CRect r(left, top, right, bottom);
    return Rectangle(&r);
}

bool CDC::Rectangle(const RECT* rect)
{
    if (!rect)
        return false;
    CRect r(*rect);
    r.NormalizeRect();
    bool nullPen = m_pen->Style() == PS_NULL;
    if (m_recording)
        Record("Rectangle " + Rect(r) + " pen " + (nullPen ? "null" : Pen(*m_pen)) + " brush " +
               (m_brush->IsNull() ? "null" : Color(m_brush->Color())));
    if (!m_painter || r.Width() < 1 || r.Height() < 1)
        return true;
    if (!m_brush->IsNull()) {
        // Without a pen the filled area is one pixel narrower and shorter, as on Windows.
        int shrink = nullPen ? 1 : 0;
        m_painter->fillRect(QRect(r.left, r.top, r.Width() - shrink, r.Height() - shrink),
                            m_brush->QtColor());
    }
    if (!nullPen) {
        ApplyPen();
        m_painter->setBrush(Qt::NoBrush);
        m_painter->drawRect(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
    }
    return true;
}

bool CDC::Polygon(const POINT* points, int count)
{
    if (!points || count < 2)
        return false;
    if (m_recording) {
        std::string entry = "Polygon";
        for (int i = 0; i < count; ++i)
            entry += " " + Point(points[i].x, points[i].y);
        Record(entry);
    }
    if (!m_painter)
        return true;
    QPolygon polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i)
        polygon.append(QPoint(points[i].x, points[i].y));
    ApplyPen();
    m_painter->setBrush(m_brush->IsNull() ? QBrush(Qt::NoBrush) : QBrush(m_brush->QtColor()));
    m_painter->drawPolygon(polygon);
    return true;
}

void CDC::Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight)
{
    if (!rect)
        return;
    Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
               topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    if (m_recording)
        Record("Draw3dRect " + Rect(CRect(x, y, x + cx, y + cy)) + " " + Color(topLeft) + " " +
               Color(bottomRight));
    if (!m_painter || cx < 1 || cy < 1)
        return;
    PaintFill(QRect(x, y, cx - 1, 1), topLeft);
    PaintFill(QRect(x, y, 1, cy - 1), topLeft);
    PaintFill(QRect(x + cx - 1, y, 1, cy), bottomRight);
    PaintFill(QRect(x, y + cy - 1, cx, 1), bottomRight);
}

namespace {

struct EdgeColors {
    COLORREF topLeft;
    COLORREF bottomRight;
};

EdgeColors OuterColors(UINT edge)
{
    if (edge & BDR_SUNKENOUTER)
        return {GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT)};
    return {GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW)};
}

EdgeColors InnerColors(UINT edge)
{
    if (edge & BDR_SUNKENINNER)
        return {GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT)};
    return {GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DSHADOW)};
}

} // namespace

bool CDC::DrawEdge(RECT* rect, UINT edge, UINT flags)
{
    if (!rect)
        return false;
    if (m_recording)
        Record("DrawEdge " + Rect(*rect) + " " + Hex(edge) + " " + Hex(flags));
    CRect r(*rect);
    auto ring = [&](bool present, EdgeColors colors) {
        if (!present || r.IsRectEmpty())
            return;
        if (m_painter) {
            if (flags & BF_TOP) PaintFill(QRect(r.left, r.top, r.Width(), 1), colors.topLeft);
            if (flags & BF_LEFT) PaintFill(QRect(r.left, r.top, 1, r.Height()), colors.topLeft);
            if (flags & BF_BOTTOM)
                PaintFill(QRect(r.left, r.bottom - 1, r.Width(), 1), colors.bottomRight);
            if (flags & BF_RIGHT)
                PaintFill(QRect(r.right - 1, r.top, 1, r.Height()), colors.bottomRight);
        }
        r.DeflateRect(flags & BF_LEFT ? 1 : 0, flags & BF_TOP ? 1 : 0, flags & BF_RIGHT ? 1 : 0,
                      flags & BF_BOTTOM ? 1 : 0);
    };
    ring(edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER), OuterColors(edge));
    ring(edge & (BDR_RAISEDINNER | BDR_SUNKENINNER), InnerColors(edge));
    if ((flags & BF_MIDDLE) && m_painter && !r.IsRectEmpty())
        PaintFill(ToQRect(r), GetSysColor(COLOR_BTNFACE));
    if (flags & BF_ADJUST)
        *rect = r;
    return true;
}

void CDC::DrawFocusRect(const RECT* rect)
{
    if (!rect)
        return;
    if (m_recording)
        Record("DrawFocusRect " + Rect(*rect));
    CRect r(*rect);
    if (!m_painter || r.Width() < 1 || r.Height() < 1)
        return;
    // Inverting dots: drawing the same rectangle twice removes it.
    m_painter->save();
    m_painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen dots(Qt::white, 0);
    dots.setDashPattern({1, 1});
    m_painter->setPen(dots);
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawRect(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
    m_painter->restore();
    m_painterPen = PainterPen::None;
}

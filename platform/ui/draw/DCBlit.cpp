// Copies between device contexts with the raster operations the views use.
#include "platform/ui/draw/DC.h"

#include "platform/ui/draw/DCRecord.h"

#include <QPaintDevice>
#include <QPainter>
#include <optional>

using namespace platform::dcrecord;

namespace {

std::optional<QPainter::CompositionMode> ModeOf(DWORD rop)
{
    switch (rop) {
    // Copying leaves out what the source holds as transparent (an image list's masked pixels).
    case SRCCOPY: return QPainter::CompositionMode_SourceOver;
    case SRCPAINT: return QPainter::RasterOp_SourceOrDestination;
    case SRCAND: return QPainter::RasterOp_SourceAndDestination;
    case SRCINVERT: return QPainter::RasterOp_SourceXorDestination;
    case SRCERASE: return QPainter::RasterOp_SourceAndNotDestination;
    case NOTSRCCOPY: return QPainter::RasterOp_NotSource;
    default: return std::nullopt;
    }
}

QImage ToMonochrome(const QImage& piece, COLORREF background)
{
    QImage out = piece.convertToFormat(QImage::Format_RGB32);
    const QRgb key = platform::ToQColor(background).rgb() & 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == key ? 0xFFFFFFFF : 0xFF000000;
    }
    return out;
}

QImage FromMonochrome(const QImage& piece, COLORREF text, COLORREF background)
{
    QImage out = piece.convertToFormat(QImage::Format_RGB32);
    const QRgb one = platform::ToQColor(background).rgb();
    const QRgb zero = platform::ToQColor(text).rgb();
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) ? one : zero;
    }
    return out;
}

} // namespace

const QImage* CDC::SourceImage() const
{
    if (m_bitmap)
        return &m_bitmap->Image();
    if (m_painter && m_painter->device() && m_painter->device()->devType() == QInternal::Image)
        return static_cast<const QImage*>(m_painter->device());
    return nullptr;
}

bool CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop)
{
    const QRect target(x, y, width, height);
    if (rop == BLACKNESS || rop == WHITENESS || rop == DSTINVERT) {
        if (m_recording)
            Record("BitBlt " + Rect(CRect(x, y, x + width, y + height)) + " " + Hex(rop));
        if (m_painter) {
            m_painter->save();
            if (rop == DSTINVERT)
                m_painter->setCompositionMode(QPainter::RasterOp_NotDestination);
            m_painter->fillRect(target, rop == BLACKNESS ? Qt::black : Qt::white);
            m_painter->restore();
        }
        return true;
    }
    const std::optional<QPainter::CompositionMode> mode = ModeOf(rop);
    const QImage* image = source ? source->SourceImage() : nullptr;
    if (!mode || !image)
        return false;
    if (m_recording)
        Record("BitBlt " + Rect(CRect(x, y, x + width, y + height)) + " from " + Point(xSrc, ySrc) +
               (rop == SRCCOPY ? std::string() : " " + Hex(rop)));
    if (!m_painter)
        return true;
    QImage piece = image->copy(xSrc + source->m_viewportOrg.x, ySrc + source->m_viewportOrg.y,
                               width, height);
    if (IsMonochrome() && !source->IsMonochrome())
        piece = ToMonochrome(piece, source->m_bkColor);
    else if (!IsMonochrome() && source->IsMonochrome())
        piece = FromMonochrome(piece, m_textColor, m_bkColor);
    m_painter->save();
    m_painter->setCompositionMode(*mode);
    m_painter->drawImage(QPoint(x, y), piece);
    m_painter->restore();
    return true;
}

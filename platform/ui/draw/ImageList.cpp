#include "platform/ui/draw/ImageList.h"

#include "platform/ui/draw/DC.h"

#include <algorithm>

namespace {

// Images never exceed this side; a larger request is refused rather than allocated.
constexpr int kMaxSide = 4096;

QImage Masked(const QImage& image, COLORREF mask)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    if (mask == CLR_NONE)
        return out;
    const QRgb key = qRgb(GetRValue(mask), GetGValue(mask), GetBValue(mask));
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == (key & 0x00FFFFFF))
                line[x] = 0;
    }
    return out;
}

} // namespace

bool CImageList::Create(int cx, int cy, UINT, int initial, int)
{
    DeleteImageList();
    if (cx <= 0 || cy <= 0 || cx > kMaxSide || cy > kMaxSide)
        return false;
    m_cx = cx;
    m_cy = cy;
    m_images.reserve(size_t(std::clamp(initial, 0, 256)));
    return true;
}

bool CImageList::Create(const QImage& strip, int cx, int grow, COLORREF mask)
{
    if (strip.isNull() || !Create(cx, strip.height(), ILC_MASK, 0, grow))
        return false;
    AddStrip(strip, mask);
    return true;
}

void CImageList::DeleteImageList()
{
    m_cx = m_cy = 0;
    m_images.clear();
    m_pixmaps.clear();
}

int CImageList::Add(const CBitmap* bitmap, COLORREF mask)
{
    if (!IsCreated() || !bitmap || !bitmap->IsCreated())
        return -1;
    return AddStrip(bitmap->Image(), mask);
}

int CImageList::AddStrip(const QImage& strip, COLORREF mask)
{
    const int count = strip.width() / m_cx;
    if (count == 0)
        return -1;
    const int first = GetImageCount();
    const QImage masked = Masked(strip, mask);
    for (int i = 0; i < count; ++i) {
        // A strip lower than the list is padded with transparent pixels, a taller one cut.
        QImage image(m_cx, m_cy, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        for (int y = 0; y < std::min(m_cy, masked.height()); ++y)
            std::copy_n(reinterpret_cast<const QRgb*>(masked.constScanLine(y)) + i * m_cx, m_cx,
                        reinterpret_cast<QRgb*>(image.scanLine(y)));
        m_pixmaps.push_back(QPixmap::fromImage(image));
        m_images.push_back(std::move(image));
    }
    return first;
}

const QPixmap* CImageList::Pixmap(int index) const
{
    return index >= 0 && index < GetImageCount() ? &m_pixmaps[size_t(index)] : nullptr;
}

bool CImageList::Draw(CDC* dc, int index, POINT point, UINT style) const
{
    if (!dc || index < 0 || index >= GetImageCount() || (style & ~ILD_TRANSPARENT) != 0)
        return false;
    // Through a memory DC, so the copy is drawn and recorded like any other.
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(dc, m_cx, m_cy);
    bitmap.Image() = m_images[size_t(index)];
    CDC memory;
    memory.CreateCompatibleDC(dc);
    memory.SelectObject(&bitmap);
    return dc->BitBlt(point.x, point.y, m_cx, m_cy, &memory, 0, 0, SRCCOPY);
}

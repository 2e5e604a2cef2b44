// Making bitmaps: blank, from bits, from the program's pictures and from BMP files.
#include "platform/ui/draw/GdiObjects.h"

#include "platform/dib/Dib.h"
#include "platform/ui/window/ResourceRegistry.h"

#include <cstring>

namespace {

bool SideOk(int side)
{
    return side <= CBitmap::kMaxSide;
}

} // namespace

bool CBitmap::Take(QImage image, bool monochrome)
{
    DeleteObject();
    if (image.isNull())
        return false;
    m_image = std::move(image);
    m_monochrome = monochrome;
    m_created = true;
    return true;
}

bool CBitmap::CreateCompatibleBitmap(CDC*, int width, int height)
{
    if (!SideOk(width) || !SideOk(height))
        return false;
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    image.fill(Qt::black);
    return Take(std::move(image), false);
}

bool CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    const bool mono = planes == 1 && bitsPerPixel == 1;
    if (!mono && bitsPerPixel != 24 && bitsPerPixel != 32)
        return false;
    if (!SideOk(width) || !SideOk(height))
        return false;
    const int w = std::max(width, 1), h = std::max(height, 1);
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::black);
    const auto* bytes = static_cast<const unsigned char*>(bits);
    for (int y = 0; bytes && y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (mono) {
                const int stride = (w + 15) / 16 * 2; // rows of whole 16-bit words, as GDI's
                const bool set = bytes[y * stride + x / 8] & (0x80 >> (x % 8));
                line[x] = set ? 0xFFFFFFFF : 0xFF000000;
            } else {
                std::uint32_t word;
                std::memcpy(&word, bytes + (std::size_t(y) * w + x) * 4, 4);
                line[x] = 0xFF000000 | word;
            }
        }
    }
    return Take(std::move(image), mono);
}

bool CBitmap::LoadBitmap(UINT resourceId)
{
    const BitmapResource* resource = platform::ResourceRegistry<BitmapResource>::Find(resourceId);
    if (!resource || !resource->xpm)
        return false;
    return Take(QImage(resource->xpm).convertToFormat(QImage::Format_RGB32), false);
}

bool CBitmap::CreateFromDib(const CDib& dib)
{
    const DibImage& source = dib.GetImage();
    if (dib.IsEmpty() || !SideOk(source.width) || !SideOk(source.height))
        return false;
    QImage image(source.width, source.height, QImage::Format_RGB32);
    for (int y = 0; y < source.height; ++y)
        std::memcpy(image.scanLine(y), source.pixels.data() + std::size_t(y) * std::size_t(source.width),
                    std::size_t(source.width) * 4);
    return Take(std::move(image), false);
}

bool CBitmap::LoadFromFile(const std::string& path)
{
    // Read first: a file that is refused leaves the bitmap as it was.
    CDib dib;
    return dib.Load(path) && CreateFromDib(dib);
}

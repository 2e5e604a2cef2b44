#pragma once

// A list of equally sized images, each with its transparent parts, as tree controls and
// toolbars show them. Images are kept side by side in one strip.
#include "platform/ui/draw/GdiObjects.h"

#include <QImage>
#include <QPixmap>
#include <vector>

class CDC;

constexpr UINT ILC_MASK = 0x0001;
constexpr UINT ILC_COLOR = 0x0000;
constexpr UINT ILC_COLOR4 = 0x0004;
constexpr UINT ILC_COLOR8 = 0x0008;
constexpr UINT ILC_COLOR16 = 0x0010;
constexpr UINT ILC_COLOR24 = 0x0018;
constexpr UINT ILC_COLOR32 = 0x0020;

constexpr UINT ILD_NORMAL = 0x0000;
constexpr UINT ILD_TRANSPARENT = 0x0001;

// No mask colour: every pixel is drawn.
constexpr COLORREF CLR_NONE = 0xFFFFFFFF;

class CImageList {
public:
    // An empty list of cx by cy images. initial and grow only size the storage.
    bool Create(int cx, int cy, UINT flags, int initial, int grow);
    // A list cut from a strip of images cx wide (the strip's height is the images' height);
    // pixels of the mask colour are transparent.
    bool Create(const QImage& strip, int cx, int grow, COLORREF mask);
    void DeleteImageList();
    bool IsCreated() const { return m_cx > 0; }

    // Adds the whole images the bitmap holds, cut at the list's width; pixels of the mask
    // colour are transparent. The index of the first added image, or -1 when none was added.
    int Add(const CBitmap* bitmap, COLORREF mask);
    int GetImageCount() const { return int(m_images.size()); }
    CSize GetImageSize() const { return {m_cx, m_cy}; }

    // Draws an image with its top-left corner at point; only the plain and transparent
    // styles are offered. False for a missing image.
    bool Draw(CDC* dc, int index, POINT point, UINT style) const;

    // The image as Qt shows it (widgets that draw icons); null for a missing index.
    const QPixmap* Pixmap(int index) const;

private:
    int AddStrip(const QImage& strip, COLORREF mask);

    int m_cx = 0;
    int m_cy = 0;
    std::vector<QImage> m_images; // ARGB, transparent where masked
    std::vector<QPixmap> m_pixmaps;
};

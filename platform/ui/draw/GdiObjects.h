#pragma once

// Pens, brushes, fonts and bitmaps as the drawing code selects them into a CDC. Each object
// keeps its Qt counterpart ready, so selecting one costs nothing.
#include "platform/ui/window/Geometry.h"

#include <QBrush>
#include <cstddef>
#include <QFont>
#include <QImage>
#include <QPen>
#include <string>

constexpr int LF_FACESIZE = 32;

// Laid out like the Windows record: the 28 bytes before the face name compare as a block.
struct LOGFONT {
    LONG lfHeight;      // < 0: character height in pixels; > 0: cell height; 0: default
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;      // 0 default, 400 normal, 700 bold
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];
};
static_assert(offsetof(LOGFONT, lfFaceName) == 28);

struct TEXTMETRIC {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    BYTE tmItalic;
    BYTE tmUnderlined;
};

constexpr int FW_DONTCARE = 0;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_NULL = 5;

// Stock objects for CDC::SelectStockObject.
constexpr int WHITE_BRUSH = 0;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int DEFAULT_GUI_FONT = 17;

class CGdiObject {
public:
    virtual ~CGdiObject() = default;
    bool IsCreated() const { return m_created; }
    // Releases the object; it can be created again.
    virtual void DeleteObject() { m_created = false; }

protected:
    bool m_created = false;
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    bool CreatePen(int style, int width, COLORREF color);

    int Style() const { return m_style; }
    int Width() const { return m_width; }
    COLORREF Color() const { return m_color; }
    const QPen& QtPen() const { return m_pen; }

private:
    int m_style = PS_SOLID;
    int m_width = 1;
    COLORREF m_color = 0;
    QPen m_pen;
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    bool CreateSolidBrush(COLORREF color);
    bool CreateSysColorBrush(int index);
    bool CreateNullBrush(); // draws nothing (the NULL_BRUSH stock object)

    bool IsNull() const { return m_null; }
    COLORREF Color() const { return m_color; }
    const QColor& QtColor() const { return m_qcolor; }

private:
    COLORREF m_color = 0;
    QColor m_qcolor;
    bool m_null = false;
};

class CFont : public CGdiObject {
public:
    bool CreateFontIndirect(const LOGFONT* font);
    bool CreateFont(int height, int width, int escapement, int orientation, int weight,
                    BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const char* faceName);
    // Size in tenths of a point at 96 pixels per inch.
    bool CreatePointFont(int pointSizeTenths, const char* faceName);

    bool GetLogFont(LOGFONT* out) const;
    const QFont& QtFont() const { return m_font; }

private:
    LOGFONT m_log{};
    QFont m_font;
};

class CDib;

// A picture registered under a resource id: the XPM text of a picture drawn for the program.
struct BitmapResource {
    UINT id;
    const char* const* xpm;
};

class CBitmap : public CGdiObject {
public:
    CBitmap() = default;
    // A bitmap going away while selected into a memory DC takes itself out of it first.
    ~CBitmap() override;

    static constexpr int kMaxSide = 16384;

    // A bitmap like the screen's, initially black; empty sizes are made 1 x 1. False for a
    // side beyond kMaxSide.
    bool CreateCompatibleBitmap(class CDC* dc, int width, int height);
    // Only the monochrome kind (1 plane, 1 bit per pixel) and colour (24 or 32 bits) are made;
    // bits, when given, are rows of whole bytes (monochrome) or 0x00RRGGBB words, top-down.
    bool CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    // The bitmap resource of that id; false when none is registered.
    bool LoadBitmap(UINT resourceId);
    // A BMP file, read by the program's own bitmap reader; false for anything it refuses.
    bool LoadFromFile(const std::string& path);
    bool CreateFromDib(const CDib& dib);
    void DeleteObject() override;

    CSize GetSize() const { return {m_image.width(), m_image.height()}; }
    bool IsMonochrome() const { return m_monochrome; }
    QImage& Image() { return m_image; }
    const QImage& Image() const { return m_image; }

private:
    friend class CDC;
    bool Take(QImage image, bool monochrome);

    QImage m_image;
    bool m_monochrome = false;
    class CDC* m_selectedInto = nullptr;
};

namespace platform {

// The fontconfig face that stands in for a Windows face name.
QString FontFamilyFor(const char* windowsFace);
// A Qt font that draws like the given record at 96 pixels per inch.
QFont FontFromLogFont(const LOGFONT& font);
QColor ToQColor(COLORREF color);
COLORREF FromQColor(const QColor& color);

// Shared objects that live as long as the program; unknown indexes give the black pen or the
// white brush.
CPen* StockPen(int index);     // WHITE_PEN, BLACK_PEN, NULL_PEN
CBrush* StockBrush(int index); // WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH
CFont* StockFont();            // DEFAULT_GUI_FONT

} // namespace platform

#include "platform/ui/draw/GdiObjects.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"

#include <QFontMetrics>
#include <cstring>
#include <strings.h>

namespace platform {

QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

COLORREF FromQColor(const QColor& c)
{
    return RGB(c.red(), c.green(), c.blue());
}

QString FontFamilyFor(const char* face)
{
    static const struct { const char* windows; const char* linux; } kFaces[] = {
        {"", "Liberation Sans"},
        {"MS Sans Serif", "Liberation Sans"},
        {"Microsoft Sans Serif", "Liberation Sans"},
        {"MS Shell Dlg", "Liberation Sans"},
        {"MS Shell Dlg 2", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"Helvetica", "Liberation Sans"},
        {"Tahoma", "Liberation Sans"},
        {"Courier New", "Liberation Mono"},
        {"Courier", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"},
    };
    const char* name = face ? face : "";
    for (const auto& f : kFaces) {
        if (strcasecmp(name, f.windows) == 0)
            return QString::fromLatin1(f.linux);
    }
    return QString::fromLatin1(name, qsizetype(strnlen(name, LF_FACESIZE)));
}

QFont FontFromLogFont(const LOGFONT& log)
{
    char face[LF_FACESIZE + 1] = {};
    std::memcpy(face, log.lfFaceName, LF_FACESIZE); // the record's name need not be terminated
    QFont font(FontFamilyFor(face));
    font.setStyleStrategy(QFont::PreferDefault);
    int height = log.lfHeight;
    if (height == 0)
        height = -13;
    if (height < 0) {
        font.setPixelSize(-height);
    } else {
        // A positive height is the whole cell (ascent + descent); scale the em size to it.
        font.setPixelSize(height);
        int cell = QFontMetrics(font).height();
        if (cell > 0)
            font.setPixelSize(std::max(1, (height * height + cell / 2) / cell));
    }
    int weight = log.lfWeight <= 0 ? FW_NORMAL : std::min<int>(log.lfWeight, 900);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(log.lfItalic != 0);
    font.setUnderline(log.lfUnderline != 0);
    font.setStrikeOut(log.lfStrikeOut != 0);
    return font;
}

CPen* StockPen(int index)
{
    static CPen white(PS_SOLID, 1, RGB(255, 255, 255));
    static CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    static CPen null(PS_NULL, 1, 0);
    return index == WHITE_PEN ? &white : index == NULL_PEN ? &null : &black;
}

CBrush* StockBrush(int index)
{
    static CBrush white(RGB(255, 255, 255));
    static CBrush black(RGB(0, 0, 0));
    static CBrush null = [] { CBrush b; b.CreateNullBrush(); return b; }();
    return index == BLACK_BRUSH ? &black : index == NULL_BRUSH ? &null : &white;
}

CFont* StockFont()
{
    static CFont font = [] {
        CFont f;
        f.CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
        return f;
    }();
    return &font;
}

} // namespace platform

bool CPen::CreatePen(int style, int width, COLORREF color)
{
    m_style = style;
    m_width = width;
    m_color = color;
    if (style == PS_NULL) {
        m_pen = QPen(Qt::NoPen);
    } else {
        // Width 0 and 1 are both the one-pixel line.
        m_pen = QPen(platform::ToQColor(color), width <= 1 ? 0 : width);
        // Thin lines: square caps make Qt include both end points, and LineTo stops one pixel
        // short itself; wide lines end flat at their end point.
        m_pen.setCapStyle(width <= 1 ? Qt::SquareCap : Qt::FlatCap);
        m_pen.setJoinStyle(Qt::MiterJoin);
        // Styled lines exist only one pixel wide, as on Windows.
        if (width <= 1) {
            switch (style) {
            case PS_DASH: m_pen.setDashPattern({6, 2}); break;
            case PS_DOT: m_pen.setDashPattern({1, 1}); break;
            case PS_DASHDOT: m_pen.setDashPattern({3, 1, 1, 1}); break;
            default: break;
            }
        }
    }
    m_created = true;
    return true;
}

bool CBrush::CreateSolidBrush(COLORREF color)
{
    m_color = color;
    m_qcolor = platform::ToQColor(color);
    m_null = false;
    m_created = true;
    return true;
}

bool CBrush::CreateSysColorBrush(int index)
{
    return CreateSolidBrush(GetSysColor(index));
}

bool CBrush::CreateNullBrush()
{
    m_null = true;
    m_created = true;
    return true;
}

bool CFont::CreateFontIndirect(const LOGFONT* font)
{
    if (!font)
        return false;
    m_log = *font;
    m_log.lfFaceName[LF_FACESIZE - 1] = '\0';
    m_font = platform::FontFromLogFont(m_log);
    m_created = true;
    return true;
}

bool CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                       BYTE outPrecision, BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                       const char* faceName)
{
    LOGFONT log{height, width, escapement, orientation, weight, italic, underline, strikeOut,
                charSet, outPrecision, clipPrecision, quality, pitchAndFamily, {}};
    if (faceName)
        std::strncpy(log.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&log);
}

bool CFont::CreatePointFont(int pointSizeTenths, const char* faceName)
{
    // 96 pixels per inch, 72 points per inch.
    int pixels = (pointSizeTenths * 96 + 360) / 720;
    return CreateFont(-pixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, faceName);
}

bool CFont::GetLogFont(LOGFONT* out) const
{
    if (!out || !m_created)
        return false;
    *out = m_log;
    return true;
}

CBitmap::~CBitmap()
{
    DeleteObject();
}

void CBitmap::DeleteObject()
{
    if (m_selectedInto)
        m_selectedInto->ReleaseBitmap();
    m_image = QImage();
    m_monochrome = false;
    CGdiObject::DeleteObject();
}

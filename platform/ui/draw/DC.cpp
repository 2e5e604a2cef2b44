#include "platform/ui/draw/DC.h"

#include "platform/ui/draw/DCRecord.h"

#include <QPainter>
#include <QPaintDevice>

struct CDC::State {
    CPen* pen;
    CBrush* brush;
    CFont* font;
    COLORREF textColor;
    COLORREF bkColor;
    int bkMode;
    CPoint position;
    CPoint viewportOrg;
    std::optional<QRegion> clip;
    int mapMode;
    // The painter's own state (clip, transform) is saved only once something changes it:
    // most saved levels change none of it, and saving a painter is not free.
    QPainter* savedPainter = nullptr;
};

CDC::CDC()
    : m_pen(platform::StockPen(BLACK_PEN)), m_brush(platform::StockBrush(WHITE_BRUSH)),
      m_font(platform::StockFont())
{
}

CDC::CDC(QPainter* painter) : CDC()
{
    AttachPainter(painter);
}

CDC::~CDC()
{
    DeleteDC();
}

void CDC::ReleaseBitmap()
{
    if (m_ownPainter && m_ownPainter->isActive())
        m_ownPainter->end();
    m_ownPainter.reset();
    if (m_bitmap)
        m_bitmap->m_selectedInto = nullptr;
    m_bitmap = nullptr;
    if (m_memory)
        m_painter = nullptr;
}

void CDC::AttachPainter(QPainter* painter)
{
    m_painter = painter;
    m_painterPen = PainterPen::None;
    m_painterFont = nullptr;
}

bool CDC::CreateCompatibleDC(CDC*)
{
    DeleteDC();
    m_memory = true;
    return true;
}

void CDC::DeleteDC()
{
    ReleaseBitmap();
    m_memory = false;
}

std::vector<std::string> CDC::TakeRecording()
{
    std::vector<std::string> out;
    out.swap(m_log);
    return out;
}

void CDC::Record(std::string entry)
{
    m_log.push_back(std::move(entry));
}

CPen* CDC::SelectObject(CPen* pen)
{
    CPen* old = m_pen;
    if (pen) {
        m_pen = pen;
        if (m_painterPen == PainterPen::Line)
            m_painterPen = PainterPen::None;
    }
    return old;
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    CBrush* old = m_brush;
    if (brush)
        m_brush = brush;
    return old;
}

CFont* CDC::SelectObject(CFont* font)
{
    CFont* old = m_font;
    if (font && font->IsCreated()) {
        m_font = font;
        if (m_recording)
            Record(platform::dcrecord::Font(*font));
    }
    return old;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    if (!m_memory || !bitmap || !bitmap->IsCreated())
        return nullptr;
    CBitmap* old = m_bitmap;
    ReleaseBitmap();
    if (bitmap->m_selectedInto)
        bitmap->m_selectedInto->ReleaseBitmap(); // a bitmap is in one DC at a time
    m_bitmap = bitmap;
    bitmap->m_selectedInto = this;
    m_ownPainter = std::make_unique<QPainter>(&bitmap->Image());
    AttachPainter(m_ownPainter.get());
    m_clip.reset();
    m_viewportOrg = {};
    return old;
}

CGdiObject* CDC::SelectStockObject(int index)
{
    switch (index) {
    case WHITE_PEN: case BLACK_PEN: case NULL_PEN:
        return SelectObject(platform::StockPen(index));
    case WHITE_BRUSH: case BLACK_BRUSH: case NULL_BRUSH:
        return SelectObject(platform::StockBrush(index));
    case DEFAULT_GUI_FONT:
        return SelectObject(platform::StockFont());
    default:
        return nullptr;
    }
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    COLORREF old = m_textColor;
    m_textColor = color;
    if (m_painterPen == PainterPen::Text)
        m_painterPen = PainterPen::None;
    return old;
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    COLORREF old = m_bkColor;
    m_bkColor = color;
    return old;
}

int CDC::SetBkMode(int mode)
{
    int old = m_bkMode;
    if (mode == TRANSPARENT || mode == OPAQUE)
        m_bkMode = mode;
    return old;
}

int CDC::SaveDC()
{
    m_saved.push_back({m_pen, m_brush, m_font, m_textColor, m_bkColor, m_bkMode, m_position,
                       m_viewportOrg, m_clip, m_mapMode});
    if (m_recording)
        Record("SaveDC " + std::to_string(m_saved.size()));
    return int(m_saved.size());
}

bool CDC::RestoreDC(int saved)
{
    int level = saved < 0 ? int(m_saved.size()) + saved + 1 : saved;
    if (level < 1 || level > int(m_saved.size()))
        return false;
    if (m_recording)
        Record("RestoreDC " + std::to_string(level));
    while (int(m_saved.size()) >= level) {
        const State& s = m_saved.back();
        m_pen = s.pen;
        m_brush = s.brush;
        m_font = s.font;
        m_textColor = s.textColor;
        m_bkColor = s.bkColor;
        m_bkMode = s.bkMode;
        m_position = s.position;
        m_viewportOrg = s.viewportOrg;
        m_clip = s.clip;
        m_mapMode = s.mapMode;
        if (s.savedPainter && s.savedPainter == m_painter)
            m_painter->restore();
        m_saved.pop_back();
    }
    // The painter's pen and font came back with it; take nothing for granted.
    m_painterPen = PainterPen::None;
    m_painterFont = nullptr;
    return true;
}

void CDC::KeepPainterState()
{
    if (m_painter && !m_saved.empty() && !m_saved.back().savedPainter) {
        m_painter->save();
        m_saved.back().savedPainter = m_painter;
    }
}

QRect CDC::DeviceRect() const
{
    if (m_painter && m_painter->device())
        return QRect(0, 0, m_painter->device()->width(), m_painter->device()->height());
    if (m_bitmap)
        return m_bitmap->Image().rect();
    return QRect(0, 0, 1 << 20, 1 << 20);
}

int CDC::ClipResult() const
{
    if (!m_clip)
        return SIMPLEREGION;
    if (m_clip->isEmpty())
        return NULLREGION;
    return m_clip->rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    CRect r(left, top, right, bottom);
    return IntersectClipRect(&r);
}

int CDC::IntersectClipRect(const RECT* rect)
{
    if (!rect)
        return RGN_ERROR;
    QRect logical = platform::dcrecord::ToQRect(*rect);
    QRect device = logical.translated(m_viewportOrg.x, m_viewportOrg.y);
    m_clip = m_clip ? m_clip->intersected(device) : QRegion(device).intersected(DeviceRect());
    if (m_recording)
        Record("IntersectClipRect " + platform::dcrecord::Rect(*rect));
    if (m_painter) {
        KeepPainterState();
        m_painter->setClipRect(logical, Qt::IntersectClip);
    }
    return ClipResult();
}

int CDC::ExcludeClipRect(const RECT* rect)
{
    if (!rect)
        return RGN_ERROR;
    QRect logical = platform::dcrecord::ToQRect(*rect);
    QRegion base = m_clip ? *m_clip : QRegion(DeviceRect());
    m_clip = base.subtracted(logical.translated(m_viewportOrg.x, m_viewportOrg.y));
    if (m_recording)
        Record("ExcludeClipRect " + platform::dcrecord::Rect(*rect));
    if (m_painter) {
        KeepPainterState();
        m_painter->setClipRegion(m_clip->translated(-m_viewportOrg.x, -m_viewportOrg.y));
    }
    return ClipResult();
}

int CDC::SelectClipRgn(const CRgn* region)
{
    if (region)
        m_clip = region->QtRegion();
    else
        m_clip.reset();
    if (m_recording)
        Record(region ? "SelectClipRgn " + platform::dcrecord::Region(region->QtRegion())
                      : std::string("SelectClipRgn none"));
    if (m_painter) {
        KeepPainterState();
        if (m_clip)
            m_painter->setClipRegion(m_clip->translated(-m_viewportOrg.x, -m_viewportOrg.y));
        else
            m_painter->setClipping(false);
    }
    return ClipResult();
}

int CDC::GetClipBox(RECT* rect) const
{
    QRect box = (m_clip ? m_clip->boundingRect() : DeviceRect())
                    .translated(-m_viewportOrg.x, -m_viewportOrg.y);
    if (rect)
        *rect = CRect(box.left(), box.top(), box.left() + box.width(), box.top() + box.height());
    return ClipResult();
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    CPoint old = m_viewportOrg;
    m_viewportOrg = {x, y};
    if (m_painter) {
        KeepPainterState();
        QTransform t = m_painter->worldTransform();
        t.translate(x - old.x, y - old.y);
        m_painter->setWorldTransform(t);
    }
    return old;
}

CPoint CDC::OffsetViewportOrg(int dx, int dy)
{
    return SetViewportOrg(m_viewportOrg.x + dx, m_viewportOrg.y + dy);
}

namespace {

constexpr int kTrueColorBits = 32;
int g_screenBitsPerPixel = kTrueColorBits;

} // namespace

void platform::SetScreenBitsPerPixel(int bits)
{
    g_screenBitsPerPixel = bits > 0 ? bits : kTrueColorBits;
}

int CDC::GetDeviceCaps(int index) const
{
    switch (index) {
    case HORZRES: return DeviceRect().width();
    case VERTRES: return DeviceRect().height();
    case BITSPIXEL: return g_screenBitsPerPixel;
    case LOGPIXELSX: return DotsPerInch(false);
    case LOGPIXELSY: return DotsPerInch(true);
    default: return 0;
    }
}

bool CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    CRect r(left, top, right, bottom);
    return CreateRectRgnIndirect(&r);
}

bool CRgn::CreateRectRgnIndirect(const RECT* rect)
{
    if (!rect)
        return false;
    m_region = QRegion(platform::dcrecord::ToQRect(*rect));
    m_created = true;
    return true;
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode)
{
    if (!a || (mode != RGN_COPY && !b))
        return RGN_ERROR;
    switch (mode) {
    case RGN_AND: m_region = a->m_region.intersected(b->m_region); break;
    case RGN_OR: m_region = a->m_region.united(b->m_region); break;
    case RGN_XOR: m_region = a->m_region.xored(b->m_region); break;
    case RGN_DIFF: m_region = a->m_region.subtracted(b->m_region); break;
    case RGN_COPY: m_region = a->m_region; break;
    default: return RGN_ERROR;
    }
    m_created = true;
    RECT box;
    return GetRgnBox(&box);
}

int CRgn::GetRgnBox(RECT* rect) const
{
    QRect b = m_region.boundingRect();
    if (rect)
        *rect = m_region.isEmpty() ? CRect() : CRect(b.left(), b.top(), b.left() + b.width(),
                                                     b.top() + b.height());
    if (m_region.isEmpty())
        return NULLREGION;
    return m_region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

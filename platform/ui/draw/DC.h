#pragma once

// A device context in the drawing vocabulary of the screens (GDI semantics: right and bottom
// edges exclusive, LineTo leaves out its end point), drawn through QPainter. A CDC can also
// record its calls as readable lines, with or without a painter behind it.
#include "platform/ui/draw/GdiObjects.h"

#include <QFontMetrics>
#include <QRegion>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QPainter;
class CWnd;

// DrawText formats.
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_EXPANDTABS = 0x0040;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;
constexpr UINT DT_END_ELLIPSIS = 0x8000;

// ExtTextOut options.
constexpr UINT ETO_OPAQUE = 0x0002;
constexpr UINT ETO_CLIPPED = 0x0004;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// DrawEdge edges and borders.
constexpr UINT BDR_RAISEDOUTER = 0x0001;
constexpr UINT BDR_SUNKENOUTER = 0x0002;
constexpr UINT BDR_RAISEDINNER = 0x0004;
constexpr UINT BDR_SUNKENINNER = 0x0008;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr UINT BF_LEFT = 0x0001;
constexpr UINT BF_TOP = 0x0002;
constexpr UINT BF_RIGHT = 0x0004;
constexpr UINT BF_BOTTOM = 0x0008;
constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr UINT BF_MIDDLE = 0x0800;
constexpr UINT BF_ADJUST = 0x2000;

// Raster operations of BitBlt.
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;   // source OR destination
constexpr DWORD SRCAND = 0x008800C6;     // source AND destination
constexpr DWORD SRCINVERT = 0x00660046;  // source XOR destination
constexpr DWORD SRCERASE = 0x00440328;   // source AND NOT destination
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

// GetDeviceCaps indexes.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

namespace platform {
// The colour depth the screen answers for BITSPIXEL: 32, unless a test stands in for a display
// of 256 colours; 0 takes the 32 back.
void SetScreenBitsPerPixel(int bits);
} // namespace platform

// Mapping modes: device units with y down, or twips (1/1440 inch) with y up, in which text
// output is placed at physical sizes on any device.
constexpr int MM_TEXT = 1;
constexpr int MM_TWIPS = 6;

// Region results and combinations.
constexpr int RGN_ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

class CRgn : public CGdiObject {
public:
    bool CreateRectRgn(int left, int top, int right, int bottom);
    bool CreateRectRgnIndirect(const RECT* rect);
    // Sets this region to a combination of a and b (b unused for RGN_COPY); the region type.
    int CombineRgn(const CRgn* a, const CRgn* b, int mode);
    bool PtInRegion(int x, int y) const { return m_region.contains(QPoint(x, y)); }
    int GetRgnBox(RECT* rect) const;
    const QRegion& QtRegion() const { return m_region; }

private:
    QRegion m_region;
};

class CDC {
public:
    CDC();                               // no surface yet: measures text, draws nothing
    explicit CDC(QPainter* painter);     // draws with a painter it does not own
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Makes this a memory DC: drawing goes to the bitmap selected into it.
    bool CreateCompatibleDC(CDC* reference);
    void DeleteDC();
    QPainter* GetPainter() const { return m_painter; }

    // Recording: every drawing call also appends a line to Recording().
    void StartRecording() { m_recording = true; }
    const std::vector<std::string>& Recording() const { return m_log; }
    std::vector<std::string> TakeRecording();

    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap); // memory DCs only; null elsewhere
    // A stock pen or brush; returns the previous object of that kind.
    CGdiObject* SelectStockObject(int index);
    CFont* GetCurrentFont() const { return m_font; }
    CPen* GetCurrentPen() const { return m_pen; }
    CBrush* GetCurrentBrush() const { return m_brush; }

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_textColor; }
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_bkColor; }
    int SetBkMode(int mode);
    int GetBkMode() const { return m_bkMode; }

    // Saves the state (objects, colours, clip, position); RestoreDC takes a level from
    // SaveDC or a negative count back from the latest.
    int SaveDC();
    bool RestoreDC(int saved);

    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(const RECT* rect);
    int ExcludeClipRect(const RECT* rect);
    int SelectClipRgn(const CRgn* region); // null removes the clip
    int GetClipBox(RECT* rect) const;

    CPoint SetViewportOrg(int x, int y);
    CPoint GetViewportOrg() const { return m_viewportOrg; }
    CPoint OffsetViewportOrg(int dx, int dy);

    void FillRect(const RECT* rect, const CBrush* brush);
    void FillSolidRect(const RECT* rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(const POINT& p) { return MoveTo(p.x, p.y); }
    bool LineTo(int x, int y);
    bool LineTo(const POINT& p) { return LineTo(p.x, p.y); }
    CPoint GetCurrentPosition() const { return m_position; }
    bool Rectangle(int left, int top, int right, int bottom);
    bool Rectangle(const RECT* rect);
    bool Polygon(const POINT* points, int count);
    void Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    bool DrawEdge(RECT* rect, UINT edge, UINT flags);
    void DrawFocusRect(const RECT* rect);

    // Text is Windows-1252. count < 0 means up to the terminating zero.
    int DrawText(const char* text, int count, RECT* rect, UINT format);
    int DrawText(std::string_view text, RECT* rect, UINT format);
    bool ExtTextOut(int x, int y, UINT options, const RECT* rect, std::string_view text);
    bool TextOut(int x, int y, std::string_view text);
    CSize GetTextExtent(std::string_view text) const;
    CSize GetOutputTextExtent(std::string_view text) const { return GetTextExtent(text); }
    bool GetTextMetrics(TEXTMETRIC* metrics) const;

    // Between a colour and a monochrome memory DC pixels convert as GDI converts them: to
    // monochrome, the source's background colour becomes white (1) and every other black;
    // from monochrome, white becomes this DC's background colour and black its text colour.
    // False for an operation not offered or a source that is no bitmap.
    bool BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                DWORD rop = SRCCOPY);
    int GetDeviceCaps(int index) const;

    // Twips apply to the painter's transform and to TextOut/ExtTextOut positions (y negated);
    // the previous mode, or 0 for a mode not offered.
    int SetMapMode(int mode);
    int GetMapMode() const { return m_mapMode; }

    // Ends drawing on the selected bitmap (it is being deleted).
    void ReleaseBitmap();

protected:
    // For device contexts that make their own painter (paint and memory DCs).
    void AttachPainter(QPainter* painter);
    void Record(std::string entry);
    bool Recording_() const { return m_recording; }

private:
    struct State;
    // Saves the painter for the innermost saved level before its clip or transform changes.
    void KeepPainterState();
    const QFontMetrics& Metrics() const;
    void ApplyPen();
    void ApplyTextPen();
    void ApplyFont();
    void PaintFill(const QRect& rect, COLORREF color);
    void PaintTextBackground(const QRect& box);
    QRect SingleLineBox(const QRect& box, UINT format, const QString& text, bool needWidth) const;
    int ClipResult() const;
    const QImage* SourceImage() const;
    bool IsMonochrome() const { return m_bitmap && m_bitmap->IsMonochrome(); }
    QRect DeviceRect() const;
    int DotsPerInch(bool vertical) const; // of the device; 96 without one

    QPainter* m_painter = nullptr;
    std::unique_ptr<QPainter> m_ownPainter; // memory DCs
    bool m_memory = false;
    CBitmap* m_bitmap = nullptr;

    CPen* m_pen;
    CBrush* m_brush;
    CFont* m_font;
    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_bkColor = RGB(255, 255, 255);
    int m_bkMode = OPAQUE;
    CPoint m_position;
    CPoint m_viewportOrg;
    int m_mapMode = MM_TEXT;
    std::optional<QRegion> m_clip; // device coordinates; none = whole surface
    std::vector<State> m_saved;

    // What the painter was last given, so repeated calls skip redundant state changes.
    enum class PainterPen { None, Line, Text } m_painterPen = PainterPen::None;
    const CFont* m_painterFont = nullptr;
    mutable std::optional<QFontMetrics> m_metrics;
    mutable const CFont* m_metricsFont = nullptr;

    bool m_recording = false;
    std::vector<std::string> m_log;
};

// A CDC that only records, for tests of drawing code.
class CRecordingDC : public CDC {
public:
    CRecordingDC() { StartRecording(); }
};

// The device context of a window's paint handler: valid only inside OnPaint/OnEraseBkgnd.
// rcPaint is the area to repaint.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    struct PaintInfo { CRect rcPaint; bool fErase = false; } m_ps;

private:
    std::unique_ptr<QPainter> m_own;
};

// A window's device context outside painting: it measures text with the window's font, and
// what it draws shows over the window at once and stays until that part of the window is next
// invalidated (tracking lines drawn twice with DrawFocusRect vanish again).
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window, bool wholeWindow = false);
    ~CClientDC() override;

private:
    CWnd* m_window;
    std::unique_ptr<QPainter> m_own;
};

// The same over the whole window, borders included.
class CWindowDC : public CClientDC {
public:
    explicit CWindowDC(CWnd* window) : CClientDC(window, true) {}
};

#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A memory DC over a white bitmap, for checking pixels.
class PixelDC : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        bitmap.CreateCompatibleBitmap(&dc, 60, 40);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 60, 40, RGB(255, 255, 255));
    }
    QColor At(int x, int y) { return bitmap.Image().pixelColor(x, y); }
    bool White(int x, int y) { return At(x, y) == QColor(Qt::white); }

    CDC dc;
    CBitmap bitmap;
};

} // namespace

TEST(RecordingDC, DrawingCallsReadAsLines)
{
    CRecordingDC dc;
    CRect cell(0, 0, 10, 10);
    dc.FillSolidRect(&cell, RGB(255, 255, 255));
    CPen dots(PS_DOT, 1, RGB(1, 2, 3));
    CPen* old = dc.SelectObject(&dots);
    dc.MoveTo(0, 9);
    dc.LineTo(10, 9);
    dc.SelectObject(old);
    dc.SelectStockObject(NULL_PEN);
    dc.LineTo(20, 9); // an invisible pen draws nothing
    dc.SetTextColor(RGB(255, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText("caf\xE9", &cell, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    dc.SetBkMode(OPAQUE);
    dc.ExtTextOut(2, 3, ETO_CLIPPED, &cell, "x");
    dc.Draw3dRect(&cell, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    dc.DrawFocusRect(&cell);
    EXPECT_EQ(dc.Recording(), (std::vector<std::string>{
                                  "FillRect 0,0,10,10 #ffffff",
                                  "Line 0,9 10,9 dot 1 #010203",
                                  "DrawText 0,0,10,10 0x826 #ff0000 \"caf\xE9\"",
                                  "ExtTextOut 2,3 0x4 0,0,10,10 #ff0000 bk #ffffff \"x\"",
                                  "Draw3dRect 0,0,10,10 #ffffff #a0a0a0",
                                  "DrawFocusRect 0,0,10,10",
                              }));
    EXPECT_EQ(dc.TakeRecording().size(), 6u);
    EXPECT_TRUE(dc.Recording().empty());
}

TEST(RecordingDC, SaveAndRestoreBringBackObjectsColoursAndClip)
{
    CRecordingDC dc;
    CPen red(PS_SOLID, 2, RGB(255, 0, 0));
    int level = dc.SaveDC();
    dc.SelectObject(&red);
    dc.SetTextColor(RGB(0, 0, 255));
    dc.IntersectClipRect(5, 5, 15, 15);
    dc.SaveDC();
    dc.SetBkMode(TRANSPARENT);
    CRect box;
    EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(5, 5, 15, 15));
    EXPECT_TRUE(dc.RestoreDC(level)); // both levels at once
    EXPECT_EQ(dc.GetCurrentPen(), platform::StockPen(BLACK_PEN));
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    dc.GetClipBox(&box);
    EXPECT_GT(box.Width(), 15);
    EXPECT_FALSE(dc.RestoreDC(-1)); // nothing left
    EXPECT_FALSE(dc.RestoreDC(7));
}

TEST(RecordingDC, DrawTextCalcRectMeasuresWithoutDrawing)
{
    CRecordingDC dc;
    CRect single(10, 10, 11, 11);
    int height = dc.DrawText("Wide text", &single, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(single.left, 10);
    EXPECT_EQ(single.Width(), dc.GetTextExtent("Wide text").cx);
    EXPECT_EQ(height, single.Height());
    CRect wrapped(0, 0, 40, 0);
    int wrappedHeight = dc.DrawText("several words to wrap here", &wrapped, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GT(wrappedHeight, 2 * height);
    EXPECT_LE(wrapped.Width(), 40 + dc.GetTextExtent("several").cx);
    EXPECT_TRUE(dc.Recording().empty());
    // The prefix character hides unless DT_NOPREFIX.
    CRect a(0, 0, 1, 1), b(0, 0, 1, 1);
    dc.DrawText("&File", &a, DT_CALCRECT | DT_SINGLELINE);
    dc.DrawText("&File", &b, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_LT(a.Width(), b.Width());
}

TEST(Fonts, WindowsFacesMapToMetricCompatibleFaces)
{
    CFont mono, sans;
    ASSERT_TRUE(mono.CreateFont(-13, 0, 0, 0, FW_BOLD, 1, 0, 0, 0, 0, 0, 0, 0, "Courier New"));
    ASSERT_TRUE(sans.CreatePointFont(80, "MS Sans Serif"));
    EXPECT_EQ(mono.QtFont().family(), "Liberation Mono");
    EXPECT_EQ(mono.QtFont().pixelSize(), 13);
    EXPECT_TRUE(mono.QtFont().bold());
    EXPECT_TRUE(mono.QtFont().italic());
    EXPECT_EQ(sans.QtFont().family(), "Liberation Sans");
    EXPECT_EQ(sans.QtFont().pixelSize(), 11);
    LOGFONT log{};
    ASSERT_TRUE(mono.GetLogFont(&log));
    EXPECT_EQ(log.lfHeight, -13);
    EXPECT_STREQ(log.lfFaceName, "Courier New");
    // A face name filling the whole record is cut, not read past.
    LOGFONT longName{};
    std::memset(longName.lfFaceName, 'A', sizeof longName.lfFaceName);
    CFont cut;
    ASSERT_TRUE(cut.CreateFontIndirect(&longName));
    ASSERT_TRUE(cut.GetLogFont(&log));
    EXPECT_EQ(std::strlen(log.lfFaceName), size_t(LF_FACESIZE - 1));
}

TEST(Fonts, TextMetricsAreConsistent)
{
    CRecordingDC dc;
    CFont font;
    font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    dc.SelectObject(&font);
    TEXTMETRIC tm{};
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 12);
    EXPECT_GT(tm.tmAveCharWidth, 0);
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
    CFont cell;
    cell.CreateFont(tm.tmHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    dc.SelectObject(&cell); // a positive height asks for the whole cell
    TEXTMETRIC cellTm{};
    dc.GetTextMetrics(&cellTm);
    EXPECT_NEAR(cellTm.tmHeight, tm.tmHeight, 1);
}

TEST_F(PixelDC, LineToLeavesOutItsEndPoint)
{
    dc.MoveTo(2, 5);
    dc.LineTo(12, 5);
    EXPECT_EQ(At(2, 5), QColor(Qt::black));
    EXPECT_EQ(At(11, 5), QColor(Qt::black));
    EXPECT_TRUE(White(12, 5));
    dc.MoveTo(20, 12);
    dc.LineTo(20, 2); // upwards
    EXPECT_EQ(At(20, 12), QColor(Qt::black));
    EXPECT_TRUE(White(20, 2));
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(20, 2));
}

TEST_F(PixelDC, RectangleOutlinesInsideAndFillsWithTheBrush)
{
    CBrush grey(RGB(128, 128, 128));
    dc.SelectObject(&grey);
    dc.Rectangle(10, 10, 20, 20);
    EXPECT_EQ(At(10, 10), QColor(Qt::black));
    EXPECT_EQ(At(19, 19), QColor(Qt::black));
    EXPECT_TRUE(White(20, 20));
    EXPECT_EQ(At(15, 15), QColor(128, 128, 128));
}

TEST_F(PixelDC, DrawEdgeAdjustsAndDraw3dRectColoursItsSides)
{
    CRect edge(0, 0, 10, 10);
    dc.DrawEdge(&edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(edge, CRect(2, 2, 8, 8));
    EXPECT_EQ(At(0, 5), QColor(160, 160, 160)); // outer top-left: shadow
    dc.Draw3dRect(20, 0, 10, 10, RGB(255, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(At(20, 0), QColor(255, 0, 0));
    EXPECT_EQ(At(29, 9), QColor(0, 0, 255));
    EXPECT_EQ(At(29, 0), QColor(0, 0, 255)); // the far corner belongs to the bottom-right
    EXPECT_TRUE(White(25, 5));
}

TEST_F(PixelDC, ClippedTextStaysInItsRectangleAndOpaqueFillsIt)
{
    dc.SetBkColor(RGB(0, 255, 0));
    CRect clip(0, 0, 8, 20);
    dc.ExtTextOut(2, 2, ETO_CLIPPED | ETO_OPAQUE, &clip, "WWWWWWWW");
    EXPECT_EQ(At(0, 18), QColor(0, 255, 0));
    for (int y = 0; y < 20; ++y)
        EXPECT_TRUE(White(8, y)) << y;
    dc.IntersectClipRect(30, 0, 40, 40);
    dc.FillSolidRect(0, 30, 60, 5, RGB(0, 0, 0));
    EXPECT_TRUE(White(29, 31));
    EXPECT_EQ(At(30, 31), QColor(Qt::black));
}

TEST_F(PixelDC, FocusRectangleDrawnTwiceVanishes)
{
    CRect r(5, 5, 25, 25);
    QImage before = bitmap.Image().copy();
    dc.DrawFocusRect(&r);
    EXPECT_NE(bitmap.Image(), before);
    dc.DrawFocusRect(&r);
    EXPECT_EQ(bitmap.Image(), before);
}

TEST_F(PixelDC, Windows1252TextDrawsItsCharacters)
{
    CRect r(0, 0, 60, 20);
    dc.DrawText("\x80", &r, DT_SINGLELINE | DT_NOPREFIX);
    QImage euroBytes = bitmap.Image().copy();
    dc.FillSolidRect(&r, RGB(255, 255, 255));
    QPainter painter(&bitmap.Image());
    painter.end();
    CRecordingDC measure;
    EXPECT_EQ(measure.GetTextExtent("\x80").cx,
              QFontMetrics(platform::StockFont()->QtFont()).horizontalAdvance(QString::fromUtf8("\u20AC")));
    EXPECT_NE(euroBytes, bitmap.Image()); // something was drawn
}

TEST(SystemMetrics, UnknownIndexesAnswerZero)
{
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(999), 0u);
    EXPECT_EQ(GetSystemMetrics(12345), 0);
    EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
}

TEST(ScreenDepth, AnswersTrueColourUnlessAnOlderDisplayIsStoodIn)
{
    CDC screen;
    EXPECT_EQ(screen.GetDeviceCaps(BITSPIXEL), 32);
    platform::SetScreenBitsPerPixel(8);
    EXPECT_EQ(screen.GetDeviceCaps(BITSPIXEL), 8);
    platform::SetScreenBitsPerPixel(0);
    EXPECT_EQ(screen.GetDeviceCaps(BITSPIXEL), 32);
}

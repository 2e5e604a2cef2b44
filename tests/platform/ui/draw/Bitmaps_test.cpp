// Raster operations, monochrome masks, bitmaps from the program's pictures and from BMP files,
// drawing outside a paint, and the colours a parent gives its controls.
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/Static.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "platform/ui/window/ResourceRegistry.h"
#include "platform/ui/window/Wnd.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QLineEdit>
#include <fstream>
#include <gtest/gtest.h>
#include <set>

namespace {

struct MemoryDC {
    CDC dc;
    CBitmap bitmap;
    MemoryDC(int width, int height, COLORREF fill, bool monochrome = false)
    {
        dc.CreateCompatibleDC(nullptr);
        if (monochrome)
            bitmap.CreateBitmap(width, height, 1, 1, nullptr);
        else
            bitmap.CreateCompatibleBitmap(&dc, width, height);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, fill);
    }
    COLORREF At(int x, int y) const { return platform::FromQColor(bitmap.Image().pixelColor(x, y)); }
};

struct RopCase {
    DWORD rop;
    COLORREF expected;
};

constexpr COLORREF kSource = RGB(0x33, 0x55, 0xF0);
constexpr COLORREF kTarget = RGB(0x0F, 0xF0, 0x3C);

class RasterOperation : public ::testing::TestWithParam<RopCase> {};

} // namespace

TEST_P(RasterOperation, CombinesSourceAndTargetBitByBit)
{
    MemoryDC source(4, 4, kSource), target(4, 4, kTarget);
    ASSERT_TRUE(target.dc.BitBlt(0, 0, 2, 2, &source.dc, 0, 0, GetParam().rop));
    EXPECT_EQ(target.At(1, 1), GetParam().expected);
    EXPECT_EQ(target.At(3, 3), kTarget); // outside the copy
}

TEST(RasterOperations, WithoutASourceOrAnOperationOfferedNothingIsCopied)
{
    MemoryDC target(4, 4, kTarget);
    CDC noBitmap;
    EXPECT_FALSE(target.dc.BitBlt(0, 0, 2, 2, &noBitmap, 0, 0, SRCCOPY));
    EXPECT_FALSE(target.dc.BitBlt(0, 0, 2, 2, nullptr, 0, 0, SRCAND));
    EXPECT_FALSE(target.dc.BitBlt(0, 0, 2, 2, &target.dc, 0, 0, 0x00123456));
    EXPECT_EQ(target.At(0, 0), kTarget);
}

INSTANTIATE_TEST_SUITE_P(Rops, RasterOperation, ::testing::Values(
    RopCase{SRCCOPY, kSource},
    RopCase{SRCAND, RGB(0x33 & 0x0F, 0x55 & 0xF0, 0xF0 & 0x3C)},
    RopCase{SRCPAINT, RGB(0x33 | 0x0F, 0x55 | 0xF0, 0xF0 | 0x3C)},
    RopCase{SRCINVERT, RGB(0x33 ^ 0x0F, 0x55 ^ 0xF0, 0xF0 ^ 0x3C)},
    RopCase{SRCERASE, RGB(0x33 & ~0x0F & 0xFF, 0x55 & ~0xF0 & 0xFF, 0xF0 & ~0x3C & 0xFF)},
    RopCase{NOTSRCCOPY, RGB(0xCC, 0xAA, 0x0F)},
    RopCase{DSTINVERT, RGB(0xF0, 0x0F, 0xC3)},
    RopCase{BLACKNESS, RGB(0, 0, 0)},
    RopCase{WHITENESS, RGB(255, 255, 255)}));

TEST(Bitmaps, AMaskLaysAPictureWithItsBackgroundLeftOutOverAnother)
{
    // A drawing on white, and a blue background to show where its white was.
    MemoryDC drawing(8, 8, RGB(255, 255, 255)), background(8, 8, RGB(0, 0, 255));
    drawing.dc.FillSolidRect(2, 2, 3, 3, RGB(255, 0, 0));
    MemoryDC mask(8, 8, RGB(0, 0, 0), true);
    drawing.dc.SetBkColor(RGB(255, 255, 255));
    ASSERT_TRUE(mask.dc.BitBlt(0, 0, 8, 8, &drawing.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(mask.At(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(mask.At(3, 3), RGB(0, 0, 0));

    // Mask bits: 1 takes the target's background colour, 0 its text colour.
    drawing.dc.SetBkColor(RGB(0, 0, 0));
    drawing.dc.SetTextColor(RGB(255, 255, 255));
    drawing.dc.BitBlt(0, 0, 8, 8, &mask.dc, 0, 0, SRCAND);
    background.dc.SetBkColor(RGB(255, 255, 255));
    background.dc.SetTextColor(RGB(0, 0, 0));
    background.dc.BitBlt(0, 0, 8, 8, &mask.dc, 0, 0, SRCAND);
    background.dc.BitBlt(0, 0, 8, 8, &drawing.dc, 0, 0, SRCPAINT);
    EXPECT_EQ(background.At(3, 3), RGB(255, 0, 0));
    EXPECT_EQ(background.At(0, 0), RGB(0, 0, 255));
}

TEST(Bitmaps, MadeFromBitsFromTheProgramsPicturesAndFromBmpFiles)
{
    const unsigned char rows[] = {0x80, 0, 0x40, 0}; // 2 rows of one 16-bit word
    CBitmap mono;
    ASSERT_TRUE(mono.CreateBitmap(2, 2, 1, 1, rows));
    EXPECT_TRUE(mono.IsMonochrome());
    EXPECT_EQ(mono.Image().pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(mono.Image().pixelColor(1, 0), QColor(Qt::black));
    EXPECT_EQ(mono.Image().pixelColor(1, 1), QColor(Qt::white));
    EXPECT_FALSE(mono.CreateBitmap(2, 2, 1, 8, nullptr));
    EXPECT_FALSE(mono.CreateCompatibleBitmap(nullptr, CBitmap::kMaxSide + 1, 1));

    static const char* const kPicture[] = {"2 1 2 1", "r c #FF0000", "g c #00FF00", "rg"};
    const BitmapResource picture{4711, kPicture};
    platform::ResourceRegistration<BitmapResource> registered{picture};
    CBitmap loaded;
    ASSERT_TRUE(loaded.LoadBitmap(4711));
    EXPECT_EQ(loaded.Image().pixelColor(1, 0), QColor(0, 255, 0));
    EXPECT_FALSE(loaded.LoadBitmap(4712));

    // A 1 x 1 bitmap of 24 bits: file header, info header, one padded row.
    testsupport::TempFolder folder;
    const unsigned char bmp[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0,
                                 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0,
                                 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x10, 0x20, 0x30, 0};
    testsupport::WriteTextFile(folder / "one.bmp", std::string(reinterpret_cast<const char*>(bmp), sizeof bmp));
    testsupport::WriteTextFile(folder / "not.bmp", "GIF89a");
    CBitmap file;
    ASSERT_TRUE(file.LoadFromFile(folder / "one.bmp"));
    EXPECT_EQ(file.Image().pixelColor(0, 0), QColor(0x30, 0x20, 0x10));
    EXPECT_FALSE(file.LoadFromFile(folder / "not.bmp"));
    EXPECT_EQ(file.Image().pixelColor(0, 0), QColor(0x30, 0x20, 0x10)); // what it had stays
}

namespace {

// Paints its client area blue and colours its statics and edits.
class Painter : public CWnd {
public:
    CBrush green{RGB(0, 255, 0)};
    CBrush yellow{RGB(255, 255, 0)};
    bool OnEraseBkgnd(CDC* dc) override
    {
        CRect client;
        GetClientRect(&client);
        dc->FillSolidRect(&client, RGB(0, 0, 255));
        return true;
    }
    CBrush* OnCtlColor(CDC* dc, CWnd* child, UINT kind) override
    {
        dc->SetTextColor(RGB(255, 0, 0));
        if (kind == CTLCOLOR_EDIT)
            return &yellow;
        dc->SetBkMode(child->GetDlgCtrlID() == 1 ? TRANSPARENT : OPAQUE);
        return &green;
    }
};

} // namespace

TEST(ControlColors, AParentColoursItsControlsAndTransparentStaticsShowItsPainting)
{
    Painter parent;
    CStatic transparent, filled;
    CEdit edit;
    ASSERT_TRUE(parent.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 200, 120), nullptr, 0));
    ASSERT_TRUE(transparent.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 30), &parent, 1));
    ASSERT_TRUE(filled.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 40, 100, 70), &parent, 2));
    ASSERT_TRUE(edit.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 80, 100, 104), &parent, 3));
    const QImage shot = parent.GetWidget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(50, 15), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(50, 55), QColor(0, 255, 0));
    EXPECT_EQ(transparent.GetWidget()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(edit.GetWidget()->palette().color(QPalette::Base), QColor(255, 255, 0));
}

// The style draws each control under its palette's key, and Qt keeps every such key as long as
// the program runs: controls in the program's own colours must share one palette, or every form
// opened would add its controls' keys for good.
TEST(ControlColors, ControlsInTheProgramsColoursShareOnePaletteWithItsGreyForDisabledText)
{
    std::set<qint64> keys;
    for (int form = 0; form < 2; ++form) {
        CWnd parent;
        CStatic label, greyed;
        CEdit edit;
        CButton button;
        CComboBox list;
        ASSERT_TRUE(parent.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 200, 160), nullptr, 0));
        ASSERT_TRUE(label.Create(nullptr, "Bidder", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &parent, 1));
        ASSERT_TRUE(greyed.Create(nullptr, "Not entered", WS_CHILD | WS_VISIBLE | WS_DISABLED, CRect(0, 25, 100, 45),
                                  &parent, 2));
        ASSERT_TRUE(edit.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 50, 100, 74), &parent, 3));
        ASSERT_TRUE(button.Create(nullptr, "Check", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 80, 100, 104),
                                  &parent, 4));
        ASSERT_TRUE(list.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 110, 100, 200),
                                &parent, 5));
        parent.GetWidget()->grab();
        for (CWnd* control : std::initializer_list<CWnd*>{&label, &greyed, &edit, &button, &list})
            keys.insert(control->GetWidget()->palette().cacheKey());
        EXPECT_EQ(greyed.GetWidget()->palette().color(QPalette::Disabled, QPalette::WindowText),
                  platform::ToQColor(GetSysColor(COLOR_GRAYTEXT)));
        parent.DestroyWindow();
    }
    EXPECT_EQ(keys.size(), 1u);
}

TEST(ClientDC, DrawingOutsideAPaintShowsUntilThatPartIsInvalidated)
{
    CWnd window;
    ASSERT_TRUE(window.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 100, 60), nullptr, 0));
    const QImage plain = window.GetWidget()->grab().toImage();
    CRect line(10, 10, 60, 12);
    {
        CClientDC dc(&window);
        dc.FillSolidRect(0, 40, 10, 10, RGB(255, 0, 0));
        dc.DrawFocusRect(&line);
    }
    QImage drawn = window.GetWidget()->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(5, 45), QColor(255, 0, 0));
    const QRect lineArea(10, 10, 50, 2);
    EXPECT_NE(drawn.copy(lineArea), plain.copy(lineArea));
    {
        CClientDC dc(&window); // a tracking line drawn again goes away
        dc.DrawFocusRect(&line);
    }
    drawn = window.GetWidget()->grab().toImage();
    EXPECT_EQ(drawn.copy(lineArea), plain.copy(lineArea));
    window.Invalidate();
    EXPECT_EQ(window.GetWidget()->grab().toImage(), plain);
}

TEST(ClientDC, AWindowPrintsItsOwnPaintingIntoAMemoryDC)
{
    CWnd host;
    CEdit edit;
    ASSERT_TRUE(host.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 120, 40), nullptr, 0));
    ASSERT_TRUE(edit.Create(nullptr, "WWWW", WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 30), &host, 1));
    MemoryDC memory(120, 30, RGB(0, 0, 255));
    edit.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(&memory.dc));
    EXPECT_NE(memory.At(60, 2), RGB(0, 0, 255)); // the edit's own background is there now
}

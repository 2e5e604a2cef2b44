#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/ImageList.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A strip of count images, image i filled with red i * 50, with a blue dot in its corner.
QImage Strip(int count, int cx, int cy)
{
    QImage strip(count * cx, cy, QImage::Format_RGB32);
    for (int i = 0; i < count; ++i)
        for (int x = 0; x < cx; ++x)
            for (int y = 0; y < cy; ++y)
                strip.setPixel(i * cx + x, y, x == 0 && y == 0 ? qRgb(0, 0, 255) : qRgb(i * 50, 0, 0));
    return strip;
}

} // namespace

TEST(ImageList, StripsAreCutIntoWholeImages)
{
    CImageList list;
    ASSERT_TRUE(list.Create(Strip(6, 16, 16), 16, 0, RGB(0, 0, 255)));
    EXPECT_EQ(list.GetImageCount(), 6);
    EXPECT_EQ(list.GetImageSize(), CSize(16, 16));

    // A bitmap 40 wide holds two whole 16-wide images; the rest is left out.
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(nullptr, 40, 10));
    EXPECT_EQ(list.Add(&bitmap, CLR_NONE), 6);
    EXPECT_EQ(list.GetImageCount(), 8);
    CBitmap narrow;
    ASSERT_TRUE(narrow.CreateCompatibleBitmap(nullptr, 8, 16));
    EXPECT_EQ(list.Add(&narrow, CLR_NONE), -1);
    EXPECT_EQ(list.Add(nullptr, CLR_NONE), -1);
    EXPECT_EQ(list.GetImageCount(), 8);
    // The shorter bitmap was padded with transparent rows.
    EXPECT_EQ(qAlpha(list.Pixmap(6)->toImage().pixel(3, 12)), 0);

    CImageList bad;
    EXPECT_FALSE(bad.Create(0, 16, ILC_MASK, 1, 1));
    EXPECT_FALSE(bad.Create(16, 100000, ILC_MASK, 1, 1));
    EXPECT_EQ(bad.Add(&bitmap, CLR_NONE), -1);
}

TEST(ImageList, DrawCopiesOneImageWithItsMaskedPixelsLeftOut)
{
    CImageList list;
    ASSERT_TRUE(list.Create(Strip(3, 8, 8), 8, 0, RGB(0, 0, 255)));

    CRecordingDC recording;
    EXPECT_TRUE(list.Draw(&recording, 2, CPoint(10, 20), ILD_TRANSPARENT));
    EXPECT_FALSE(list.Draw(&recording, 3, CPoint(0, 0), ILD_NORMAL));
    EXPECT_FALSE(list.Draw(&recording, -1, CPoint(0, 0), ILD_NORMAL));
    EXPECT_EQ(recording.Recording(), (std::vector<std::string>{"BitBlt 10,20,18,28 from 0,0"}));

    QImage target(30, 30, QImage::Format_RGB32);
    target.fill(qRgb(0, 255, 0));
    {
        QPainter painter(&target);
        CDC dc(&painter);
        EXPECT_TRUE(list.Draw(&dc, 2, CPoint(10, 10), ILD_NORMAL));
    }
    EXPECT_EQ(target.pixel(12, 12), qRgb(100, 0, 0));
    EXPECT_EQ(target.pixel(10, 10), qRgb(0, 255, 0)); // the blue dot is the mask colour
    EXPECT_EQ(target.pixel(5, 5), qRgb(0, 255, 0));
}

// The background painter: gradient bands that scroll with the content, bitmap tiles placed by
// the scroll position, and nothing at all when there is no picture.
#include "controls/views/ViewBackground.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "tests/support/TestEnvironment.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> Painted(const CViewBackground& background, CBackgroundArea area)
{
    CRecordingDC dc;
    background.Paint(dc, area);
    return dc.TakeRecording();
}

std::vector<std::string> Starting(const std::vector<std::string>& lines, const std::string& prefix)
{
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (line.rfind(prefix, 0) == 0)
            found.push_back(line);
    return found;
}

const CBackgroundArea k256High{CRect(0, 0, 100, 256), CSize(100, 256), CPoint(0, 0)};

} // namespace

TEST(ViewBackground, AGradientOver256PixelsPaints129BandsEndingInTheSecondColour)
{
    CViewBackground background;
    background.SetGradient(RGB(0, 0, 0), RGB(255, 255, 255));
    const std::vector<std::string> bands = Painted(background, k256High);
    ASSERT_EQ(bands.size(), 129u);
    EXPECT_EQ(bands.front(), "FillRect 0,0,100,3 #000000");
    EXPECT_EQ(bands.back(), "FillRect 0,256,100,259 #ffffff");
}

TEST(ViewBackground, ScrollingDownShiftsTheBandsUp)
{
    CViewBackground background;
    background.SetGradient(RGB(0, 0, 0), RGB(255, 255, 255));
    CBackgroundArea scrolled = k256High;
    scrolled.m_total = CSize(100, 512);
    scrolled.m_scroll = CPoint(0, 100);
    const std::vector<std::string> bands = Painted(background, scrolled);
    // Band 25 starts at 25 * 512 / 128 = 100, now at the top; band 24 still shows its last line.
    EXPECT_EQ(bands.front(), "FillRect 0,-4,100,1 #2f2f2f");
    EXPECT_EQ(bands[1], "FillRect 0,0,100,5 #313131");
}

TEST(ViewBackground, StepColoursTruncateTowardZeroInBothDirections)
{
    CViewBackground background;
    background.SetGradient(RGB(255, 0, 10), RGB(0, 255, 10));
    EXPECT_EQ(background.GetStepColor(1), RGB(254, 1, 10));
    EXPECT_EQ(background.GetStepColor(-5), RGB(255, 0, 10));
    EXPECT_EQ(background.GetStepColor(500), RGB(0, 255, 10));
    EXPECT_EQ(background.GetColorAt(128, 256), background.GetStepColor(64));
}

TEST(ViewBackground, ColoursNotGivenAreTheButtonFace)
{
    CViewBackground background;
    background.SetGradient(COLORREF(-1), COLORREF(-1));
    EXPECT_EQ(background.GetStepColor(0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(background.GetStepColor(128), GetSysColor(COLOR_BTNFACE));
}

TEST(ViewBackground, BitmapTilesStartAtTheScrollPositionWithinATile)
{
    testsupport::TempFolder folder;
    const std::string path = folder / "tile.bmp";
    QImage tile(40, 30, QImage::Format_RGB32);
    tile.fill(Qt::darkGreen);
    ASSERT_TRUE(tile.save(QString::fromStdString(path), "BMP"));
    CViewBackground background;
    ASSERT_EQ(background.SetBitmap(path), 1);
    const std::vector<std::string> tiles =
        Starting(Painted(background, {CRect(0, 0, 100, 50), CSize(), CPoint(45, 0)}), "BitBlt");
    // Columns at -5, 35, 75 in rows at 0 and 30.
    ASSERT_EQ(tiles.size(), 6u);
    EXPECT_EQ(tiles.front().substr(0, 20), "BitBlt -5,0,35,30 fr");
}

TEST(ViewBackground, AFileThatIsNoBitmapLeavesNoBackground)
{
    testsupport::TempFolder folder;
    const std::string path = folder / "notes.bmp";
    testsupport::WriteTextFile(path, "not a picture");
    CViewBackground background;
    background.SetGradient(RGB(1, 2, 3), RGB(4, 5, 6));
    EXPECT_EQ(background.SetBitmap(path), 0);
    EXPECT_FALSE(background.HasBackground());
    EXPECT_TRUE(Painted(background, k256High).empty());
    EXPECT_EQ(background.SetBitmap(folder / "missing.bmp"), 0);
}

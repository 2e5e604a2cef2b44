#include "app/doc/BidDoc.h"
#include "app/startup/Splash.h"
#include "app/startup/SplashPicture.h"
#include "app/startup/WindowPlacement.h"
#include "model/settings/BidderSettings.h"
#include "model/settings/ProxySettings.h"
#include "model/settings/UnitTable.h"
#include "model/text/NumberFormat.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/PictureMatch.h"
#include "tests/support/WindowManager.h"

#include <QTest>
#include <QWidget>

namespace {

QRect NormalGeometry(const CBidApp& app)
{
    return app.m_pMainWnd->GetWidget()->normalGeometry();
}

TEST_F(BidAppTest, SettingsWrittenAtShutDownAreReadAtTheNextStart)
{
    {
        auto app = Start();
        ASSERT_NE(app->m_pMainWnd, nullptr);
        EXPECT_TRUE(app->m_pMainWnd->IsWindowVisible());
        app->m_bPrintSave = 0;
        app->m_bAutoLoad = 0;
        GetMainDocument()->m_iGridMode = 0; // the item view last chosen
        app->m_iBackgroundType = 2;
        app->m_crTopColor = MakeColorRef(1, 2, 3);
        app->m_strBackgroundBitmap = "/home/u/paper.bmp";
        app->m_iHSplitterPos = 77;
        app->m_pMainWnd->MoveWindow(30, 50, 500, 400);
        Stop(*app);
    }
    EXPECT_EQ(Stored("Misc", "PrintSave"), "0");
    EXPECT_EQ(Stored("WindowMetrics", "XSize"), "500");
    EXPECT_EQ(Stored("WindowMetrics", "TopColor"), "1,2,3");

    auto app = Start();
    EXPECT_EQ(app->m_bPrintSave, 0);
    EXPECT_EQ(app->m_bAutoLoad, 0);
    EXPECT_EQ(app->m_bPrintCheck, 1);
    EXPECT_EQ(app->m_iGridMode, 0);
    EXPECT_EQ(app->m_iBackgroundType, 2);
    EXPECT_EQ(app->m_crTopColor, MakeColorRef(1, 2, 3));
    EXPECT_EQ(app->m_strBackgroundBitmap, "/home/u/paper.bmp");
    EXPECT_EQ(app->m_iHSplitterPos, 77);
    EXPECT_EQ(NormalGeometry(*app), QRect(30, 50, 500, 400));
    Stop(*app);
}

TEST_F(BidAppTest, AMaximisedWindowIsRestoredMaximisedWithItsNormalPlace)
{
    Store("WindowMetrics", "XPos", "20");
    Store("WindowMetrics", "YPos", "25");
    Store("WindowMetrics", "XSize", "300");
    Store("WindowMetrics", "YSize", "200");
    Store("WindowMetrics", "Maximized", "1");
    auto app = Start();
    EXPECT_TRUE(app->m_pMainWnd->GetWidget()->isMaximized());
    Stop(*app);
    EXPECT_EQ(Stored("WindowMetrics", "Maximized"), "1");
    EXPECT_EQ(Stored("WindowMetrics", "XPos"), "20");
    EXPECT_EQ(Stored("WindowMetrics", "YSize"), "200");
}

TEST_F(BidAppTest, WithoutSavePosThePlaceIsNotWritten)
{
    Store("Misc", "SavePos", "0");
    auto app = Start();
    Stop(*app);
    EXPECT_EQ(Stored("WindowMetrics", "XPos"), std::nullopt);
    EXPECT_EQ(Stored("WindowMetrics", "GridMode"), "1");
    EXPECT_EQ(Stored("Misc", "SavePos"), "0");
}

TEST_F(BidAppTest, AColourNamedBySpecialValueIsSavedAsItsColour)
{
    Store("WindowMetrics", "GridSelectionColor", "-3");
    Store("WindowMetrics", "GridLabelColor", "300,-1,256");
    auto app = Start();
    EXPECT_EQ(app->m_crGridSelectionColor, MakeColorRef(200, 214, 234));
    Stop(*app);
    EXPECT_EQ(Stored("WindowMetrics", "GridSelectionColor"), "200,214,234");
    EXPECT_EQ(Stored("WindowMetrics", "GridLabelColor"), "44,255,0");
}

TEST_F(BidAppTest, WithNoWindowMetricsTheWindowTakesTheDefaultPlace)
{
    auto app = Start();
    const CRect expected = DefaultWindowRect(GetDesktopWorkArea());
    EXPECT_EQ(NormalGeometry(*app), QRect(expected.left, expected.top, expected.Width(), expected.Height()));
    EXPECT_EQ(app->m_iHSplitterPos, expected.Height() / 2);
    Stop(*app);
}

TEST_F(BidAppTest, AStoredPlaceOffEveryScreenGivesWayToTheDefault)
{
    Store("WindowMetrics", "XPos", "-5000");
    Store("WindowMetrics", "YPos", "40");
    auto app = Start();
    EXPECT_EQ(NormalGeometry(*app).x(), DefaultWindowRect(GetDesktopWorkArea()).left);
    Stop(*app);
}

TEST_F(BidAppTest, ExitFreesTheProgramWideRecords)
{
    auto app = Start();
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_NAME), "Unknown");
    EXPECT_EQ(GetUnitList().size(), 46u);
    Stop(*app);
    EXPECT_EQ(GetBidderInfo(), nullptr);
    EXPECT_TRUE(GetUnitList().empty());
}

TEST_F(BidAppTest, TheSplashShowsTheProgramsPictureAndAClickClosesIt)
{
    auto app = Start();
    ASSERT_NE(app->m_pSplash, nullptr);
    QWidget* splash = app->m_pSplash->GetWidget();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(app->m_pSplash->GetPicture().GetSize().cx,
                                    app->m_pSplash->GetPicture().GetSize().cy));
    // What the window paints is the picture, not an empty bitmap.
    const QImage painted = splash->grab().toImage();
    EXPECT_TRUE(testsupport::MatchesPicture(painted, DrawSplashPicture(FormatVersionString(-1))));
    QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(10, 10));
    Settle();
    EXPECT_EQ(app->m_pSplash->GetWidget(), nullptr);
    Stop(*app);
}

TEST_F(BidAppTest, UnderAWindowManagerTheSplashStaysAboveTheMainWindowUntilItCloses)
{
    if (!testsupport::WindowManager::Start())
        GTEST_SKIP() << "which window shows above which is a window manager's to say";
    auto app = Start();
    ASSERT_NE(app->m_pSplash, nullptr);
    app->m_pSplash->KillTimer(CSplash::kCloseTimer); // it stays until the test has looked
    QWidget* splash = app->m_pSplash->GetWidget();
    QWidget* main = app->m_pMainWnd->GetWidget();
    // The manager raises the window it activates: the main window, shown last.
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    EXPECT_TRUE(testsupport::WindowManager::Above(splash, main));
    Stop(*app);
}

TEST_F(BidAppTest, NoSplashWhenTurnedOff)
{
    Store("Misc", "ShowSplash", "0");
    auto app = Start();
    EXPECT_EQ(app->m_pSplash, nullptr);
    Stop(*app);
    EXPECT_EQ(Stored("Misc", "ShowSplash"), "0");
}

TEST_F(BidAppTest, TheConfigurationFileOnTheCommandLineHoldsTheGroupsAndIsOfferedForExport)
{
    const std::string ini = m_folder / "office.ini";
    testsupport::WriteTextFile(ini, "[HKEY_CURRENT_USER\\Software\\Wendrick\\Tarvello\\Zod\\Proxy]\n"
                                    "UseProxy=1\nAddress=gate\nPort=81\n");
    auto app = Start({"-INI=" + ini});
    EXPECT_EQ(app->m_strConfigFile, ini);
    EXPECT_EQ(app->m_strExportFile, ini);
    EXPECT_EQ(GetProxySettings().m_strAddress, "gate");
    // The groups went to the named file; the window's settings stay the user's.
    EXPECT_NE(testsupport::ReadTextFile(ini).find("Name=Unknown"), std::string::npos);
    Stop(*app);
    EXPECT_EQ(testsupport::ReadTextFile(ini).find("WindowMetrics"), std::string::npos);
    EXPECT_EQ(Stored("Misc", "PrintSave"), "1");
    EXPECT_EQ(Stored("Bidder", "Name"), std::nullopt);
}

} // namespace

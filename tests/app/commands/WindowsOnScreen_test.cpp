// The windows the program opens lie inside the screen's available area, frame and all, however
// large they would like to be (the offscreen test screen, 800 by 600, is smaller than the
// preview), and wherever a window manager would have put them: they open centred on the main
// window.
#include "platform/ui/dialogs/QtModalServices.h"
#include "platform/ui/print/PrintPreview.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/support/ModalSteps.h"
#include "tests/support/WindowManager.h"

#include <QDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>

namespace {

std::string Described(const QRect& rect)
{
    return std::to_string(rect.x()) + "," + std::to_string(rect.y()) + " " + std::to_string(rect.width()) + "x"
           + std::to_string(rect.height());
}

} // namespace

class WindowsOnScreen : public CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        testsupport::WindowManager::Start();
        Store("Misc", "PrintCheck", "0");
        StartOnSample();
        m_area = Main()->screen()->availableGeometry();
    }

    QWidget* Main() { return Frame().GetWidget(); }

    // File > Print Preview by keys with the main window at `where`; the preview's frame.
    QRect PreviewFrameWithTheMainWindowAt(const QRect& where)
    {
        Main()->setGeometry(where);
        Settle();
        Activate();
        ChooseByKeys(Qt::Key_F, {Qt::Key_V});
        platform::PrintPreviewWindow* preview = platform::ActivePreview();
        if (!preview || !QTest::qWaitForWindowExposed(preview))
            return {};
        Settle();
        const QRect frame = preview->frameGeometry();
        preview->ClosePreview();
        Settle();
        return frame;
    }

    // Inside the screen, and centred on the main window where there is room for it (the
    // offscreen screen has none for the preview: it fills it).
    void ExpectInsideAndCentred(const QRect& frame)
    {
        EXPECT_TRUE(m_area.contains(frame)) << Described(frame);
        if (frame.width() < m_area.width() && frame.height() < m_area.height()) {
            const QPoint offCentre = frame.center() - Main()->frameGeometry().center();
            EXPECT_LE(offCentre.manhattanLength(), 60) << Described(frame) << " over " << Described(Main()->frameGeometry());
        }
    }

    QRect m_area;
};

TEST_F(WindowsOnScreen, ThePreviewOpensCentredOnTheMainWindowAndInsideTheScreen)
{
    const QRect centred = PreviewFrameWithTheMainWindowAt(Main()->geometry());
    ASSERT_FALSE(centred.isEmpty()) << "no preview opened";
    ExpectInsideAndCentred(centred);

    // A small main window low and right, then high and left: the preview, centred on it, would
    // hang off the screen, its title bar above the top the second time.
    const QSize small(400, 200);
    const QRect pulledUp = PreviewFrameWithTheMainWindowAt(QRect(m_area.bottomRight() - QPoint(400, 250), small));
    EXPECT_TRUE(m_area.contains(pulledUp)) << Described(pulledUp);
    const QRect pulledDown = PreviewFrameWithTheMainWindowAt(QRect(m_area.topLeft() + QPoint(0, 30), small));
    EXPECT_TRUE(m_area.contains(pulledDown)) << Described(pulledDown);
}

TEST_F(WindowsOnScreen, TheOptionsSheetOpensCentredOnTheMainWindow)
{
    Activate();
    platform::QtModalServices real;
    platform::ScopedModalServices installed(real);
    QRect sheet;
    testsupport::ModalSteps steps({{testsupport::Titled("ZOD Options"), [&sheet](QWidget* window) {
                                        if (QTest::qWaitForWindowExposed(window))
                                            sheet = window->frameGeometry();
                                        static_cast<QDialog*>(window)->reject();
                                    }}});
    ChooseByKeys(Qt::Key_T, {Qt::Key_O});
    testsupport::RunPending();
    ASSERT_TRUE(steps.AllDone()) << "the options did not come up";
    ASSERT_FALSE(sheet.isEmpty());
    ExpectInsideAndCentred(sheet);
}

// The Print dialog grows by its options when "Options >>" is pressed: low on the screen, it is
// moved up so that its buttons stay on it.
TEST_F(WindowsOnScreen, ThePrintDialogGrownByItsOptionsStaysInsideTheScreen)
{
    m_app->m_bPrintSave = 0; // printed as it is, unsaved
    Main()->setGeometry(QRect(m_area.bottomLeft() - QPoint(0, 240), QSize(500, 200)));
    Settle();
    Activate();
    platform::QtModalServices real;
    platform::ScopedModalServices installed(real);
    QRect shown, grown;
    testsupport::ModalSteps steps({{testsupport::OfClass<QPrintDialog>(), [&](QWidget* window) {
                                        if (QTest::qWaitForWindowExposed(window))
                                            shown = window->frameGeometry();
                                        for (auto* button : window->findChildren<QPushButton*>())
                                            if (button->text().contains("Options"))
                                                QTest::mouseClick(button, Qt::LeftButton);
                                        (void)QTest::qWaitFor([&] { return window->height() > shown.height(); }, 2000);
                                        QTest::qWait(100);
                                        grown = window->frameGeometry();
                                        static_cast<QDialog*>(window)->reject();
                                    }}});
    PressCtrl(Qt::Key_P);
    testsupport::RunPending();
    ASSERT_TRUE(steps.AllDone()) << "the print dialog did not come up";
    EXPECT_EQ(steps.Strays(), 0);
    EXPECT_TRUE(m_area.contains(shown)) << Described(shown);
    EXPECT_GT(grown.height(), shown.height()) << "the options did not show";
    EXPECT_TRUE(m_area.contains(grown)) << Described(grown);
}

// The main window as the bidder left it on a larger screen (1366 by 768 kept on 1024 by 600).
class StoredMainWindow : public CommandTest {
protected:
    void StartWithTheWindowStored(const QSize& beyondTheScreen, bool maximized)
    {
        StoreTheWindow(beyondTheScreen, maximized);
        StartOnSample();
    }
    void StoreTheWindow(const QSize& beyondTheScreen, bool maximized)
    {
        m_area = QGuiApplication::primaryScreen()->availableGeometry();
        Store("WindowMetrics", "XPos", std::to_string(m_area.x()));
        Store("WindowMetrics", "YPos", std::to_string(m_area.y()));
        Store("WindowMetrics", "XSize", std::to_string(m_area.width() + beyondTheScreen.width()));
        Store("WindowMetrics", "YSize", std::to_string(m_area.height() + beyondTheScreen.height()));
        Store("WindowMetrics", "Maximized", maximized ? "1" : "0");
    }
    QRect m_area;
};

class StoredLarger : public StoredMainWindow, public ::testing::WithParamInterface<QSize> {};

TEST_P(StoredLarger, ItOpensInsideTheScreenWithItsStatusBar)
{
    testsupport::WindowManager::Start();
    StartWithTheWindowStored(GetParam(), false);
    QWidget* main = Frame().GetWidget();
    // A window manager frames the window a little after it is shown, then it is fitted again.
    (void)QTest::qWaitFor([main] { return main->frameGeometry() != main->geometry(); }, 2000);
    Settle();
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_area.contains(main->frameGeometry()); }, 2000))
        << Described(main->frameGeometry()) << " in " << Described(m_area);
    EXPECT_GE(main->frameGeometry().width(), m_area.width() - 8) << Described(main->frameGeometry());
    // The status bar, with the bid total, is on the screen.
    const QWidget* bar = Frame().GetStatusBar().GetWidget();
    const QRect barOnScreen(bar->mapToGlobal(QPoint(0, 0)), bar->size());
    EXPECT_TRUE(m_area.contains(barOnScreen)) << Described(barOnScreen);
}

// Beyond the screen as a 1231 by 639 and a 1366 by 768 window kept on a 1024 by 600 screen.
INSTANTIATE_TEST_SUITE_P(Sizes, StoredLarger, ::testing::Values(QSize(207, 39), QSize(342, 168)));

// Opened with its amendments beside it, the proposal shows the window under the report of its
// changes: framed meanwhile, it is fitted then, not only once the report is closed.
TEST_F(StoredMainWindow, UnderTheAmendmentReportItIsAlreadyInsideTheScreen)
{
    if (!testsupport::WindowManager::Start())
        GTEST_SKIP() << "framing is a window manager's";
    StoreTheWindow(QSize(342, 168), false);
    Store("Bidder\\IDS", "DOT", "V0042917");
    platform::QtModalServices real;
    platform::ScopedModalServices installed(real);
    QRect underTheReport;
    testsupport::ModalSteps steps({{testsupport::Titled("Amendment Changes"), [&](QWidget* report) {
                                        QWidget* main = Frame().GetWidget();
                                        (void)QTest::qWaitFor([main] { return main->frameGeometry() != main->geometry(); }, 2000);
                                        (void)QTest::qWaitFor([&] { return m_area.contains(main->frameGeometry()); }, 2000);
                                        underTheReport = main->frameGeometry();
                                        static_cast<QDialog*>(report)->accept();
                                    }}});
    StartOn(InLetting("sample.tvb"));
    ASSERT_TRUE(steps.AllDone()) << "the amendment report did not come up";
    EXPECT_EQ(steps.Strays(), 0);
    EXPECT_TRUE(m_area.contains(underTheReport)) << Described(underTheReport) << " in " << Described(m_area);
}

// Restored, it comes back to its normal place, fitted like any other. (No window manager: one
// just started may take the maximised state away again, a race of its own.)
TEST_F(StoredMainWindow, AMaximisedOneStaysMaximisedWithItsNormalPlaceInsideTheScreen)
{
    StartWithTheWindowStored(QSize(342, 168), true);
    const QWidget* main = Frame().GetWidget();
    EXPECT_TRUE(main->isMaximized());
    EXPECT_TRUE(m_area.contains(main->normalGeometry())) << Described(main->normalGeometry());
    EXPECT_GE(main->normalGeometry().width(), m_area.width() - 8) << Described(main->normalGeometry());
}

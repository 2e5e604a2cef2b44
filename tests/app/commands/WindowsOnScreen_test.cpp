// The windows the program opens lie inside the screen's available area, frame and all, however
// large they would like to be (the offscreen test screen, 800 by 600, is smaller than the
// preview), and wherever a window manager would have put them: the preview opens centred on the
// main window.
#include "platform/ui/print/PrintPreview.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/support/WindowManager.h"

#include <QScreen>

namespace {

std::string Described(const QRect& rect)
{
    return std::to_string(rect.x()) + "," + std::to_string(rect.y()) + " " + std::to_string(rect.width()) + "x"
           + std::to_string(rect.height());
}

} // namespace

class PreviewPlacement : public CommandTest {
protected:
    // File > Print Preview by keys with the main window at `where`; the preview's frame.
    QRect PreviewFrameWithTheMainWindowAt(const QRect& where)
    {
        Frame().GetWidget()->setGeometry(where);
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
};

TEST_F(PreviewPlacement, OpensCentredOnTheMainWindowAndInsideTheScreen)
{
    testsupport::WindowManager::Start();
    Store("Misc", "PrintCheck", "0");
    StartOnSample();
    QWidget* main = Frame().GetWidget();
    const QRect area = main->screen()->availableGeometry();

    const QRect centred = PreviewFrameWithTheMainWindowAt(main->geometry());
    ASSERT_FALSE(centred.isEmpty()) << "no preview opened";
    EXPECT_TRUE(area.contains(centred)) << Described(centred);
    const QPoint offCentre = centred.center() - main->frameGeometry().center();
    // Centred where there is room for it (the offscreen screen has none: the preview fills it).
    if (centred.width() < area.width() && centred.height() < area.height()) {
        EXPECT_LE(offCentre.manhattanLength(), 60) << Described(centred) << " over " << Described(main->frameGeometry());
    }

    // A small main window low and right, then high and left: the preview, centred on it, would
    // hang off the screen, its title bar above the top the second time.
    const QSize small(400, 200);
    const QRect pulledUp = PreviewFrameWithTheMainWindowAt(QRect(area.bottomRight() - QPoint(400, 250), small));
    EXPECT_TRUE(area.contains(pulledUp)) << Described(pulledUp);
    const QRect pulledDown = PreviewFrameWithTheMainWindowAt(QRect(area.topLeft() + QPoint(0, 30), small));
    EXPECT_TRUE(area.contains(pulledDown)) << Described(pulledDown);
}

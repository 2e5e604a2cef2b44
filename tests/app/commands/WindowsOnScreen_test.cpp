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

// The windows the program opens lie inside the screen's available area, frame and all, however
// large they would like to be: the test screen (800 by 600) is smaller than the preview's size.
#include "platform/ui/print/PrintPreview.h"
#include "tests/app/commands/CommandTestSupport.h"

#include <QScreen>

TEST_F(CommandTest, PrintPreviewOpensInsideTheScreen)
{
    Store("Misc", "PrintCheck", "0");
    StartOnSample();
    Activate();
    ChooseByKeys(Qt::Key_F, {Qt::Key_V}); // File, Print Preview
    platform::PrintPreviewWindow* preview = platform::ActivePreview();
    ASSERT_NE(preview, nullptr);
    const QRect area = preview->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(preview->frameGeometry())) << preview->frameGeometry().x() << ","
                                                         << preview->frameGeometry().y() << " "
                                                         << preview->frameGeometry().width() << "x"
                                                         << preview->frameGeometry().height();
    preview->ClosePreview();
    Settle();
}

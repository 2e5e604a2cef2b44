// The pricing screens with the sample open look as their references: the schedule grid, the
// site grid, one item and the schedule summary, each as the right pane of the main window.
#include "model/check/Recalc.h"
#include "tests/app/items/ItemViewTestSupport.h"
#include "tests/support/PictureMatch.h"

#include <QDir>

namespace {

struct PictureCase {
    const char* name;
    bool gridMode;
    int nodeType;
    int nodeIndex; // -1: the first item of the schedule
};

class ItemPictures : public ItemViewTest, public ::testing::WithParamInterface<PictureCase> {};

} // namespace

TEST_P(ItemPictures, LookAsTheirReferences)
{
    const PictureCase& shown = GetParam();
    Store("WindowMetrics", "XPos", "0");
    Store("WindowMetrics", "YPos", "0");
    Store("WindowMetrics", "XSize", "1100");
    Store("WindowMetrics", "YSize", "720");
    Store("WindowMetrics", "SplitterPos", "300");
    OpenSample(shown.gridMode);
    Frame().MoveWindow(0, 0, 1100, 720);
    const int index = shown.nodeIndex >= 0 ? shown.nodeIndex : FindNextItem(*Prop(), -1, 1);
    ASSERT_NE(Show<CView>({shown.nodeType, index}), nullptr);
    Settle();
    const QImage picture =
        Frame().GetSplitter().GetRightView()->GetWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString file = QString("grid18-%1.png").arg(shown.name);
    // ZOD_WRITE_PICTURES=<folder> keeps the picture drawn, to look at or to take as the reference.
    if (const char* folder = std::getenv("ZOD_WRITE_PICTURES"))
        picture.save(QDir(folder).filePath(file));
    EXPECT_TRUE(testsupport::MatchesPicture(picture, QImage(QString(ZOD_FIXTURES) + "/pictures/" + file)));
}

INSTANTIATE_TEST_SUITE_P(Screens, ItemPictures,
                         ::testing::Values(PictureCase{"item-grid", true, NODE_SCHEDULE, 0},
                                           PictureCase{"site-grid", true, NODE_SITES, 0},
                                           PictureCase{"item", false, NODE_ITEM, -1},
                                           PictureCase{"schedule", false, NODE_SCHEDULE, 0}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

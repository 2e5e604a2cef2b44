// The section, alternate and option forms of the sample in the main window, compared with their
// reference pictures. ZOD_WRITE_PICTURES=<folder> keeps the pictures drawn.
#include "model/records/Item.h"
#include "tests/app/sections/SectionTestSupport.h"
#include "tests/support/PictureMatch.h"

#include <QDir>

namespace {

struct PictureCase {
    const char* name;
    int nodeType;
    int flag; // the node's first row is the first row with this flag (-1: the first section)
};

class SectionPicture : public SectionViewTest, public ::testing::WithParamInterface<PictureCase> {};

} // namespace

TEST_P(SectionPicture, LooksAsItsReference)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    const int row = GetParam().flag < 0 ? 0 : FirstRowWith(GetParam().flag);
    ASSERT_GE(row, 0);
    ASSERT_NE(Show({GetParam().nodeType, row}), nullptr);
    const QImage picture = Frame().GetWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString name = QString("firm18-%1.png").arg(GetParam().name);
    if (const char* folder = std::getenv("ZOD_WRITE_PICTURES"))
        picture.save(QDir(folder).filePath(name));
    EXPECT_TRUE(testsupport::MatchesPicture(picture, QImage(QString(ZOD_FIXTURES) + "/pictures/" + name)));
}

INSTANTIATE_TEST_SUITE_P(Schedule, SectionPicture,
                         ::testing::Values(PictureCase{"section", NODE_SECTION, -1},
                                           PictureCase{"alternate-group", NODE_ALT_ITEM_GROUP, ITEM_IS_ALTERNATE},
                                           PictureCase{"option-group", NODE_OPT_ITEM_GROUP, ITEM_IS_OPTION}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::erase(name, '-');
                             return name;
                         });

// The firm item splitter with the sample open, compared with its reference picture.
// ZOD_WRITE_PICTURES=<folder> keeps the picture drawn, to look at or to take as the reference.
#include "tests/app/firms/FirmTestSupport.h"
#include "tests/support/PictureMatch.h"

#include <QDir>

TEST_F(FirmGridTest, TheFirmItemSplitterLooksAsItsReference)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    CDBEItemGrid* grid = ShowFirmItems(0);
    ASSERT_NE(grid, nullptr);
    grid->GotoRow(3);
    Settle();
    const QImage picture = Frame().GetWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (const char* folder = std::getenv("ZOD_WRITE_PICTURES"))
        picture.save(QDir(folder).filePath("firm18-splitter.png"));
    EXPECT_TRUE(testsupport::MatchesPicture(picture, QImage(QString(ZOD_FIXTURES) + "/pictures/firm18-splitter.png")));
}

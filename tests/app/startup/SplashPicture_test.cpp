// The splash picture compared with its reference: the program's name and version drawn where
// they belong, with the same fonts and colours.
#include "app/startup/SplashPicture.h"
#include "tests/support/PictureMatch.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const QString kReference = QString(ZOD_FIXTURES) + "/pictures/splash-1.0.png";

TEST(SplashPicture, LooksAsItsReference)
{
    const QImage picture = DrawSplashPicture("1.0");
    // ZOD_WRITE_PICTURES=<folder> keeps the picture drawn, to look at or to take as the reference.
    if (const char* folder = std::getenv("ZOD_WRITE_PICTURES"))
        picture.save(QDir(folder).filePath("splash-1.0.png"));
    EXPECT_TRUE(testsupport::MatchesPicture(picture, QImage(kReference)));
}

TEST(SplashPicture, ShowsTheVersionItIsGiven)
{
    EXPECT_FALSE(testsupport::PicturesMatch(DrawSplashPicture("9.9"), QImage(kReference)));
}

} // namespace

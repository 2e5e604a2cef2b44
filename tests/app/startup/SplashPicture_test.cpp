// The splash picture compared with its reference: the program's name and version drawn where
// they belong, with the same fonts and colours.
#include "app/startup/SplashPicture.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const QString kReference = QString(ZOD_FIXTURES) + "/pictures/splash-1.0.png";

// Equal but for small differences of antialiasing: every channel within 48, and no more than
// one pixel in 500 differing beyond 8.
::testing::AssertionResult LooksLike(const QImage& actual, const QImage& expected)
{
    if (expected.isNull())
        return ::testing::AssertionFailure() << "no reference picture";
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "size differs from the reference";
    long long different = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QColor a = actual.pixelColor(x, y), e = expected.pixelColor(x, y);
            const int worst = std::max({std::abs(a.red() - e.red()), std::abs(a.green() - e.green()),
                                        std::abs(a.blue() - e.blue())});
            if (worst > 48)
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " differs by " << worst;
            different += worst > 8;
        }
    }
    if (different * 500 > static_cast<long long>(actual.width()) * actual.height())
        return ::testing::AssertionFailure() << different << " pixels differ";
    return ::testing::AssertionSuccess();
}

TEST(SplashPicture, LooksAsItsReference)
{
    const QImage picture = DrawSplashPicture("1.0");
    // ZOD_WRITE_PICTURES=<folder> keeps the picture drawn, to look at or to take as the reference.
    if (const char* folder = std::getenv("ZOD_WRITE_PICTURES"))
        picture.save(QDir(folder).filePath("splash-1.0.png"));
    EXPECT_TRUE(LooksLike(picture, QImage(kReference)));
}

TEST(SplashPicture, ShowsTheVersionItIsGiven)
{
    EXPECT_FALSE(LooksLike(DrawSplashPicture("9.9"), QImage(kReference)));
}

} // namespace

#pragma once

// Pictures compared with their references: equal but for small differences of antialiasing,
// every channel within 48 and no more than one pixel in 500 differing at all beyond 8.
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace testsupport {

inline ::testing::AssertionResult PicturesMatch(const QImage& actual, const QImage& expected)
{
    if (expected.isNull())
        return ::testing::AssertionFailure() << "no reference picture";
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "size " << actual.width() << "x" << actual.height()
                                             << ", reference " << expected.width() << "x" << expected.height();
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
    if (different * 500 > (long long)actual.width() * actual.height())
        return ::testing::AssertionFailure() << different << " pixels differ";
    return ::testing::AssertionSuccess();
}

// The references are drawn on the offscreen platform: fixed fonts, no desktop theme, no window
// manager. On another platform a picture that differs skips its test; the offscreen run of the
// same test compares it.
inline ::testing::AssertionResult MatchesPicture(const QImage& actual, const QImage& expected)
{
    ::testing::AssertionResult result = PicturesMatch(actual, expected);
    if (!result && QGuiApplication::platformName() != QLatin1String("offscreen")) {
        [&] { GTEST_SKIP() << "drawn on another platform than the references: " << result.message(); }();
        return ::testing::AssertionSuccess();
    }
    return result;
}

} // namespace testsupport

#pragma once

// A picture drawn by the program against its reference, allowing for small differences of
// antialiasing: every channel within 48, and no more than one pixel in 500 off by more than 8.
#include <QColor>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

inline ::testing::AssertionResult LooksLike(const QImage& actual, const QImage& expected)
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
    if (different * 500 > static_cast<long long>(actual.width()) * actual.height())
        return ::testing::AssertionFailure() << different << " pixels differ";
    return ::testing::AssertionSuccess();
}

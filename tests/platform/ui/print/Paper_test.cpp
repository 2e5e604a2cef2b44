// The papers a text report fits on, and the default paper found in the system's setting.
#include "platform/ui/print/Paper.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace platform;
using testsupport::ScopedEnvironment;

namespace {

// Qt's margins of a PDF page.
const QMarginsF kMargins(10, 10, 10, 10);
constexpr QPageLayout::Unit kPoints = QPageLayout::Point;

} // namespace

TEST(Paper, AWholeTextPageFitsOnTheOfficePapersOnly)
{
    for (QPageSize::PageSizeId id : {QPageSize::Letter, QPageSize::Legal, QPageSize::A4, QPageSize::A3})
        EXPECT_TRUE(HoldsTextPage(QPageSize(id), kMargins, kPoints)) << QPageSize::name(id).toStdString();
    for (QPageSize::PageSizeId id : {QPageSize::A5, QPageSize::B5, QPageSize::ExecutiveStandard, QPageSize::Statement})
        EXPECT_FALSE(HoldsTextPage(QPageSize(id), kMargins, kPoints)) << QPageSize::name(id).toStdString();
    EXPECT_FALSE(HoldsTextPage(QPageSize(QPageSize::Letter), QMarginsF(72, 72, 72, 72), kPoints)) << "inch margins";
    EXPECT_FALSE(HoldsTextPage(QPageSize(), kMargins, kPoints));
}

TEST(Paper, TheSystemsSettingNamesTheDefaultWhenItHoldsAPage)
{
    ScopedEnvironment conf("PAPERCONF", nullptr);
    {
        ScopedEnvironment size("PAPERSIZE", "letter");
        EXPECT_EQ(SystemPaper(kMargins, kPoints).id(), QPageSize::Letter);
    }
    {
        ScopedEnvironment size("PAPERSIZE", "11x17");
        EXPECT_EQ(SystemPaper(kMargins, kPoints).id(), QPageSize::Tabloid);
    }
    for (const char* unusable : {"a5", "no-such-paper"}) {
        // Then the printer's or the locale's: some paper a page fits on.
        ScopedEnvironment size("PAPERSIZE", unusable);
        EXPECT_TRUE(HoldsTextPage(SystemPaper(kMargins, kPoints), kMargins, kPoints)) << unusable;
    }
}

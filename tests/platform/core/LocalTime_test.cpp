#include "platform/core/LocalTime.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using testsupport::ScopedEnvironment;

namespace {

// Sets the zone for one test and puts the old one back.
class ZoneTest : public testing::Test {
protected:
    void UseZone(const char* zone)
    {
        m_zone.emplace("TZ", zone);
        tzset();
    }
    void TearDown() override
    {
        m_zone.reset();
        tzset();
        platform::SetTimeSource({});
    }

private:
    std::optional<ScopedEnvironment> m_zone;
};

} // namespace

TEST_F(ZoneTest, ClockCanBeReplacedAndRestored)
{
    platform::SetTimeSource([] { return std::time_t(1234567890); });
    EXPECT_EQ(platform::CurrentTime(), 1234567890);
    platform::SetTimeSource({});
    EXPECT_GT(platform::CurrentTime(), 1600000000);
}

TEST_F(ZoneTest, BiasIsTheStandardOffsetAllYear)
{
    UseZone("America/Chicago");
    EXPECT_EQ(platform::TimeZoneBiasMinutes(), 360);
    UseZone("Europe/Berlin");
    EXPECT_EQ(platform::TimeZoneBiasMinutes(), -60);
    UseZone("UTC");
    EXPECT_EQ(platform::TimeZoneBiasMinutes(), 0);
}

TEST_F(ZoneTest, LocalTimeRoundTripsAndNormalises)
{
    UseZone("America/Chicago");
    const std::time_t summerNoonUtc = 1278000000; // 2010-07-01 16:00 UTC
    const std::tm local = platform::ToLocalTime(summerNoonUtc);
    EXPECT_EQ(local.tm_hour, 11);
    EXPECT_EQ(local.tm_isdst, 1);
    EXPECT_EQ(platform::FromLocalTime(local), summerNoonUtc);

    std::tm february30{};
    february30.tm_year = 110;
    february30.tm_mon = 1;
    february30.tm_mday = 30;
    february30.tm_isdst = -1;
    const std::tm march2 = platform::ToLocalTime(platform::FromLocalTime(february30));
    EXPECT_EQ(march2.tm_mon, 2);
    EXPECT_EQ(march2.tm_mday, 2);
}

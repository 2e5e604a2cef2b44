#include "submit/SessionLog.h"

#include "platform/core/LocalTime.h"
#include "submit/CertStore.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using testsupport::ReadTextFile;
using testsupport::ScopedEnvironment;
using testsupport::TempFolder;

namespace {

class SessionLogTest : public testing::Test {
protected:
    void SetUp() override
    {
        tzset();
        platform::SetTimeSource([] { return std::time_t(1278000000); }); // 2010-07-01 11:00 CDT
    }
    void TearDown() override
    {
        platform::SetTimeSource({});
        m_zone.reset();
        tzset();
    }

    std::string Contents(const CSessionLog& log) const { return ReadTextFile(log.GetFolder() + "/Log.txt"); }

    TempFolder m_folder;
    std::optional<ScopedEnvironment> m_zone{std::in_place, "TZ", "America/Chicago"};
    ScopedEnvironment m_dataHome{"XDG_DATA_HOME", m_folder.Path().c_str()};
};

} // namespace

TEST_F(SessionLogTest, EachRunGetsItsOwnFolder)
{
    CSessionLog first("Submit");
    CSessionLog second("Submit");
    ASSERT_TRUE(first.IsOpen());
    ASSERT_TRUE(second.IsOpen());
    EXPECT_EQ(first.GetFolder(), m_folder / "Tarvello/TarvelloLogs/Submit/100701_110000");
    EXPECT_EQ(second.GetFolder(), first.GetFolder() + "_2");
}

TEST_F(SessionLogTest, OperationNamesCannotLeaveTheLogFolder)
{
    for (const char* name : {"", "..", "../escape", "a/b"}) {
        CSessionLog log(name);
        EXPECT_FALSE(log.IsOpen()) << name;
        EXPECT_EQ(WriteSessionLog(&log, 1, "x"), 1);
    }
    EXPECT_EQ(WriteSessionLog(nullptr, 1, "x"), 1);
}

TEST_F(SessionLogTest, WritesPrefixedLinesBelowLevelSix)
{
    CSessionLog log("Bond");
    for (int level : {1, 2, 3, 4, 5, 0, -1, 6, 7})
        EXPECT_EQ(WriteSessionLog(&log, level, "level %d\n", level), 1);
    WriteSessionLog(&log, 3, "no line end %s", "given");
    EXPECT_EQ(Contents(log), "Error: level 1\nWarning: level 2\nMessage: level 3\nDebug: level 4\n"
                             "Debug: level 5\nDebug: level 0\nDebug: level -1\n"
                             "Message: no line end given\n");
}

TEST_F(SessionLogTest, CutsLongTextsToTheirLimit)
{
    CSessionLog log("View");
    const std::string exact(510, 'a');
    const std::string longer(2000, 'b');
    WriteSessionLog(&log, 1, "%s\n", exact.c_str());
    WriteSessionLog(&log, 1, "%s", exact.c_str());
    WriteSessionLog(&log, 2, "%s\n", longer.c_str());
    const std::string expected = "Error: " + exact + "\nError: " + exact + "\nWarning: "
                                 + std::string(510, 'b') + "\n";
    EXPECT_EQ(Contents(log), expected);
}

TEST_F(SessionLogTest, CertificateStoreHandsFinishedTextToItsLog)
{
    CCertStore store;
    EXPECT_FALSE(store.HasCertificates());
    EXPECT_EQ(store.GetCount(), 0);
    EXPECT_LT(store.GetSelectedIndex(), 0);
    EXPECT_FALSE(store.GetErrorText().empty());
    EXPECT_EQ(store.GetWorkFolder(), ".");
    EXPECT_EQ(store.Log(1, "dropped without a log"), 0);

    CSessionLog log("Submit");
    EXPECT_EQ(store.SetLog(&log), 0);
    EXPECT_EQ(store.GetWorkFolder(), log.GetFolder());
    EXPECT_EQ(store.Log(2, "%s %d%%", "50% of %s %n", 7), 0);
    EXPECT_EQ(store.Log(6, "hidden"), 0);
    EXPECT_EQ(Contents(log), "Warning: 50% of %s %n 7%\n");
    store.SetLog(nullptr);
    EXPECT_EQ(store.GetWorkFolder(), ".");
}

// The site grid: each site in two rows, the days the bidder enters where they are the bidder's,
// the total per site, the keys between the days cells.
#include "app/grids/SiteGrid.h"
#include "tests/app/grids/GridTestSupport.h"
#include "tests/app/grids/RealMessageBox.h"

namespace {

enum : int { COLUMN_SITE, COLUMN_TYPE, COLUMN_COST, COLUMN_DAYS, COLUMN_TOTAL };

CSite& AddSite(CProp& prop, const std::string& number, double cost, int days, bool biddersDays)
{
    auto site = std::make_unique<CSite>();
    site->m_strSiteNumber = number;
    site->m_strTypeOfDays = "CALENDAR DAYS";
    site->m_strDescription = "STA. " + number;
    site->m_dRoadCostPerDay = cost;
    site->m_iNumberOfDays = days;
    ChangeFlagBit(&site->m_wFlags, SITE_BIDDABLE, biddersDays ? 1 : 0);
    return *prop.m_sites.Add(std::move(site));
}

// Site 1 the bidder's at 3,000 a day for 20 days; site 2 given (15 days, not the bidder's);
// site 3 the bidder's without a cost per day; site 4 the bidder's, days not yet given.
std::unique_ptr<CProp> MakeSites()
{
    auto prop = MakeBidProp();
    AddSite(*prop, "1", 3000, 20, true);
    AddSite(*prop, "2", 1500, 15, false);
    AddSite(*prop, "3", 0, CSite::kDaysNotGiven, true);
    AddSite(*prop, "4", 2400, CSite::kDaysNotGiven, true);
    ChangeFlagBit(&prop->m_wFlags2, PROP2_TIME_COSTS_IN_BID, 1);
    RecalcBidTotals(prop.get());
    return prop;
}

class SiteGridTest : public ScriptedTest {
protected:
    std::unique_ptr<CProp> m_prop = MakeSites();
    HostedGrid<CSiteGrid> m_hosted{m_prop.get()};
    CSiteGrid& m_grid = m_hosted.grid;

    CSite& Site(int index) { return *m_prop->m_sites[index]; }
};

struct TypedDays {
    const char* text;
    int days;       // stored afterwards
    bool refused;
};

class SiteDaysTyped : public SiteGridTest, public ::testing::WithParamInterface<TypedDays> {};

} // namespace

TEST_F(SiteGridTest, ShowsEachSiteInTwoRowsWithATotalOnlyForTheBiddersDays)
{
    EXPECT_EQ(m_grid.GetRowCount(), 8);
    EXPECT_EQ(m_hosted.Text(COLUMN_DAYS, -1), "# Days");
    EXPECT_EQ(m_hosted.Text(COLUMN_SITE, 0), "1");
    EXPECT_EQ(m_hosted.Text(COLUMN_TYPE, 0), "CALENDAR DAYS");
    EXPECT_EQ(m_hosted.Text(COLUMN_COST, 0), "$3,000.00");
    EXPECT_EQ(m_hosted.Text(COLUMN_DAYS, 0), "20");
    EXPECT_EQ(m_hosted.Text(COLUMN_TOTAL, 0), "$60,000.00");
    EXPECT_EQ(m_hosted.Text(1, 1), "STA. 1");
    // Not the bidder's: the days show, no total, no entry.
    EXPECT_EQ(m_hosted.Text(COLUMN_DAYS, 2), "15");
    EXPECT_EQ(m_hosted.Text(COLUMN_TOTAL, 2), "");
    EXPECT_TRUE(m_hosted.Cell(COLUMN_DAYS, 2).GetReadOnly());
    EXPECT_FALSE(m_hosted.Cell(COLUMN_DAYS, 0).GetReadOnly());
    EXPECT_EQ(m_hosted.Text(COLUMN_DAYS, 6), "");
}

TEST_F(SiteGridTest, DaysOfAnUnpricedSiteOfTheBiddersAreNone)
{
    Site(2).m_iNumberOfDays = 5;
    EXPECT_EQ(m_hosted.Text(COLUMN_DAYS, 4), "");
    EXPECT_TRUE(CSite::IsDaysNotGiven(Site(2).m_iNumberOfDays));
}

TEST_P(SiteDaysTyped, AreReadAsWholeDaysOrRefused)
{
    REQUIRE_FOCUS(m_hosted);
    const TypedDays typed = GetParam();
    ASSERT_EQ(m_grid.GotoCell(COLUMN_DAYS, 6), 0);
    m_hosted.Enter(typed.text);
    EXPECT_EQ(Site(3).m_iNumberOfDays, typed.days) << typed.text;
    EXPECT_EQ(m_script.MessageBoxes().size(), typed.refused ? 1u : 0u) << typed.text;
    if (typed.refused) {
        EXPECT_EQ(m_script.MessageBoxes()[0].caption, "Invalid # Days");
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, SiteDaysTyped,
                         ::testing::Values(TypedDays{"1,200", 1200, false}, TypedDays{"$12", 12, false},
                                           TypedDays{" 7 ", 7, false}, TypedDays{"2.5", 3, false},
                                           TypedDays{"@COST/100", 24, false}, TypedDays{"10000", -1, true},
                                           TypedDays{"-1", -1, true}, TypedDays{"ten", -1, true},
                                           TypedDays{"9999", 9999, false}));

// A decimal comma would make 12.5 days 125: refused with the reason, the days stay.
TEST_F(SiteGridTest, ADecimalCommaInTheDaysIsRefusedWithItsReason)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_DAYS, 0), 0);
    m_hosted.Enter("12,5");
    EXPECT_TRUE(ToldOnce("Invalid # Days", "\"12,5\": a comma may only separate groups of three digits before the "
                                           "decimal point."));
    EXPECT_EQ(Site(0).m_iNumberOfDays, 20);
    EXPECT_EQ(m_hosted.Text(COLUMN_DAYS, 0), "20");
}

TEST_F(SiteGridTest, AfterTheRealRefusalBoxTheKeyboardIsBackOnTheEditedDays)
{
    REQUIRE_FOCUS(m_hosted);
    RealMessageBoxes boxes;
    ASSERT_EQ(m_grid.GotoCell(COLUMN_DAYS, 6), 0);
    boxes.AnswerNext();
    m_hosted.Enter("ten");
    ASSERT_EQ(boxes.Answered(), 1);
    EXPECT_EQ(boxes.Caption(), "Invalid # Days");
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_grid.GetWidget()->window()));
    EXPECT_EQ(m_hosted.Focus(), m_grid.GetCellArea()->GetWidget());
    EXPECT_EQ(m_grid.GetCurrentRow(), 6);
    m_hosted.Enter("12");
    EXPECT_EQ(Site(3).m_iNumberOfDays, 12);
}

TEST_F(SiteGridTest, EnteredDaysMakeTheSitesTotalAndTheTimeTotal)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_DAYS, 6), 0);
    m_hosted.Enter("10");
    EXPECT_EQ(m_hosted.Text(COLUMN_TOTAL, 6), "$24,000.00");
    EXPECT_DOUBLE_EQ(m_prop->m_dTimeTotal, 60000 + 24000);
    EXPECT_EQ(m_hosted.Host().m_changes, 1);
}

TEST_F(SiteGridTest, DaysForASiteWithoutACostPerDayAreRefused)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_DAYS, 4), 0);
    m_hosted.Enter("5");
    EXPECT_TRUE(ToldOnce("Invalid # Days", "Site 3 has no cost per day"));
    EXPECT_TRUE(CSite::IsDaysNotGiven(Site(2).m_iNumberOfDays));
}

TEST_F(SiteGridTest, ABlankEntryTakesTheDaysAway)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_DAYS, 0), 0);
    m_hosted.Type(" ");
    m_hosted.Key(Qt::Key_Return);
    EXPECT_TRUE(CSite::IsDaysNotGiven(Site(0).m_iNumberOfDays));
    EXPECT_EQ(m_hosted.Text(COLUMN_TOTAL, 0), "");
}

TEST_F(SiteGridTest, EntryGoesOnToTheNextSiteWhoseDaysAreTheBiddersAndStopsAfterTheLast)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_DAYS, 0), 0);
    m_hosted.Enter("21");
    ASSERT_TRUE(m_grid.IsEditing());
    EXPECT_EQ(m_grid.GetEditRow(), 4); // site 2 is not the bidder's
    m_hosted.Key(Qt::Key_Escape);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_DAYS, 6), 0);
    m_hosted.Enter("3");
    EXPECT_FALSE(m_grid.IsEditing());
    EXPECT_EQ(m_grid.GetCurrentRow(), 6);
}

TEST_F(SiteGridTest, TheCursorKeysStepASiteAtATimeAndStopAtTheEnds)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.GotoCell(COLUMN_SITE, 0), 0);
    m_hosted.Key(Qt::Key_Up);
    EXPECT_EQ(m_grid.GetCurrentRow(), 0);
    m_hosted.Key(Qt::Key_Down);
    EXPECT_EQ(m_grid.GetCurrentRow(), 2);
    EXPECT_EQ(m_grid.GetCurrentColumn(), COLUMN_DAYS);
    m_hosted.Key(Qt::Key_Tab);
    m_hosted.Key(Qt::Key_Return);
    EXPECT_EQ(m_grid.GetCurrentRow(), 6);
    m_hosted.Key(Qt::Key_Down);
    EXPECT_EQ(m_grid.GetCurrentRow(), 6);
    m_hosted.Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(m_grid.GetCurrentRow(), 4);
}

TEST_F(SiteGridTest, ColumnsMoveAndSizeAsTheItemGridsDo)
{
    ASSERT_EQ(m_grid.MoveColumn(COLUMN_DAYS, 0, 1), 0);
    EXPECT_EQ(m_hosted.Text(0, -1), "# Days");
    EXPECT_EQ(m_hosted.Text(1, 1), "STA. 1");
    EXPECT_EQ(m_grid.MoveColumn(0, 6, 1), 1);
    m_grid.SizeColumns(0);
    EXPECT_GT(m_grid.GetColumnWidth(m_grid.GetDisplayColumn(COLUMN_TOTAL)), m_grid.GetColumnWidth(1));
}

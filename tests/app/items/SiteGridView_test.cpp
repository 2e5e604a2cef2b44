// The bidder gives the days of the sample's sites in the site grid and sees the time total under
// the grid, and the bid total in the status bar, follow.
#include "controls/grid/GridArea.h"
#include "model/check/Recalc.h"
#include "tests/app/items/ItemViewTestSupport.h"

namespace {

class SiteGridViewTest : public ItemViewTest {
protected:
    // The sites of the sample, the first one's days the bidder's at 1,500 a day, in their view.
    void OpenSites()
    {
        OpenSample(false);
        ASSERT_GT(Prop()->m_sites.GetSize(), 0);
        CSite& site = *Prop()->m_sites[0];
        ChangeFlagBit(&site.m_wFlags, SITE_BIDDABLE, 1);
        site.m_dRoadCostPerDay = 1500;
        site.m_iNumberOfDays = CSite::kDaysNotGiven;
        RecalcBidTotals(Prop());
        m_view = Show<CDV_SiteGrid>({NODE_SITES, 0});
        ASSERT_NE(m_view, nullptr);
    }
    CSiteGrid& Grid() { return m_view->GetSiteGrid(); }
    void GoToDays(int site)
    {
        Grid().GotoCell(Grid().GetDisplayColumn(CSiteDataSource::COL_DAYS), 2 * site);
        Grid().GetCellArea()->SetFocus();
        Settle();
    }
    std::string BoxText() { return m_view->GetDlgItem(CDV_SiteGrid::IDC_TOTAL)->GetWindowText(); }

    CDV_SiteGrid* m_view = nullptr;
};

} // namespace

TEST_F(SiteGridViewTest, DaysTypedMakeTheTimeTotalUnderTheGridAndTheBidTotal)
{
    OpenSites();
    REQUIRE_ACTIVE_WINDOW();
    const double before = Prop()->m_dTimeTotal;
    GoToDays(0);
    Enter("12");
    EXPECT_EQ(Prop()->m_sites[0]->m_iNumberOfDays, 12);
    EXPECT_DOUBLE_EQ(Prop()->m_sites[0]->m_dSiteTotal, 18000);
    EXPECT_DOUBLE_EQ(Prop()->m_dTimeTotal, before + 18000);
    EXPECT_EQ(BoxText(), Formatted(Prop()->m_dTimeTotal) + " ");
    EXPECT_EQ(StatusTotal(), "\t\t" + Formatted(Prop()->m_dProposalTotal) + " ");
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(SiteGridViewTest, EscapeAndDaysOutOfRangeKeepTheDaysAndABlankTakesThemAway)
{
    OpenSites();
    REQUIRE_ACTIVE_WINDOW();
    GoToDays(0);
    Enter("20");
    const double withTwenty = Prop()->m_dTimeTotal;
    GoToDays(0);
    Type("35");
    Key(Qt::Key_Escape);
    EXPECT_EQ(Prop()->m_sites[0]->m_iNumberOfDays, 20);
    EXPECT_EQ(BoxText(), Formatted(withTwenty) + " ");
    GoToDays(0);
    Enter("10000");
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].caption, "Invalid # Days");
    EXPECT_EQ(Prop()->m_sites[0]->m_iNumberOfDays, 20);
    GoToDays(0);
    Enter(" ");
    EXPECT_TRUE(CSite::IsDaysNotGiven(Prop()->m_sites[0]->m_iNumberOfDays));
    EXPECT_DOUBLE_EQ(Prop()->m_dTimeTotal, withTwenty - 30000);
    EXPECT_EQ(BoxText(), Formatted(Prop()->m_dTimeTotal) + " ");
}

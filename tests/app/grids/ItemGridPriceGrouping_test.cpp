// Prices typed into the item grid of a proposal with many alternate sections, each recalculated
// and checked as the bidder enters it.
#include "tests/app/grids/GridTestSupport.h"

#include "app/grids/ItemGrid.h"
#include "bench/generator/ProposalFiles.h"
#include "model/check/AlternateChoice.h"

namespace {

enum : int { COLUMN_PRICE = 4 };

// The sample's shape at a size where the sections' alternates are too many to compare one by one.
std::unique_ptr<CProp> ProposalWithManyAlternateSections()
{
    ProposalShape shape = SampleShape();
    shape.m_items = 600;
    auto prop = GenerateProposal(shape);
    RecalcBidTotals(prop.get());
    CheckBid(prop.get(), false);
    return prop;
}

class ItemGridPriceGrouping : public ScriptedTest {
protected:
    std::unique_ptr<CProp> m_prop = ProposalWithManyAlternateSections();
    HostedGrid<CItemGrid> m_hosted{m_prop.get()};
};

} // namespace

// A price changes no alternate code and no row: which rows form which alternate group stays as
// the last recalculation found it.
TEST_F(ItemGridPriceGrouping, PricesEnteredInTurnWorkOutNoGroupingAgain)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_hosted.grid.GotoCell(COLUMN_PRICE, 2), 0);
    m_hosted.Enter("12.5");
    const int groupings = CAlternateChooser::GroupingsWorkedOut();
    for (const char* price : {"7", "3.25", "110", "0.5"})
        m_hosted.Enter(price);
    EXPECT_EQ(CAlternateChooser::GroupingsWorkedOut(), groupings);
    EXPECT_DOUBLE_EQ(m_prop->m_items[5]->m_fUnitPrice, 0.5) << "the prices went in, one item after another";
    EXPECT_TRUE(m_script.MessageBoxes().empty());
}

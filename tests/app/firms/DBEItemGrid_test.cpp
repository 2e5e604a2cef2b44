// What a bidder does in a firm's item grid: ticking "Use?" commits an item to the firm and moves
// the DBE commitment and its goal message, unticking takes it back, section rows take no tick.
#include "app/firms/FirmItemEntries.h"
#include "model/check/BidErrors.h"
#include "model/check/CheckBid.h"
#include "model/check/FormChecks.h"
#include "tests/app/firms/FirmTestSupport.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr std::string_view kGoalNotMet = "DBE Commitment Goal not met";
// The sample's second DBE firm subcontracts, so its amount counts whole towards the goal.
constexpr int kSubcontractor = 1;

double Number(std::string text)
{
    std::erase(text, ',');
    return std::stod(text);
}

class FirmItemGridTest : public FirmGridTest {
protected:
    double Commitment() const { return GetFormCommitment(*Prop()->m_pDbeForm); }

    bool GoalMessageShown() const
    {
        CheckBid(Prop(), true);
        const auto& errors = GetBidErrorList();
        return std::any_of(errors.begin(), errors.end(),
                           [](const CBidError& error) { return error.m_strText.find(kGoalNotMet) != std::string::npos; });
    }

    // The item rows the firm has not committed to, largest amount first.
    std::vector<int> LargestUncommittedRows(CDBEItemGrid& grid)
    {
        std::vector<int> rows;
        for (int row = UncommittedRow(grid); row >= 0; row = UncommittedRow(grid, row + 1))
            rows.push_back(row);
        std::sort(rows.begin(), rows.end(), [this](int a, int b) {
            return Prop()->m_items[a]->m_fExtension > Prop()->m_items[b]->m_fExtension;
        });
        return rows;
    }

    const CDBEItem* Entry(int firm, int row) const { return FindFirmItemEntry(*Prop(), FIRM_DBE, firm, row); }
};

} // namespace

TEST_F(FirmItemGridTest, CommittingTwoItemsRaisesTheCommitmentAndMeetsTheGoal)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    CDBEItemGrid* grid = ShowFirmItems(kSubcontractor);
    ASSERT_NE(grid, nullptr);
    const double before = Commitment();
    ASSERT_TRUE(GoalMessageShown());
    ASSERT_FALSE(Doc().IsModified());

    const std::vector<int> rows = LargestUncommittedRows(*grid);
    ASSERT_GE(rows.size(), 2u);
    for (int row : {rows[0], rows[1]})
        ClickUseBox(*grid, row);

    double added = 0;
    for (int row : {rows[0], rows[1]}) {
        EXPECT_TRUE(Ticked(*grid, row));
        const CDBEItem* entry = Entry(kSubcontractor, row);
        ASSERT_NE(entry, nullptr);
        // The grid shows the firm's share of the item.
        EXPECT_DOUBLE_EQ(Number(Text(*grid, CDBEItemDataSource::QUANTITY, row)), entry->m_dQuantity);
        EXPECT_NEAR(Number(Text(*grid, CDBEItemDataSource::EXTENSION, row)), entry->m_dExtension, 0.005);
        added += entry->m_dExtension;
    }
    EXPECT_GT(added, 0);
    EXPECT_NEAR(Commitment(), before + added, 0.01);
    EXPECT_FALSE(GoalMessageShown());
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(FirmItemGridTest, UntickingTakesTheItemBackAndTheGoalMessageReturns)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    CDBEItemGrid* grid = ShowFirmItems(kSubcontractor);
    ASSERT_NE(grid, nullptr);
    const double before = Commitment();
    const int row = LargestUncommittedRows(*grid).front();
    const std::string leftBefore = Text(*grid, CDBEItemDataSource::QUANTITY, row);

    ClickUseBox(*grid, row);
    ASSERT_TRUE(Ticked(*grid, row));
    ClickUseBox(*grid, row);

    EXPECT_FALSE(Ticked(*grid, row));
    EXPECT_EQ(Entry(kSubcontractor, row), nullptr);
    EXPECT_EQ(Text(*grid, CDBEItemDataSource::QUANTITY, row), leftBefore);
    EXPECT_NEAR(Commitment(), before, 0.01);
    EXPECT_TRUE(GoalMessageShown());
}

TEST_F(FirmItemGridTest, ASectionRowTakesNoTick)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    CDBEItemGrid* grid = ShowFirmItems(0);
    ASSERT_NE(grid, nullptr);
    ASSERT_TRUE(Prop()->m_items[0]->IsSection());
    const int entries = GetFirmRow(*Prop(), FIRM_DBE, 0)->m_dbeItems.GetSize();

    ClickUseBox(*grid, 0);
    CGridCell cell;
    cell.SetNumber(1);
    EXPECT_EQ(grid->GetDataSource().WriteCell(CDBEItemDataSource::USE, 0, &cell), 0);

    EXPECT_FALSE(Ticked(*grid, 0));
    EXPECT_EQ(Text(*grid, CDBEItemDataSource::ITEM, 0), "==Section==");
    EXPECT_EQ(GetFirmRow(*Prop(), FIRM_DBE, 0)->m_dbeItems.GetSize(), entries);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(FirmItemGridTest, EachFirmSeesItsOwnShareOrWhatIsLeftOfTheItem)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    CDBEItemGrid* first = ShowFirmItems(0);
    ASSERT_NE(first, nullptr);
    const CRowData& firm = *GetFirmRow(*Prop(), FIRM_DBE, 0);
    ASSERT_FALSE(firm.m_dbeItems.IsEmpty());
    const CDBEItem& entry = *firm.m_dbeItems[0];
    const int row = entry.m_iNumber;
    EXPECT_TRUE(Ticked(*first, row));
    EXPECT_DOUBLE_EQ(Number(Text(*first, CDBEItemDataSource::QUANTITY, row)), entry.m_dQuantity);

    CDBEItemGrid* second = ShowFirmItems(kSubcontractor);
    ASSERT_NE(second, nullptr);
    const CItem& item = *Prop()->m_items[row];
    double committedByDbeFirms = 0;
    for (int f = 0; f < Prop()->m_pDbeForm->m_rows.GetSize(); ++f)
        if (const CDBEItem* other = Entry(f, row))
            committedByDbeFirms += other->m_dQuantity;
    if (Entry(kSubcontractor, row) == nullptr) {
        EXPECT_FALSE(Ticked(*second, row));
        EXPECT_NEAR(Number(Text(*second, CDBEItemDataSource::QUANTITY, row)), item.m_fQuan - committedByDbeFirms,
                    0.0005);
    }
    EXPECT_EQ(Text(*second, CDBEItemDataSource::LINE, row), item.m_strLineNum);
    EXPECT_EQ(Text(*second, CDBEItemDataSource::ITEM, row), item.m_strItemNum);
    EXPECT_EQ(Text(*second, CDBEItemDataSource::DESCRIPTION, row), item.m_strShortDesc);
}

TEST_F(FirmItemGridTest, TheColumnsFillAWideViewAndKeepTheirWeightsInANarrowOne)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    CDBEItemGrid* grid = ShowFirmItems(0);
    ASSERT_NE(grid, nullptr);
    const std::vector<std::string> headings{"Use?", "Line", "Item", "Quantity", "Unit", "Unit Price", "Extension",
                                            "Description"};
    for (int column = 0; column < CDBEItemDataSource::kColumnCount; ++column)
        EXPECT_EQ(Text(*grid, column, -1), headings[size_t(column)]);

    auto widths = [grid] {
        std::vector<int> all;
        for (int column = 0; column < CDBEItemDataSource::kColumnCount; ++column)
            all.push_back(grid->GetColumnWidth(column));
        return all;
    };
    std::vector<int> wide = widths();
    const int total = std::accumulate(wide.begin(), wide.end(), 0);
    CRect client;
    grid->GetCellArea()->GetClientRect(&client);
    EXPECT_NEAR(total, client.Width(), CDBEItemDataSource::kColumnCount);
    EXPECT_GT(wide[CDBEItemDataSource::DESCRIPTION], wide[CDBEItemDataSource::EXTENSION]);

    Frame().MoveWindow(0, 0, 640, 600);
    Settle();
    std::vector<int> narrow = widths();
    // Too narrow to fill: each column keeps its share, the grid scrolls sideways.
    EXPECT_EQ(narrow[CDBEItemDataSource::DESCRIPTION] * 6, narrow[CDBEItemDataSource::USE] * 40);
    EXPECT_EQ(narrow[CDBEItemDataSource::UNIT_PRICE], narrow[CDBEItemDataSource::EXTENSION]);
}

TEST_F(FirmItemGridTest, LeavingForAnotherNodeClosesTheSplitterAndComingBackShowsTheCommitment)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    CDBEItemGrid* grid = ShowFirmItems(kSubcontractor);
    ASSERT_NE(grid, nullptr);
    const int row = UncommittedRow(*grid);
    ClickUseBox(*grid, row);

    ASSERT_TRUE(Tree().SelectNode({NODE_PROPOSAL, 0}));
    Settle();
    EXPECT_EQ(Frame().GetSplitter().GetFirmItemSplitter(), nullptr);
    EXPECT_NE(Frame().GetSplitter().GetRightView(), nullptr);

    grid = ShowFirmItems(kSubcontractor);
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(Ticked(*grid, row));
}

TEST_F(FirmItemGridTest, AProposalWithoutItemsGivesAnEmptyGridThatTakesNoTick)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    Prop()->m_items.DeleteAll();
    CDBEItemGrid* grid = ShowFirmItems(0);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->GetRowCount(), 0);
    CGridCell cell;
    cell.SetNumber(1);
    EXPECT_EQ(grid->GetDataSource().WriteCell(CDBEItemDataSource::USE, 0, &cell), 0);
    EXPECT_FALSE(Doc().IsModified());
}

namespace {

class FirmKindGridTest : public FirmItemGridTest, public ::testing::WithParamInterface<int> {};

} // namespace

TEST_P(FirmKindGridTest, ATickCommitsToAFirmOfTheGridsKindOnly)
{
    const int kind = GetParam();
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    CDBEItemGrid* grid = ShowFirmItems(0, kind);
    ASSERT_NE(grid, nullptr);
    const int row = UncommittedRow(*grid);
    ASSERT_GE(row, 0);
    auto entriesOfOthers = [this, kind, row] {
        int count = 0;
        for (int other : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
            if (other != kind && FindFirmItemEntry(*Prop(), other, 0, row))
                ++count;
        return count;
    };
    const int before = entriesOfOthers();

    ClickUseBox(*grid, row);
    EXPECT_TRUE(Ticked(*grid, row));
    EXPECT_NE(FindFirmItemEntry(*Prop(), kind, 0, row), nullptr);
    EXPECT_EQ(entriesOfOthers(), before);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FirmKindGridTest, ::testing::Values(FIRM_DBE, FIRM_MBE, FIRM_WBE));

// The firm's items in the proposal tree follow what the bidder commits in the firm's item grid:
// a ticked item is listed under the firm's items at once with the picture of its state, an
// unticked one goes. A file's firm items that name no item row are listed nowhere.
#include "app/firms/FirmItemEntries.h"
#include "app/tree/NodeStates.h"
#include "app/tree/NodeTexts.h"
#include "app/views/DVDBEItem.h"
#include "controls/grid/GridInfo.h"
#include "model/check/Recalc.h"
#include "model/eval/Evaluator.h"
#include "model/files/TvbFile.h"
#include "platform/ui/draw/ImageList.h"
#include "tests/app/firms/FirmTestSupport.h"

#include <QTreeWidget>

namespace {

// The sample's second DBE firm.
constexpr int kFirm = 1;

class FirmItemNodesTest : public FirmGridTest {
protected:
    HTREEITEM ItemsNode() const { return Tree().FindNode({NODE_DBE_ITEM_GRID, kFirm}); }
    std::vector<std::string> Listed() const { return ChildTexts(ItemsNode()); }
    HTREEITEM LastListed() const
    {
        HTREEITEM last = nullptr;
        for (HTREEITEM node = TreeCtrl().GetChildItem(ItemsNode()); node; node = TreeCtrl().GetNextSiblingItem(node))
            last = node;
        return last;
    }
    const CRowData& Firm() const { return *GetFirmRow(*Prop(), FIRM_DBE, kFirm); }
    int EntryCount() const { return Firm().m_dbeItems.GetSize(); }

    // The picture the tree draws beside the node, not selected.
    QImage PictureOf(HTREEITEM node) const
    {
        if (!TreeCtrl().EnsureVisible(node))
            return {};
        auto* widget = static_cast<QTreeWidget*>(TreeCtrl().GetWidget());
        for (int y = 0; y < widget->viewport()->height(); ++y)
            if (TreeCtrl().HitTest(CPoint(1, y)) == node)
                return Normalised(widget->itemAt(1, y)->icon(0).pixmap(widget->iconSize()));
        return {};
    }
    QImage StatePicture(int state) const
    {
        const QPixmap* picture = TreeCtrl().GetImageList(TVSIL_NORMAL)->Pixmap(NodeImage(state, false));
        return picture ? Normalised(*picture) : QImage();
    }
    static QImage Normalised(const QPixmap& picture) { return picture.toImage().convertToFormat(QImage::Format_ARGB32); }

    void ExpectListedLast(int row, int state) const
    {
        HTREEITEM node = LastListed();
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(TreeCtrl().GetItemText(node), ItemNodeText(*Prop(), row));
        EXPECT_EQ(Tree().NodeOf(node), (NodeRef{NODE_DBE_ITEM, MakeFirmItemIndex(kFirm, EntryCount() - 1)}));
        EXPECT_EQ(PictureOf(node), StatePicture(state));
    }
};

} // namespace

TEST_F(FirmItemNodesTest, ATickedItemIsListedAtOnceWithItsStateAndAnUntickedOneGoes)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    CDBEItemGrid* grid = ShowFirmItems(kFirm);
    ASSERT_NE(grid, nullptr);
    const std::vector<std::string> before = Listed();
    ASSERT_FALSE(before.empty());
    const int priced = UncommittedRow(*grid);
    const int unpriced = UncommittedRow(*grid, priced + 1);
    ASSERT_GE(unpriced, 0);
    MakeEvalErrorValue(&Prop()->m_items[unpriced]->m_fUnitPrice);
    RecalcBidTotals(Prop());

    ClickUseBox(*grid, priced);
    ASSERT_NO_FATAL_FAILURE(ExpectListedLast(priced, NODE_STATE_COMPLETE));
    // The firm's items stay open as the first picture left them.
    ClickUseBox(*grid, unpriced);
    EXPECT_TRUE(TreeCtrl().GetItemState(ItemsNode(), TVIS_EXPANDED));
    ASSERT_NO_FATAL_FAILURE(ExpectListedLast(unpriced, NODE_STATE_ERROR));
    EXPECT_EQ(Listed().size(), before.size() + 2);
    // The grid stays: its node is still the one chosen.
    EXPECT_EQ(Tree().SelectedNode(), (NodeRef{NODE_DBE_ITEM_GRID, kFirm}));
    EXPECT_EQ(Frame().GetSplitter().GetFirmItemSplitter()->GetFirmItemGrid(), grid);

    // The firm's first listed item goes; the others keep their texts and follow their items.
    const NodeRef firstNode = *Tree().NodeOf(TreeCtrl().GetChildItem(ItemsNode()));
    const int first = Firm().m_dbeItems[ItemOfFirmItem(firstNode.index)]->m_iNumber;
    ClickUseBox(*grid, first);
    ASSERT_FALSE(Ticked(*grid, first));
    std::vector<std::string> expected(before.begin() + 1, before.end());
    expected.push_back(ItemNodeText(*Prop(), priced));
    expected.push_back(ItemNodeText(*Prop(), unpriced));
    EXPECT_EQ(Listed(), expected);
    ASSERT_NO_FATAL_FAILURE(ExpectListedLast(unpriced, NODE_STATE_ERROR));
}

// The bottom row the grid shows only in part: a click in its box scrolls it into view and
// commits that item, not the one the scrolling brought under the pointer.
TEST_F(FirmItemNodesTest, AClickInTheBoxOfThePartlyShownBottomRowCommitsThatRow)
{
    // A grid height that cuts the bottom row through its box.
    Store("WindowMetrics", "HSplitterPos", "432");
    ASSERT_NO_FATAL_FAILURE(OpenSampleInWindow(300, true));
    CDBEItemGrid* grid = ShowFirmItems(kFirm);
    ASSERT_NE(grid, nullptr);
    const int height = grid->GetGridInfo()->m_gridHeight;
    const auto rectOf = [grid](int row) {
        int column = CDBEItemDataSource::USE;
        CRect rect;
        grid->GetCellRect(&column, &row, &rect);
        return rect;
    };
    const auto partlyShown = [&] {
        int row = grid->GetTopRow();
        while (row < grid->GetRowCount() && rectOf(row).bottom <= height)
            ++row;
        return row;
    };
    // The view scrolled until an uncommitted item with another under it is cut by the bottom edge.
    const auto usable = [&](int row) {
        return row + 1 < grid->GetRowCount() && UncommittedRow(*grid, row) == row && UncommittedRow(*grid, row + 1) == row + 1;
    };
    int row = partlyShown();
    while (!usable(row) && row + 1 < grid->GetRowCount()) {
        ASSERT_EQ(grid->SetTopRow(grid->GetTopRow() + 1), 0);
        row = partlyShown();
    }
    ASSERT_TRUE(usable(row));
    const CRect box = CGridCheckBoxType::BoxOf(rectOf(row));
    ASSERT_LT(box.top + 2, height) << "the cut row shows its box";

    QTest::mouseClick(grid->GetCellArea()->GetWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(box.left + 3, box.top + 2));
    Settle();
    EXPECT_LE(rectOf(row).bottom, height);
    EXPECT_TRUE(Ticked(*grid, row));
    EXPECT_FALSE(Ticked(*grid, row + 1));
    ASSERT_NE(LastListed(), nullptr);
    EXPECT_EQ(TreeCtrl().GetItemText(LastListed()), ItemNodeText(*Prop(), row));
}

TEST_F(FirmItemNodesTest, TheAssignBoxBelowTheGridListsAndUnlistsTheItemToo)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    CDBEItemGrid* grid = ShowFirmItems(kFirm);
    ASSERT_NE(grid, nullptr);
    const size_t before = Listed().size();
    const int row = UncommittedRow(*grid);
    grid->GotoRow(row);
    Settle();
    auto* form = dynamic_cast<CDV_DBEItem*>(Frame().GetSplitter().GetFirmItemSplitter()->GetPane(1, 0));
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form->GetItemIndex(), row);
    CWnd* assign = form->GetDlgItem(CDV_DBEItem::IDC_ASSIGN);

    QTest::mouseClick(assign->GetWidget(), Qt::LeftButton);
    Settle();
    ASSERT_TRUE(Ticked(*grid, row));
    ASSERT_NO_FATAL_FAILURE(ExpectListedLast(row, NODE_STATE_COMPLETE));

    QTest::mouseClick(assign->GetWidget(), Qt::LeftButton);
    Settle();
    ASSERT_FALSE(Ticked(*grid, row));
    EXPECT_EQ(Listed().size(), before);
}

TEST_F(FirmItemNodesTest, AFilesFirmItemsNamingASectionRowOrNoItemAreNotListed)
{
    // The firm commits to a section row, to no item and to an index past the list, then to the
    // first two item rows.
    std::unique_ptr<CProp> file;
    ASSERT_EQ(LoadTvbFile(file, InLetting("sample.tvb"), false), kTvbNoError);
    ASSERT_TRUE(file->m_items[0]->IsSection());
    ASSERT_FALSE(file->m_items[1]->IsSection() || file->m_items[2]->IsSection());
    CRowData& firm = *GetFirmRow(*file, FIRM_DBE, kFirm);
    firm.m_dbeItems.DeleteAll();
    for (const int16_t index : {int16_t(0), int16_t(-1), int16_t(32000), int16_t(1), int16_t(2)}) {
        auto entry = std::make_unique<CDBEItem>();
        entry->m_iNumber = index;
        entry->m_dQuantity = 1;
        entry->m_dExtension = 1000;
        firm.m_dbeItems.Add(std::move(entry));
    }
    ASSERT_EQ(SaveTvbFile(*file, InLetting("sample.tvb")), kTvbNoError);

    ASSERT_NO_FATAL_FAILURE(OpenSample());
    ASSERT_EQ(EntryCount(), 5);
    ASSERT_TRUE(Prop()->m_items[Firm().m_dbeItems[0]->m_iNumber]->IsSection());
    const std::vector<std::string> expected{ItemNodeText(*Prop(), Firm().m_dbeItems[3]->m_iNumber),
                                            ItemNodeText(*Prop(), Firm().m_dbeItems[4]->m_iNumber)};
    EXPECT_EQ(Listed(), expected);
    EXPECT_EQ(Tree().NodeOf(TreeCtrl().GetChildItem(ItemsNode())),
              (NodeRef{NODE_DBE_ITEM, MakeFirmItemIndex(kFirm, 3)}));
}

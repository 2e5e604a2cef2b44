// The firm's items in the proposal tree: a file's firm items that name no item row are listed
// nowhere.
#include "app/firms/FirmItemEntries.h"
#include "app/tree/NodeTexts.h"
#include "model/files/TvbFile.h"
#include "tests/app/firms/FirmTestSupport.h"

namespace {

// The sample's second DBE firm.
constexpr int kFirm = 1;

class FirmItemNodesTest : public FirmGridTest {
protected:
    HTREEITEM ItemsNode() const { return Tree().FindNode({NODE_DBE_ITEM_GRID, kFirm}); }
    std::vector<std::string> Listed() const { return ChildTexts(ItemsNode()); }
    const CRowData& Firm() const { return *GetFirmRow(*Prop(), FIRM_DBE, kFirm); }
    int EntryCount() const { return Firm().m_dbeItems.GetSize(); }
};

} // namespace

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

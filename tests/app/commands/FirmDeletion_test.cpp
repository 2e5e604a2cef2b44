// A firm deleted from the Edit menu: the tree selects the firm after it, and the form beside the
// tree shows that firm, not the one that followed it before.
#include "app/tree/FirmForms.h"
#include "tests/app/commands/CommandCrawl.h"

using namespace crawl;

TEST_F(CommandCrawl, DeletingTheFirstFirmShowsTheFirmNowFirst)
{
    Reach({"the first DBE firm", Proposal::Sample, false, NodeRef{NODE_DBE_FIRM, 0}});
    ASSERT_FALSE(HasFatalFailure());
    CWinMeta& form = *ActiveFirmForm(*Prop(), 1);
    const std::string second = FirmNameOf(form, 1);
    const int firms = form.m_rows.GetSize();
    ASSERT_GE(firms, 3);

    ASSERT_TRUE(ChooseEntryByKeys(Frame(), 'E', ID_DELETE_DBE)); // answered yes
    Settle();
    ASSERT_EQ(form.m_rows.GetSize(), firms - 1);
    EXPECT_EQ(FirmNameOf(form, 0), second);
    EXPECT_EQ(Tree().SelectedNode(), (NodeRef{NODE_DBE_FIRM, 0}));
    EXPECT_EQ(ShownNode(Frame().GetSplitter()), (NodeRef{NODE_DBE_FIRM, 0}));
    EXPECT_EQ(TreeCtrl().GetItemText(TreeCtrl().GetSelectedItem()), second);
}

// The proposal tree of the open sample: its nodes in tree and grid mode, the form each node
// shows, the firm forms kept while hidden, adding and deleting firms, the context menu, and
// letting mode over a folder of proposals.
#include "app/tree/BidView.h"
#include "app/views/NodeViews.h"
#include "bench/generator/ProposalFiles.h"
#include "model/files/TvbFile.h"
#include "model/files/TvlExtract.h"
#include "platform/ui/window/Menu.h"
#include "resources/ResourceIds.h"
#include "tests/app/ShellTestSupport.h"

#include <QTreeWidget>

namespace {

class TreeTest : public ShellTest {
protected:
    NodeRef RightPaneNode() const
    {
        const CView* view = Frame().GetSplitter().GetRightView();
        return view ? NodeRef{GetViewNodeType(*view), GetViewNodeIndex(*view)} : NodeRef{-1, -1};
    }

    bool Select(NodeRef node) const { return Tree().SelectNode(node); }

    // Where the node shows, as a screen point over its label.
    CPoint ScreenPointOf(NodeRef node) const
    {
        auto* widget = static_cast<QTreeWidget*>(TreeCtrl().GetWidget());
        TreeCtrl().EnsureVisible(Tree().FindNode(node));
        QTreeWidgetItem* item = widget->currentItem();
        const QPoint point = widget->viewport()->mapToGlobal(widget->visualItemRect(item).center());
        return {point.x(), point.y()};
    }

    int FirmCount(int kind) const { return Prop()->GetDbeForm(kind)->m_rows.GetSize(); }
};

} // namespace

TEST_F(TreeTest, InTreeModeTheScheduleHoldsSectionsGroupsAndItemsEachShowingItsForm)
{
    OpenSample(false);
    HTREEITEM schedule = Tree().FindNode({NODE_SCHEDULE, 0});
    ASSERT_NE(schedule, nullptr);
    const std::vector<std::string> sections = ChildTexts(schedule);
    ASSERT_FALSE(sections.empty());
    EXPECT_EQ(sections.front().rfind("Section ", 0), 0u);
    int items = 0;
    for (int row = 0; row < Prop()->m_items.GetSize(); ++row)
        items += !Prop()->m_items[row]->IsSection() && Tree().FindNode({NODE_ITEM, row}) != nullptr;
    EXPECT_GT(items, 30);

    const int firstItem = !Prop()->m_items[1]->IsSection() ? 1 : 2;
    for (const NodeRef node : {NodeRef{NODE_SCHEDULE, 0}, NodeRef{NODE_SECTION, 0}, NodeRef{NODE_ITEM, firstItem},
                               NodeRef{NODE_DBE_LIST, 0}, NodeRef{NODE_BOND, 0}}) {
        ASSERT_TRUE(Select(node)) << node.type;
        EXPECT_EQ(RightPaneNode(), node);
    }
}

TEST_F(TreeTest, InGridModeTheScheduleHasNoChildren)
{
    OpenSample(true);
    EXPECT_EQ(TreeCtrl().GetChildItem(Tree().FindNode({NODE_SCHEDULE, 0})), nullptr);
}

TEST_F(TreeTest, AFirmFormIsKeptWhileHiddenAndShowsTheNextFirmOfItsKind)
{
    OpenSample(true);
    ASSERT_TRUE(Select({NODE_DBE_FIRM, 0}));
    CView* firmView = Frame().GetSplitter().GetRightView();
    ASSERT_TRUE(Select({NODE_SCHEDULE, 0}));
    EXPECT_EQ(Frame().GetSplitter().GetKeptView(0), firmView);
    EXPECT_FALSE(firmView->IsWindowVisible());
    ASSERT_TRUE(Select({NODE_DBE_FIRM, 1}));
    EXPECT_EQ(Frame().GetSplitter().GetRightView(), firmView);
    EXPECT_EQ(RightPaneNode(), (NodeRef{NODE_DBE_FIRM, 1}));
    EXPECT_EQ(Frame().GetSplitter().GetKeptView(0), nullptr);
}

TEST_F(TreeTest, AFirmAddedAtTheListsStartMovesTheOthersAndGoesAgainOnDelete)
{
    OpenSample(true);
    const int firms = FirmCount(1);
    const std::string first = TreeCtrl().GetItemText(Tree().FindNode({NODE_DBE_FIRM, 0}));
    ASSERT_TRUE(Select({NODE_DBE_LIST, 0}));
    ASSERT_TRUE(Frame().SendCommand(resources::ID_ADD_DBE));
    EXPECT_EQ(FirmCount(1), firms + 1);
    EXPECT_EQ(Tree().SelectedNode(), (NodeRef{NODE_DBE_FIRM, 0}));
    EXPECT_EQ(TreeCtrl().GetItemText(TreeCtrl().GetSelectedItem()), "<Unknown>");
    EXPECT_EQ(TreeCtrl().GetItemText(Tree().FindNode({NODE_DBE_FIRM, 1})), first);
    EXPECT_TRUE(Doc().IsModified());

    m_script.AnswerMessageBox(IDYES);
    ASSERT_TRUE(Frame().SendCommand(resources::ID_DELETE_DBE));
    EXPECT_EQ(m_script.MessageBoxes().back().text, "Are you sure you want to delete the DBE record\n<Unknown> ?");
    EXPECT_EQ(FirmCount(1), firms);
    EXPECT_EQ(Tree().SelectedNode(), (NodeRef{NODE_DBE_FIRM, 0}));
    EXPECT_EQ(TreeCtrl().GetItemText(TreeCtrl().GetSelectedItem()), first);
}

TEST_F(TreeTest, TheContextMenuOfAFirmAddsAndDeletesFirmsOfItsKind)
{
    OpenSample(true);
    const int firms = FirmCount(1);
    ASSERT_TRUE(Select({NODE_DBE_FIRM, 0}));
    m_script.AnswerMenu(resources::ID_DELETE_DBE);
    m_script.AnswerMessageBox(IDYES);
    Tree().ShowContextMenu(ScreenPointOf({NODE_DBE_FIRM, 0}));
    Settle();
    ASSERT_EQ(m_script.MenusShown().size(), 1u);
    EXPECT_EQ(m_script.MenusShown()[0], (std::vector<std::string>{"Add DBE", "Delete DBE"}));
    EXPECT_EQ(FirmCount(1), firms - 1);
}

TEST_F(TreeTest, AProposalWithoutFirmFormsHasNoListsAndNoFirmEntriesInTheEditMenu)
{
    ProposalShape shape = SampleShape();
    shape.m_firmForms = false;
    std::string error;
    ASSERT_TRUE(WriteAmendedProposalFiles(shape, m_folder / "plain", error)) << error;
    AnswerAmendmentReport();
    AnswerBidderId();
    StartOn(m_folder / "plain.tvb");
    ASSERT_NE(Prop(), nullptr);
    EXPECT_EQ(Tree().FindNode({NODE_DBE_LIST, 0}), nullptr);
    CMenu* edit = Frame().GetMenu()->GetSubMenu(1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetMenuItemCount(), 2);
}

TEST_F(TreeTest, LettingModeShowsEachProposalAndOpensTheOneChosen)
{
    Store("Misc", "AutoLoad", "0");
    ASSERT_EQ(ExtractTvlMember(InLetting("sample.tvl"), "sample-2.tvb;sample-3.tvb", TvlExisting::Replace), kTvlExtracted);
    m_app = Start();
    Settle();
    CBidDoc& doc = Doc();
    doc.m_strLettingFolder = Letting();
    doc.m_strLettingFiles = {"sample-2.tvb", "sample-3.tvb"};
    doc.m_iLettingIndex = 0;
    doc.ChangeFlag(DOC_LETTING_MODE, 1);
    doc.ChangeFlag(DOC_LETTING_CHOSEN, 1);
    AnswerBidderId();
    doc.OpenProposalFile(InLetting("sample-2.tvb"));
    ASSERT_NE(Prop(), nullptr);
    HTREEITEM root = TreeCtrl().GetRootItem();
    EXPECT_EQ(TreeCtrl().GetItemText(root), "Letting Directory: " + Letting());
    EXPECT_EQ(ChildTexts(root), (std::vector<std::string>{"sample-2.tvb", "sample-3.tvb"}));
    EXPECT_NE(TreeCtrl().GetChildItem(Tree().FindNode({NODE_PROPOSAL, 0})), nullptr);

    ASSERT_TRUE(Select({NODE_PROPOSAL, 1}));
    EXPECT_EQ(Doc().GetPathName(), InLetting("sample-3.tvb"));
    EXPECT_EQ(doc.m_iLettingIndex, 1);
    EXPECT_EQ(TreeCtrl().GetChildItem(Tree().FindNode({NODE_PROPOSAL, 0})), nullptr);
    EXPECT_NE(TreeCtrl().GetChildItem(Tree().FindNode({NODE_PROPOSAL, 1})), nullptr);
    EXPECT_TRUE(m_script.AllAnswered());
}

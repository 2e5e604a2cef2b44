// Letting mode at the bidder's desk: a letting opened with Ctrl+L, its proposals chosen with the
// mouse in the tree, a preview of the bid, a new document with Ctrl+N; each with the real keys
// on the active main window.
#include "app/views/DVBlank.h"
#include "app/views/DVProposal.h"
#include "model/files/TvlExtract.h"
#include "platform/ui/print/PrintPreview.h"
#include "tests/app/commands/CommandTestSupport.h"

#include <filesystem>

namespace {

constexpr UINT kContractId = 1015; // the proposal form's value

class LettingDesk : public CommandTest {
protected:
    std::string Folder() const { return m_folder / "june letting"; }

    // The letting's files: the sample's, and those of the two other proposals of its library.
    void MakeLetting()
    {
        std::filesystem::create_directories(Folder());
        for (const char* name : {"sample.tvb", "sample.001", "sample.002", "sample.tvl"})
            std::filesystem::copy_file(InLetting(name), Folder() + "/" + name);
        ASSERT_EQ(ExtractTvlMember(Folder() + "/sample.tvl", "sample-2.*;sample-3.*", TvlExisting::Replace),
                  kTvlExtracted);
        std::filesystem::remove(Folder() + "/sample.tvl");
    }

    // Opened with Ctrl+L; the first proposal's change report is read.
    void OpenLetting()
    {
        m_script.AnswerFolder(Folder());
        m_script.AnswerDialogWith(IDOK); // the only letting
        AnswerAmendmentReport();
        AnswerBidderId();
        PressCtrl(Qt::Key_L);
        ASSERT_NE(Prop(), nullptr) << Unanswered();
        ASSERT_TRUE(Doc().IsLettingMode());
    }

    CView* RightView() const { return Frame().GetSplitter().GetRightView(); }
    NodeRef RightPaneNode() const
    {
        const CView* view = RightView();
        return view ? NodeRef{GetViewNodeType(*view), GetViewNodeIndex(*view)} : NodeRef{-1, -1};
    }
    std::optional<NodeRef> Selected() const { return Tree().SelectedNode(); }
    void ClickRightPane()
    {
        ASSERT_NE(RightView(), nullptr);
        QTest::mouseClick(RightView()->GetWidget(), Qt::LeftButton);
        Settle();
    }
};

} // namespace

TEST_F(LettingDesk, ANewDocumentEndsTheLettingAndShowsNothing)
{
    MakeLetting();
    StartEmpty();
    Activate();
    OpenLetting();
    ClickRightPane();
    PressCtrl(Qt::Key_N);
    EXPECT_EQ(Prop(), nullptr);
    EXPECT_FALSE(Doc().IsLettingMode());
    EXPECT_EQ(TreeCtrl().GetRootItem(), nullptr);
    EXPECT_NE(dynamic_cast<CDV_Blank*>(RightView()), nullptr);
    EXPECT_EQ(Frame().GetWindowText(), "Tarvello Zod");
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();

    // The program goes on: the same letting opens again.
    OpenLetting();
    EXPECT_EQ(ChildTexts(TreeCtrl().GetRootItem()).size(), 3u);
}

TEST_F(LettingDesk, AProposalChosenInTheTreeShowsItsFormAtOnceAndAfterThePreview)
{
    Store("Misc", "PrintCheck", "0");
    MakeLetting();
    StartEmpty();
    Activate();
    OpenLetting();
    EXPECT_EQ(RightPaneNode(), (NodeRef{NODE_LETTING, 0}));

    AnswerAmendmentReport();
    ASSERT_TRUE(ClickNode({NODE_PROPOSAL, 1}));
    ASSERT_EQ(Doc().GetPathName(), Folder() + "/sample-3.tvb") << Unanswered();
    EXPECT_EQ(RightPaneNode(), (NodeRef{NODE_PROPOSAL, 1}));
    ASSERT_NE(dynamic_cast<CDV_Proposal*>(RightView()), nullptr);
    EXPECT_EQ(RightView()->GetDlgItem(kContractId)->GetWindowText(), Prop()->m_strContractId);

    ChooseByKeys(Qt::Key_F, {Qt::Key_V}); // File, Print Preview
    ASSERT_NE(platform::ActivePreview(), nullptr);
    QTest::keyClick(platform::ActivePreview(), Qt::Key_Escape);
    Settle();
    EXPECT_EQ(platform::ActivePreview(), nullptr);
    EXPECT_EQ(RightPaneNode(), (NodeRef{NODE_PROPOSAL, 1}));
    EXPECT_EQ(Selected(), (NodeRef{NODE_PROPOSAL, 1}));
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

TEST_F(LettingDesk, AProposalThatCannotBeOpenedLeavesTheOpenOneShownAndSelected)
{
    MakeLetting();
    testsupport::WriteTextFile(Folder() + "/sample-4.tvb", "Bid opening is at ten.\n");
    StartEmpty();
    Activate();
    OpenLetting();
    ASSERT_TRUE(ClickNode({NODE_SCHEDULE, 0}));
    CProp* open = Prop();

    AnswerOk(); // not a proposal
    ASSERT_TRUE(ClickNode({NODE_PROPOSAL, 2}));
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->caption, "Error Opening Proposal File");
    EXPECT_EQ(Prop(), open);
    EXPECT_EQ(Doc().GetPathName(), Folder() + "/sample-2.tvb");
    EXPECT_EQ(Selected(), (NodeRef{NODE_PROPOSAL, 0}));
    EXPECT_EQ(RightPaneNode(), (NodeRef{NODE_PROPOSAL, 0}));
    EXPECT_NE(Tree().FindNode({NODE_SCHEDULE, 0}), nullptr);
    EXPECT_EQ(TreeCtrl().GetChildItem(Tree().FindNode({NODE_PROPOSAL, 2})), nullptr);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();

    // Open Letting abandoned on its folder leaves the letting as it was.
    m_script.AnswerCancel();
    PressCtrl(Qt::Key_L);
    AnswerAmendmentReport();
    ASSERT_TRUE(ClickNode({NODE_PROPOSAL, 1}));
    EXPECT_EQ(Doc().GetPathName(), Folder() + "/sample-3.tvb");
    EXPECT_NE(TreeCtrl().GetChildItem(Tree().FindNode({NODE_PROPOSAL, 1})), nullptr);
    EXPECT_EQ(TreeCtrl().GetChildItem(Tree().FindNode({NODE_PROPOSAL, 0})), nullptr);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

TEST_F(LettingDesk, ARecentFileThatCannotBeOpenedLeavesTheLettingOpen)
{
    MakeLetting();
    testsupport::WriteTextFile(m_folder / "notes.tvb", "Bid opening is at ten.\n");
    Store("Recent File List", "File1", m_folder / "notes.tvb");
    StartEmpty();
    Activate();
    OpenLetting();

    AnswerOk(); // not a proposal
    // The letting's first proposal is the first recent file now.
    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_F, Qt::Key_2));
    Settle();
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->caption, "Error Opening Proposal File");
    EXPECT_TRUE(Doc().IsLettingMode());

    // The letting's proposals still open from the tree.
    AnswerAmendmentReport();
    ASSERT_TRUE(ClickNode({NODE_PROPOSAL, 1}));
    EXPECT_EQ(Doc().GetPathName(), Folder() + "/sample-3.tvb");
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

// An opening that is cancelled or fails leaves the document as it was: nothing to save where
// there was nothing, the open bid with its changes where there was one.
#include "model/files/PickList.h"
#include "tests/app/commands/CommandTestSupport.h"

namespace {

class AbandonedOpening : public CommandTest {
protected:
    void CancelBidderId()
    {
        m_script.AnswerDialog([](platform::ModalDialog& modal) {
            ASSERT_EQ(modal.ModalTitle(), "Bidder ID Not Found");
            Click(dynamic_cast<CDialog&>(modal), IDCANCEL);
        });
    }
};

} // namespace

TEST_F(AbandonedOpening, ACancelledBidderIdLeavesNothingToSave)
{
    StartEmpty();
    Activate();
    m_script.AnswerFile(InLetting("sample.tvb"));
    AnswerAmendmentReport();
    CancelBidderId();
    PressCtrl(Qt::Key_O);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
    EXPECT_EQ(Prop(), nullptr);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Frame().GetWindowText(), "Tarvello Zod");

    // Nothing asks to be saved, once or again.
    PressCtrl(Qt::Key_N);
    PressCtrl(Qt::Key_N);
    EXPECT_TRUE(m_script.MessageBoxes().empty()) << Unanswered();
    EXPECT_FALSE(Enabled(ID_FILE_SAVE));
}

TEST_F(AbandonedOpening, AFileThatFailsKeepsTheOpenBidWithItsChanges)
{
    StartOnSample();
    Activate();
    CProp* bid = Prop();
    bid->m_items[2]->m_fUnitPrice += 1.25;
    Doc().SetModifiedFlag();
    const std::string title = Frame().GetWindowText();
    const std::string notes = InLetting("notes.tvb");
    testsupport::WriteTextFile(notes, "Bid opening is at ten.\n");

    m_script.AnswerFile(notes);
    m_script.AnswerMessageBox(IDNO); // its changes are not saved
    AnswerOk();                      // not a proposal
    PressCtrl(Qt::Key_O);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
    EXPECT_EQ(m_script.MessageBoxes().back().caption, "Error Opening Proposal File");
    EXPECT_EQ(Prop(), bid);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Doc().GetPathName(), InLetting("sample.tvb"));
    EXPECT_EQ(GetLastProposalPath(), InLetting("sample.tvb"));
    EXPECT_EQ(Frame().GetWindowText(), title);
    EXPECT_NE(TreeCtrl().GetChildItem(TreeCtrl().GetRootItem()), nullptr);
    EXPECT_EQ(GetViewNodeType(*Frame().GetSplitter().GetRightView()), NODE_PROPOSAL);
}

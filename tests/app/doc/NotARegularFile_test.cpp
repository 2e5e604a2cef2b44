// A FIFO named like a proposal or a library is refused at once, however it is opened: nothing
// waits for another program to write to it.
#include "app/dialogs/TVLLoad.h"
#include "platform/ui/controls/ListBox.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/support/Fifo.h"

namespace {

class NotARegularFile : public CommandTest {
protected:
    const std::string m_proposal = m_folder / "x.tvb";
    const std::string m_library = m_folder / "lib.tvl";
    testsupport::Fifo m_proposalFifo{m_proposal};
    testsupport::Fifo m_libraryFifo{m_library};

    void ExpectRefused(const std::string& caption, const std::string& text)
    {
        ASSERT_NE(LastMessage(), nullptr);
        EXPECT_EQ(LastMessage()->caption, caption);
        EXPECT_EQ(LastMessage()->text, text);
        EXPECT_EQ(Prop(), nullptr);
    }
};

} // namespace

TEST_F(NotARegularFile, AFifoIsRefusedFromTheCommandLineFileOpenAndTheRecentFiles)
{
    ASSERT_TRUE(m_proposalFifo.Made());
    Store("Recent File List", "File1", m_proposal);
    const std::string refusal = "Cannot open file\n\n" + m_proposal;

    AnswerOk();
    StartOn(m_proposal);
    ExpectRefused("Error Opening Proposal File", refusal);

    Activate();
    m_script.AnswerFile(m_proposal);
    AnswerOk();
    ChooseByKeys(Qt::Key_F, {Qt::Key_O});
    ExpectRefused("Error Opening Proposal File", refusal);

    AnswerOk();
    ChooseByKeys(Qt::Key_F, {Qt::Key_1});
    ExpectRefused("Error Opening Proposal File", refusal);
    EXPECT_EQ(m_script.MessageBoxes().size(), 3u);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

TEST_F(NotARegularFile, AFifoNamedLikeALibraryListsNothing)
{
    ASSERT_TRUE(m_libraryFifo.Made());
    StartEmpty();
    Activate();
    m_script.AnswerFile(m_library);
    int listed = -1;
    m_script.AnswerDialog([&listed](platform::ModalDialog& modal) {
        auto& dialog = dynamic_cast<CDialog&>(modal);
        listed = dynamic_cast<CListBox*>(dialog.GetDlgItem(CTVLLoad::IDC_LIST))->GetCount();
        Click(dialog, IDOK);
    });
    AnswerOk();
    ChooseByKeys(Qt::Key_F, {Qt::Key_O});
    EXPECT_EQ(listed, 0);
    ExpectRefused("Error Opening Library", "Can't open TVL library: " + m_library);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

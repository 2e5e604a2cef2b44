// A proposal whose name is as long as the file system allows opens and is saved by Ctrl+S: the
// save's temporary file beside it fits as well.
#include "model/records/Item.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/support/TestEnvironment.h"

namespace {

class LongNameSave : public CommandTest {};

} // namespace

TEST_F(LongNameSave, AProposalNamedUpToTheLongestIsSavedByCtrlS)
{
    Store("Misc", "FloppySave", "0");
    const std::string path = InLetting(std::string(251, 'p') + ".tvb");
    std::filesystem::copy_file(InLetting("sample.tvb"), path);
    const std::string published = testsupport::ReadTextFile(path);
    AnswerBidderId();
    StartOn(path);
    ASSERT_NE(Prop(), nullptr);
    Activate();
    Prop()->m_items[1]->m_fUnitPrice += 1;
    Doc().SetModifiedFlag();

    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_NE(testsupport::ReadTextFile(path), published);
    EXPECT_TRUE(m_script.AllAnswered()) << "no message";
    EXPECT_EQ(testsupport::FilesIn(Letting()), 7u) << "the six of the letting and the proposal, nothing beside";
}

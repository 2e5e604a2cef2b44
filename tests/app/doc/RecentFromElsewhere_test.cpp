// A proposal named on the command line by a relative path, as from a terminal, is the same file
// wherever the program is started next: File > 1 opens it, not a file of the same relative name
// in the folder the program was started from.
#include "tests/app/commands/CommandTestSupport.h"

#include <filesystem>

namespace {

class RecentFromElsewhere : public CommandTest {
protected:
    // Another folder holding a proposal under the same relative name, without the amendments.
    std::string Elsewhere() const
    {
        const std::string folder = m_folder / "elsewhere";
        std::filesystem::create_directories(folder + "/letting");
        std::filesystem::copy_file(InLetting("sample.tvb"), folder + "/letting/sample.tvb",
                                   std::filesystem::copy_options::skip_existing);
        return folder;
    }
};

} // namespace

TEST_F(RecentFromElsewhere, FileOneOpensTheProposalOpenedByARelativePath)
{
    std::string proposal;
    {
        const testsupport::ScopedCurrentFolder here(m_folder.Path());
        proposal = (std::filesystem::current_path() / "letting/sample.tvb").string();
        AnswerAmendmentReport();
        AnswerBidderId();
        StartOn("letting/sample.tvb");
        ASSERT_NE(Prop(), nullptr);
        EXPECT_EQ(Doc().GetPathName(), proposal);
        ChooseByKeys(Qt::Key_F, {Qt::Key_X});
        EXPECT_EQ(EndProgram(), 0);
    }
    EXPECT_EQ(Stored("Recent File List", "File1"), proposal);

    const testsupport::ScopedCurrentFolder there(Elsewhere());
    StartEmpty();
    AnswerAmendmentReport();
    ChooseByKeys(Qt::Key_F, {Qt::Key_1});
    ASSERT_NE(Prop(), nullptr) << Unanswered();
    EXPECT_EQ(Doc().GetPathName(), proposal);
    EXPECT_EQ(Prop()->m_iAmendmentCount, 2) << "the amendments beside it were applied";
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

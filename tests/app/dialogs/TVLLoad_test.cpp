// Choosing a member of a library: the matching names in library order, the member extracted
// beside the library on OK or a double click, a file there already replaced only when the user
// agrees, and every failure told with no name chosen.
#include "app/dialogs/TVLLoad.h"
#include "tests/app/dialogs/DialogTestSupport.h"

#include <filesystem>

namespace {

using namespace dialogtest;

class LibraryMemberDialog : public DialogTest {
protected:
    LibraryMemberDialog()
    {
        testsupport::WriteTextFile(m_library, testsupport::ReadTextFile(ZOD_SAMPLES "/sample.tvl"));
        m_dialog.m_strLibraryPath = m_library;
        m_dialog.m_strPattern = "*.tvb";
        m_dialog.m_strTitle = "Select Proposal";
    }

    CWnd* List() { return m_dialog.GetDlgItem(CTVLLoad::IDC_LIST); }

    const std::string m_library = m_folder / "letting.tvl";
    CTVLLoad m_dialog;
};

} // namespace

TEST_F(LibraryMemberDialog, OkWithNoSelectionClosesWithoutAName)
{
    std::vector<std::string> lines;
    const int result = Run(m_dialog, [&] {
        lines = Lines(List());
        Click(m_dialog.GetDlgItem(IDOK));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(lines, (std::vector<std::string>{"sample.tvb", "sample-2.tvb", "sample-3.tvb"}));
    EXPECT_EQ(m_dialog.m_strChosenName, "");
    EXPECT_EQ(m_script.DialogTitles(), std::vector<std::string>{"Select Proposal"});
    EXPECT_FALSE(std::filesystem::exists(m_folder / "sample.tvb"));
    EXPECT_TRUE(m_script.MessageBoxes().empty());
}

TEST_F(LibraryMemberDialog, NoMatchingMemberLeavesTheListEmpty)
{
    m_dialog.m_strPattern = "*.xyz";
    std::vector<std::string> lines{"not filled"};
    EXPECT_EQ(Run(m_dialog, [&] {
                  lines = Lines(List());
                  Click(m_dialog.GetDlgItem(IDOK));
              }),
              IDOK);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(m_dialog.m_strChosenName, "");
}

TEST_F(LibraryMemberDialog, ADoubleClickExtractsTheMemberBesideTheLibrary)
{
    m_dialog.m_strPattern = "*.0*";
    const int result = Run(m_dialog, [&] { DoubleClickLine(List(), 3); });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_dialog.m_strChosenName, m_folder / "sample-2.002");
    EXPECT_GT(std::filesystem::file_size(m_dialog.m_strChosenName), 0u);
    EXPECT_FALSE(std::filesystem::exists(m_folder / "sample-2.001"));
}

TEST_F(LibraryMemberDialog, AFileThereAlreadyIsReplacedOnlyWhenTheUserAgrees)
{
    const std::string existing = m_folder / "sample-3.tvb";
    testsupport::WriteTextFile(existing, "my priced bid");
    const int result = Run(m_dialog, [&] {
        ClickLine(List(), 2);
        m_script.AnswerMessageBox(IDCANCEL);
        Click(m_dialog.GetDlgItem(IDOK));
        EXPECT_FALSE(m_dialog.HasEnded());
        EXPECT_EQ(testsupport::ReadTextFile(existing), "my priced bid");
        m_script.AnswerMessageBox(IDOK);
        Click(m_dialog.GetDlgItem(IDOK));
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(m_script.MessageBoxes().size(), 2u);
    const platform::MessageBoxRequest& question = m_script.MessageBoxes()[0];
    EXPECT_EQ(question.text, "sample-3.tvb already exists in current directory.\n"
                             "Select OK to overwrite (You will lose all saved changes)");
    EXPECT_EQ(question.caption, "Warning for Extracting Proposal");
    EXPECT_EQ(question.type, unsigned(MB_OKCANCEL | MB_ICONEXCLAMATION));
    EXPECT_EQ(m_dialog.m_strChosenName, existing);
    EXPECT_NE(testsupport::ReadTextFile(existing), "my priced bid");
}

TEST_F(LibraryMemberDialog, AFailedExtractionIsToldAndChoosesNothing)
{
    const int result = Run(m_dialog, [&] {
        ClickLine(List(), 0);
        std::filesystem::remove(m_library);
        Click(m_dialog.GetDlgItem(IDOK));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_dialog.m_strChosenName, "");
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].text, "Can't open TVL library");
    EXPECT_EQ(m_script.MessageBoxes()[0].caption, "Error Extracting Proposal");
}

TEST_F(LibraryMemberDialog, ALibraryThatCannotBeReadWholeListsWhatCouldBeRead)
{
    const std::string bytes = testsupport::ReadTextFile(m_library);
    testsupport::WriteTextFile(m_library, bytes.substr(0, bytes.find("sample-2.001")));
    std::vector<std::string> lines;
    Run(m_dialog, [&] { lines = Lines(List()); });
    EXPECT_EQ(lines, (std::vector<std::string>{"sample.tvb", "sample-2.tvb"}));
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].text, "Error Reading Library: " + m_library);

    CTVLLoad missing;
    missing.m_strLibraryPath = m_folder / "gone.tvl";
    Run(missing, [&] { EXPECT_TRUE(Lines(missing.GetDlgItem(CTVLLoad::IDC_LIST)).empty()); });
    EXPECT_EQ(m_script.MessageBoxes().back().text, "Can't open TVL library: " + (m_folder / "gone.tvl"));
}

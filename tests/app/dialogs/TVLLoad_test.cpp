// Choosing a member of a library: the matching names in library order, the member extracted
// beside the library on OK or a double click, a file there already replaced only when the user
// agrees, and every failure told with no name chosen.
#include "app/dialogs/TVLLoad.h"
#include "tests/app/dialogs/DialogTestSupport.h"

#include <filesystem>
#include <functional>

namespace {

using namespace dialogtest;

class LibraryMemberDialog : public DialogTest {
protected:
    LibraryMemberDialog()
    {
        testsupport::WriteTextFile(m_library, testsupport::ReadTextFile(std::string(ZOD_SAMPLES) + "/sample.tvl"));
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
    const int result = Run(m_dialog, [&] { ClickLine(List(), 3, true); });
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

TEST_F(LibraryMemberDialog, AFailedExtractionNamesTheLibraryAndLeavesNothingBehind)
{
    const std::string bytes = testsupport::ReadTextFile(m_library);
    struct Failure {
        std::function<void()> damage; // done to the library while the list shows
        std::string text;
    };
    for (const auto& [damage, text] :
         {Failure{[&] { std::filesystem::remove(m_library); }, "Can't open TVL library: " + m_library},
          Failure{[&] { testsupport::WriteTextFile(m_library, bytes.substr(0, 5000)); },
                  "Error Reading Library: " + m_library}}) {
        testsupport::WriteTextFile(m_library, bytes);
        CTVLLoad dialog;
        dialog.m_strLibraryPath = m_library;
        dialog.m_strPattern = "*.tvb";
        const int result = Run(dialog, [&] {
            ClickLine(dialog.GetDlgItem(CTVLLoad::IDC_LIST), 0);
            damage();
            Click(dialog.GetDlgItem(IDOK));
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog.m_strChosenName, "");
        ASSERT_FALSE(m_script.MessageBoxes().empty());
        EXPECT_EQ(m_script.MessageBoxes().back().text, text);
        EXPECT_EQ(m_script.MessageBoxes().back().caption, "Error Extracting Proposal");
        EXPECT_FALSE(std::filesystem::exists(m_folder / "sample.tvb")) << text;
    }
}

TEST_F(LibraryMemberDialog, ANameWithWildcardsReplacesNoOtherMembersFile)
{
    std::string bytes = testsupport::ReadTextFile(m_library);
    bytes.replace(bytes.find("sample-2.tvb"), 12, "sample-?.tvb");
    testsupport::WriteTextFile(m_library, bytes);
    testsupport::WriteTextFile(m_folder / "sample-?.tvb", "old copy");
    testsupport::WriteTextFile(m_folder / "sample-3.tvb", "my priced bid");
    Run(m_dialog, [&] {
        ClickLine(List(), 1);
        m_script.AnswerMessageBox(IDOK);
        Click(m_dialog.GetDlgItem(IDOK));
    });
    EXPECT_EQ(testsupport::ReadTextFile(m_folder / "sample-3.tvb"), "my priced bid");
    EXPECT_EQ(m_dialog.m_strChosenName, "");
    EXPECT_EQ(m_script.MessageBoxes().back().caption, "Error Extracting Proposal");
}

namespace {

// A library made hostile or broken, what the list then shows and what the user is told.
struct HostileCase {
    const char* name;
    std::string (*corrupt)(std::string bytes);
    std::vector<std::string> listed;
    const char* message; // followed by ": " and the library's path; "" for none
};

std::string Renamed(std::string bytes, const std::string& from, const std::string& to)
{
    return bytes.replace(bytes.find(from), from.size(), to);
}

const HostileCase kHostileCases[] = {
    {"Missing", [](std::string) { return std::string(); }, {}, "Can't open TVL library"},
    {"Empty", [](std::string) { return std::string(" "); }, {}, "Error Reading Library"},
    {"NoLibrary", [](std::string) { return std::string("Bid prices, not a library\n"); }, {}, "Error Reading Library"},
    {"CutInItsHeader", [](std::string b) { return b.substr(0, 20); }, {}, "Error Reading Library"},
    {"CutInItsFields", [](std::string b) { return b.substr(0, 36); }, {}, "Error Reading Library"},
    {"CutInAMembersEntry", [](std::string b) { return b.substr(0, b.find("sample-2.001")); },
     {"sample.tvb", "sample-2.tvb"}, "Error Reading Library"},
    {"CutInTheLastMembersData", [](std::string b) { return b.substr(0, b.size() - 100); },
     {"sample.tvb", "sample-2.tvb", "sample-3.tvb"}, "Error Reading Library"},
    {"MemberNamedAsAPath", [](std::string b) { return Renamed(b, "sample.tvb", "../ple.tvb"); },
     {"sample-2.tvb", "sample-3.tvb"}, ""},
    {"MemberNamedAsAnAbsolutePath", [](std::string b) { return Renamed(b, "sample-3.tvb", "/tmp/ple.tvb"); },
     {"sample.tvb", "sample-2.tvb"}, ""},
};

class HostileLibrary : public LibraryMemberDialog, public ::testing::WithParamInterface<HostileCase> {};

} // namespace

TEST_P(HostileLibrary, ListsWhatCanBeReadAndSaysWhatIsWrong)
{
    const std::string bytes = GetParam().corrupt(testsupport::ReadTextFile(m_library));
    std::filesystem::remove(m_library);
    if (!bytes.empty())
        testsupport::WriteTextFile(m_library, bytes);
    std::vector<std::string> lines{"not filled"};
    Run(m_dialog, [&] {
        lines = Lines(List());
        Click(m_dialog.GetDlgItem(IDOK));
    });
    EXPECT_EQ(lines, GetParam().listed);
    EXPECT_EQ(m_dialog.m_strChosenName, "");
    const std::string message = GetParam().message;
    if (message.empty()) {
        EXPECT_TRUE(m_script.MessageBoxes().empty());
    } else {
        ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
        EXPECT_EQ(m_script.MessageBoxes()[0].text, message + ": " + m_library);
        EXPECT_EQ(m_script.MessageBoxes()[0].type, unsigned(MB_OK | MB_ICONEXCLAMATION));
    }
}

INSTANTIATE_TEST_SUITE_P(Libraries, HostileLibrary, ::testing::ValuesIn(kHostileCases),
                         [](const auto& info) { return std::string(info.param.name); });

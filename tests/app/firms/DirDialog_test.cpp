// The folder chooser: what it asks the folder dialog, and which answers count as a choice. An
// answer outside the root, or naming no folder, is no choice.
#include "app/firms/DirDialog.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

class DirDialogTest : public ::testing::Test {
protected:
    DirDialogTest()
    {
        std::filesystem::create_directories(m_folder / "root/lettings/L01");
        std::filesystem::create_directories(m_folder / "elsewhere");
        std::filesystem::create_directories(m_folder / "rootless");
        std::ofstream(m_folder / "root/note.txt") << "x";
    }

    // Browses with the root and the scripted answer; what the dialog was asked is kept.
    bool Browse(const std::string& root, const std::optional<std::string>& answer)
    {
        m_dialog.m_strRootFolder = root;
        if (answer)
            m_script.AnswerFolder(*answer);
        else
            m_script.AnswerCancel();
        return m_dialog.DoBrowse();
    }

    testsupport::TempFolder m_folder;
    platform::ScriptedModalServices m_script;
    platform::ScopedModalServices m_installed{m_script};
    CDirDialog m_dialog;
};

} // namespace

TEST_F(DirDialogTest, AFolderBelowTheRootIsChosen)
{
    m_dialog.m_strSelectedFolder = m_folder / "root/lettings";
    ASSERT_TRUE(Browse(m_folder / "root", m_folder / "root/lettings/L01"));
    EXPECT_EQ(m_dialog.m_strPath, m_folder / "root/lettings/L01");
    ASSERT_EQ(m_script.FolderRequests().size(), 1u);
    const platform::FolderRequest& request = m_script.FolderRequests().front();
    EXPECT_EQ(request.title, "Open");
    EXPECT_EQ(request.initialFolder, m_folder / "root/lettings");
    EXPECT_EQ(request.rootFolder, m_folder / "root");
}

TEST_F(DirDialogTest, WithoutARootAnyFolderIsChosenUnderTheGivenTitle)
{
    m_dialog.m_strTitle = "Select Letting Folder";
    ASSERT_TRUE(Browse("", m_folder / "elsewhere"));
    EXPECT_EQ(m_dialog.m_strPath, m_folder / "elsewhere");
    EXPECT_EQ(m_script.FolderRequests().front().title, "Select Letting Folder");
    EXPECT_EQ(m_script.FolderRequests().front().rootFolder, "");
}

TEST_F(DirDialogTest, ARootThatIsNoFolderAnswersFalseWithoutShowing)
{
    for (const std::string& root : {m_folder / "missing", m_folder / "root/note.txt"}) {
        m_dialog.m_strRootFolder = root;
        EXPECT_FALSE(m_dialog.DoBrowse()) << root;
    }
    EXPECT_TRUE(m_script.FolderRequests().empty());
    EXPECT_TRUE(m_script.Unexpected().empty());
}

namespace {

struct RefusedAnswer {
    const char* name;
    std::optional<std::string> answer; // relative to the test folder; none: cancelled
};

class DirDialogRefusal : public DirDialogTest, public ::testing::WithParamInterface<RefusedAnswer> {};

} // namespace

TEST_P(DirDialogRefusal, LeavesThePathAsItWas)
{
    m_dialog.m_strPath = "unchanged";
    const std::optional<std::string> answer =
        GetParam().answer ? std::optional(m_folder / *GetParam().answer) : std::nullopt;
    EXPECT_FALSE(Browse(m_folder / "root", answer));
    EXPECT_EQ(m_dialog.m_strPath, "unchanged");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DirDialogRefusal,
    ::testing::Values(RefusedAnswer{"Cancelled", std::nullopt}, RefusedAnswer{"OutsideTheRoot", "elsewhere"},
                      RefusedAnswer{"OutOfTheRootByDots", "root/lettings/../../elsewhere"},
                      RefusedAnswer{"NameSharingTheRootsStart", "rootless"},
                      RefusedAnswer{"NoSuchFolder", "root/lettings/L99"}, RefusedAnswer{"AFile", "root/note.txt"}),
    [](const auto& info) { return std::string(info.param.name); });

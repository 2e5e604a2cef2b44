// The copy to a removable drive after saving: the drives mounted for the user are offered,
// with none the dialog says so, and the ask-again switch comes back however it closes.
#include "app/dialogs/FloppySaveDlg.h"
#include "platform/ui/controls/Button.h"
#include "tests/app/dialogs/DialogTestSupport.h"

namespace {

using namespace dialogtest;
using Media = std::vector<std::string>;

class RemovableDriveDialog : public DialogTest {
protected:
    CWnd* Item(CDialog& dialog, UINT id) { return dialog.GetDlgItem(id); }
};

struct FolderCase {
    const char* folder;
    bool removable;
};

const FolderCase kFolderCases[] = {
    {"/media/pat/STICK", true}, {"/run/media/pat/CARD 2", true}, {"/media/usb0", true},
    {"/media/", false},         {"/media", false},              {"/run/media/", false},
    {"/mnt/stick", false},      {"/", false},                   {"/home/pat/media/x", false},
    {"/mediaX/stick", false},   {"", false},
};

class RemovableFolder : public ::testing::TestWithParam<FolderCase> {};

} // namespace

TEST_P(RemovableFolder, OnlyTheDesktopsMediaFoldersCount)
{
    EXPECT_EQ(IsRemovableMediaFolder(GetParam().folder), GetParam().removable) << GetParam().folder;
}

INSTANTIATE_TEST_SUITE_P(Folders, RemovableFolder, ::testing::ValuesIn(kFolderCases));

TEST_F(RemovableDriveDialog, TheDriveChosenIsTakenWithTheAskAgainSwitch)
{
    CFloppySaveDlg dialog(Media{"/media/pat/STICK", "/run/media/pat/CARD"});
    const int result = Run(dialog, [&] {
        EXPECT_EQ(Lines(Item(dialog, CFloppySaveDlg::IDC_LIST)),
                  (std::vector<std::string>{"/media/pat/STICK", "/run/media/pat/CARD"}));
        EXPECT_FALSE(Item(dialog, CFloppySaveDlg::IDC_NO_MEDIA)->IsWindowVisible());
        EXPECT_EQ(dynamic_cast<CButton*>(Item(dialog, CFloppySaveDlg::IDC_ASK_AGAIN))->GetCheck(), BST_CHECKED);
        ClickLine(Item(dialog, CFloppySaveDlg::IDC_LIST), 1);
        Click(Item(dialog, CFloppySaveDlg::IDC_ASK_AGAIN));
        Click(Item(dialog, CFloppySaveDlg::IDC_SAVE));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_strDrive, "/run/media/pat/CARD");
    EXPECT_EQ(dialog.m_bAskAgain, 0);
}

TEST_F(RemovableDriveDialog, CancelChoosesNoDriveButKeepsTheSwitch)
{
    CFloppySaveDlg dialog(Media{"/media/pat/STICK"});
    const int result = Run(dialog, [&] {
        Click(Item(dialog, CFloppySaveDlg::IDC_ASK_AGAIN));
        Click(Item(dialog, IDCANCEL));
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_strDrive, "");
    EXPECT_EQ(dialog.m_bAskAgain, 0);
}

TEST_F(RemovableDriveDialog, WithNoDriveMountedItSaysSoAndCannotSave)
{
    CFloppySaveDlg dialog(Media{});
    const int result = Run(dialog, [&] {
        EXPECT_TRUE(Item(dialog, CFloppySaveDlg::IDC_NO_MEDIA)->IsWindowVisible());
        EXPECT_EQ(Item(dialog, CFloppySaveDlg::IDC_NO_MEDIA)->GetWindowText(), "No removable drive is mounted.");
        EXPECT_FALSE(Item(dialog, CFloppySaveDlg::IDC_LIST)->IsWindowVisible());
        EXPECT_FALSE(Item(dialog, CFloppySaveDlg::IDC_SAVE)->IsWindowEnabled());
        QTest::keyClick(dialog.ModalWindow(), Qt::Key_Return);
        EXPECT_FALSE(dialog.HasEnded());
        Click(Item(dialog, IDCANCEL));
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_strDrive, "");
    EXPECT_EQ(dialog.m_bAskAgain, 1);
}

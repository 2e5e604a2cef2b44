// The Digital IDs dialog over key rings the test keeps: listing, deleting with or without the
// warning, exporting under a file name made from the identity, importing, and the failures.
#include "app/dialogs/Signatures.h"
#include "app/startup/BidApp.h"
#include "submit/PKC.h"
#include "tests/app/dialogs/DialogTestSupport.h"
#include "tests/app/dialogs/FakeDigitalIdKeys.h"

namespace {

using namespace dialogtest;

class DigitalIds : public DialogTest {
protected:
    CWnd* Item(UINT id) { return m_dialog.GetDlgItem(id); }

    FakeKeys::Log m_keys{{"Pat Doe <pat@acme.example>", "Ace Paving/Bids <bids@acme.example>"}, 0, 0, {}};
    CSignatures m_dialog{nullptr, [this] { return std::make_unique<FakeKeys>(m_keys); }};
};

} // namespace

TEST_F(DigitalIds, KeyRingsThatCannotBeOpenedOrListedCloseTheDialog)
{
    m_keys.openError = 16;
    m_script.AnswerDialogWith(IDOK);
    EXPECT_EQ(m_dialog.DoModal(), IDCANCEL);
    m_keys.openError = 0;
    m_keys.failing = CPKC::kErrKeyRingLocked;
    m_script.AnswerDialogWith(IDOK);
    EXPECT_EQ(m_dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                           "Cannot Initialize Digital ID module: \n\nYour Digital ID Keyring is locked.",
                           "Cannot Get keylist \n\nLocked"}));
}

TEST_F(DigitalIds, WithoutASelectionDeleteAndExportDoNothing)
{
    m_keys.keys.clear();
    Run(m_dialog, [&] {
        EXPECT_TRUE(Lines(Item(CSignatures::IDC_LIST)).empty());
        Click(Item(CSignatures::IDC_DELETE_ID));
        Click(Item(CSignatures::IDC_EXPORT_ID));
    });
    EXPECT_TRUE(m_keys.calls.empty());
    EXPECT_TRUE(m_script.MessageBoxes().empty());
    EXPECT_TRUE(m_script.FileDialogs().empty());
}

TEST_F(DigitalIds, DeleteAsksFirstWhileTheWarningIsOnAndAFailureIsSilent)
{
    CBidApp app;
    std::vector<std::string> lines;
    Run(m_dialog, [&] {
        ClickLine(Item(CSignatures::IDC_LIST), 0);
        m_script.AnswerMessageBox(IDNO);
        Click(Item(CSignatures::IDC_DELETE_ID));
        m_script.AnswerMessageBox(IDYES);
        Click(Item(CSignatures::IDC_DELETE_ID));
        ClickLine(Item(CSignatures::IDC_LIST), 0);
        app.m_bDeleteWarn = 0;
        m_keys.failing = CPKC::kErrKeyRingLocked;
        Click(Item(CSignatures::IDC_DELETE_ID));
        EXPECT_EQ(Lines(Item(CSignatures::IDC_LIST)).size(), 1u);
        m_keys.failing = 0;
        Click(Item(CSignatures::IDC_DELETE_ID));
        lines = Lines(Item(CSignatures::IDC_LIST));
    });
    ASSERT_EQ(m_script.MessageBoxes().size(), 2u);
    EXPECT_EQ(m_script.MessageBoxes()[0].text, "Are you sure you want to delete this ID\nPat Doe <pat@acme.example> ?");
    EXPECT_EQ(m_script.MessageBoxes()[0].caption, "Delete Warning");
    EXPECT_EQ(m_script.MessageBoxes()[0].type, unsigned(MB_YESNO | MB_ICONEXCLAMATION));
    EXPECT_EQ(m_keys.calls.size(), 3u);
    EXPECT_TRUE(lines.empty());
}

TEST_F(DigitalIds, ExportOffersTheIdentityAsAFileNameAndTellsHowItWent)
{
    const std::string file = m_folder / "Ace.asc";
    Run(m_dialog, [&] {
        ClickLine(Item(CSignatures::IDC_LIST), 1);
        m_script.AnswerCancel();
        Click(Item(CSignatures::IDC_EXPORT_ID));
        EXPECT_TRUE(m_keys.calls.empty());
        m_script.AnswerFile(file);
        Click(Item(CSignatures::IDC_EXPORT_ID));
        m_keys.failing = CPKC::kErrKeyRingLocked;
        m_script.AnswerFile(file);
        Click(Item(CSignatures::IDC_EXPORT_ID));
    });
    ASSERT_EQ(m_script.FileDialogs().size(), 3u);
    const platform::FileDialogRequest& request = m_script.FileDialogs()[0];
    EXPECT_EQ(request.initialName, "Ace Paving_Bids (bids@acme.example).asc");
    EXPECT_EQ(request.title, "Export Digital ID");
    EXPECT_FALSE(request.open);
    EXPECT_EQ(m_keys.calls.front(), "export Ace Paving/Bids <bids@acme.example> to " + file);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Key Successfully exported to file:\n" + file,
                                                 "Could not export key:\nLocked"}));
}

TEST_F(DigitalIds, ImportReadsTheFileAndListsTheKeysAgain)
{
    const std::string file = m_folder / "new.asc";
    std::vector<std::string> lines;
    Run(m_dialog, [&] {
        m_script.AnswerCancel();
        Click(Item(CSignatures::IDC_IMPORT_ID));
        m_script.AnswerFile(file);
        Click(Item(CSignatures::IDC_IMPORT_ID));
        lines = Lines(Item(CSignatures::IDC_LIST));
        m_keys.failing = CPKC::kErrKeyRingLocked;
        m_script.AnswerFile(file);
        Click(Item(CSignatures::IDC_IMPORT_ID));
        EXPECT_TRUE(m_dialog.HasEnded());
    });
    EXPECT_EQ(m_script.FileDialogs()[0].title, "Import Digital ID");
    EXPECT_TRUE(m_script.FileDialogs()[0].open);
    EXPECT_EQ(m_keys.calls, (std::vector<std::string>{"current folder", "import " + file, "current folder",
                                                      "import " + file}));
    EXPECT_EQ(lines.back(), "Imported <new@acme.example>");
    // A failed import, and the listing after it that fails too, close the dialog.
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Key Successfully imported from file:\n" + file,
                                                 "Could not import key:\nLocked",
                                                 "Cannot Get keylist \n\nLocked"}));
}

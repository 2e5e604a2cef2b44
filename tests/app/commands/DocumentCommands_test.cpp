// Every document command's prompt and update state, with and without a proposal; the switches,
// the options sheet with the first-run welcome, and the submission services.
#include "model/files/TvbFile.h"
#include "model/records/BidderInfo.h"
#include "model/settings/BidderSettings.h"
#include "model/text/FlagWord.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/app/options/OptionsTestSupport.h"
#include "tests/support/ModalSteps.h"
#include "platform/ui/dialogs/QtModalServices.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

struct CommandRow {
    UINT id;
    const char* prompt; // the status bar's part of the string table's text
    bool needsProposal;
};

const CommandRow kCommands[] = {
    {ID_FILE_OPEN, "Open a Proposal File", false},
    {ID_OPEN_LETTING, "Open an entire Letting Open", false},
    {ID_OPEN_AMENDMENT, "Open a Proposal Amendment File", true},
    {ID_FILE_SAVE, "Save the Proposal/Zod", true},
    {ID_FILE_SAVE_AS, "Save the bid with a new name", true},
    {ID_FILE_PRINT, "", true},
    {ID_PRINT_QUOTE, "Print the quoted items in the active document", true},
    {ID_FILE_PRINT_PREVIEW, "", true},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard", true},
    {ID_CHECK_ZOD, "Check Zod", true},
    {ID_OPTIONS, "Zod Program Options", false},
    {ID_JOINT_BID, "Toggle Joint Zod Flag", true},
    {ID_IMPORT_PROPOSAL, "Import Proposal from a flat file", true},
    {ID_EXPORT_PROPOSAL, "Export Proposal to a flat file", true},
    {ID_EXPORT_CONFIGURATION, "Export Configuration.  Use this to share program settings for multiple users.", false},
    {ID_IMPORT_CONFIGURATION, "Import Configuration.  Use this to import settings from another Zod Installation",
     false},
    {ID_TOGGLE_ITEM_GRID, "Toggle between Item / Tree Views", true},
    {ID_ALTERNATE_UNITS, "View Items Using Alternate Units", true},
    {ID_SUBMIT_ZOD, "Submit Zod", true},
    {ID_DIGITAL_IDS, "Digital ID management", false},
    {ID_VIEW_SUBMITTED, "View Submitted Bids", false},
};

} // namespace

TEST_F(CommandTest, EachEntryShowsItsPromptAndIsEnabledOnlyWhenItHasWhatItActsOn)
{
    StartEmpty();
    ASSERT_EQ(Prop(), nullptr);
    for (const CommandRow& row : kCommands) {
        EXPECT_EQ(Enabled(row.id), !row.needsProposal) << row.id;
        if (*row.prompt) {
            EXPECT_EQ(PromptOf(row.id), row.prompt) << row.id;
        }
    }
    QGuiApplication::clipboard()->setText("12.50");
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));

    // The proposal comes through File, Open.
    m_script.AnswerFile(InLetting("sample.tvb"));
    AnswerAmendmentReport();
    AnswerBidderId();
    Choose(ID_FILE_OPEN);
    ASSERT_NE(Prop(), nullptr);
    EXPECT_EQ(m_script.FileDialogs().back().title, "Open Proposal");
    EXPECT_EQ(m_script.FileDialogs().back().defaultExtension, ".TVB");
    for (const CommandRow& row : kCommands)
        EXPECT_TRUE(Enabled(row.id)) << row.id;
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

TEST_F(CommandTest, TheJointBidAndAlternateUnitsSwitchesToggleTheirFlagsWithACheckMark)
{
    StartOnSample();
    const uint16_t before = Prop()->m_wFlags;
    for (const auto& [id, bit] : {std::pair{ID_JOINT_BID, int(JOINT_BID)}, std::pair{ID_ALTERNATE_UNITS, int(PROP_SHOW_ALT_UNITS)}}) {
        const bool was = TestFlagBit(Prop()->m_wFlags, bit);
        EXPECT_EQ(Checked(id), was);
        Choose(id);
        EXPECT_EQ(TestFlagBit(Prop()->m_wFlags, bit) != 0, !was) << id;
        EXPECT_EQ(Checked(id), !was);
        Choose(id);
        EXPECT_EQ(Checked(id), was);
    }
    EXPECT_EQ(Prop()->m_wFlags, before);
}

// Joint or not is what the bid says: Ctrl+J is a change that closing asks to save. Alternate
// units only show the bid another way.
TEST_F(CommandTest, CtrlJIsAChangeToTheBidThatClosingAsksToSaveAndCtrlUIsNot)
{
    Store("Misc", "AutoLoad", "0");
    Store("Misc", "FloppySave", "0");
    AnswerBidderId();
    StartOn(InLetting("sample.tvb"));
    ASSERT_NE(Prop(), nullptr);
    ASSERT_FALSE(Doc().IsModified());
    const bool joint = TestFlagBit(Prop()->m_wFlags, JOINT_BID);
    Activate();
    PressCtrl(Qt::Key_U);
    EXPECT_FALSE(Doc().IsModified());
    PressCtrl(Qt::Key_U);
    PressCtrl(Qt::Key_J);
    ASSERT_NE(TestFlagBit(Prop()->m_wFlags, JOINT_BID) != 0, joint);
    EXPECT_TRUE(Doc().IsModified());

    m_script.AnswerMessageBox(IDYES); // save the changes
    Frame().GetWidget()->close();
    Settle();
    EXPECT_EQ(m_app->m_pMainWnd, nullptr);
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u) << Unanswered();
    EXPECT_EQ(m_script.MessageBoxes()[0].text, "Save changes to sample.tvb?");
    std::unique_ptr<CProp> saved;
    ASSERT_EQ(LoadTvbFile(saved, InLetting("sample.tvb"), false), 0);
    EXPECT_NE(TestFlagBit(saved->m_wFlags, JOINT_BID) != 0, joint);
}

TEST_F(CommandTest, TheItemViewSwitchesSetTheGridModeAndMarkTheirEntry)
{
    StartOnSample();
    const auto checked = [&](UINT id) {
        CCmdUI ui(id);
        Frame().OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui);
        return ui.m_check == 1 && ui.m_enabled;
    };
    Frame().SendCommand(ID_GRID_VIEW);
    EXPECT_EQ(Doc().m_iGridMode, 1);
    EXPECT_TRUE(checked(ID_GRID_VIEW));
    EXPECT_FALSE(checked(ID_TREE_VIEW));
    EXPECT_TRUE(Checked(ID_TOGGLE_ITEM_GRID));
    Choose(ID_TOGGLE_ITEM_GRID);
    EXPECT_EQ(Doc().m_iGridMode, 0);
    EXPECT_TRUE(checked(ID_TREE_VIEW));
    EXPECT_FALSE(Checked(ID_TOGGLE_ITEM_GRID));
    Frame().SendCommand(ID_GRID_VIEW);
    Frame().SendCommand(ID_TREE_VIEW);
    EXPECT_EQ(Doc().m_iGridMode, 0);
    // The tree is built again for the mode: its schedule is still there.
    EXPECT_EQ(ChildTexts(TreeCtrl().GetRootItem()).front(), "Schedule Of Items");
}

TEST_F(CommandTest, TheOptionsSheetStoresWhatTheUserGaveOnOk)
{
    StartEmpty();
    m_script.AnswerDialog([](platform::ModalDialog& modal) {
        auto& sheet = dynamic_cast<COptionsSheet&>(modal);
        CWnd* name = sheet.m_bidderInfoPage.GetDlgItem(300);
        name->SetWindowText("");
        QTest::keyClicks(name->GetWidget(), "Summit Asphalt");
        optionstest::Press(sheet, QDialogButtonBox::Ok);
    });
    Choose(ID_OPTIONS);
    EXPECT_EQ(m_script.DialogTitles(), std::vector<std::string>{"ZOD Options"});
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_NAME), "Summit Asphalt");
    EXPECT_EQ(Stored("Bidder", "Name"), "Summit Asphalt");
}

// Tools > Options by keys, the real sheet: it has the keyboard (a slow machine under X had the
// main window take it back after the sheet came up), on the company's name, and Return after
// typing it is OK.
TEST_F(CommandTest, TheOptionsOpenedByKeysTakeTheTypedCompanyAndReturnIsOk)
{
    StartEmpty();
    ASSERT_TRUE(testsupport::Activate(Frame().GetWidget()));
    platform::QtModalServices real;
    platform::ScopedModalServices installed(real);
    testsupport::ModalSteps user({{testsupport::Titled("ZOD Options"), [](QWidget* sheet) {
                                       ASSERT_TRUE(QTest::qWaitFor([sheet] {
                                           return QApplication::activeWindow() == sheet &&
                                                  sheet->isAncestorOf(QApplication::focusWidget());
                                       }));
                                       QTest::keyClicks(QApplication::focusWidget(), "Summit Asphalt");
                                       QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                                   }}});
    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_T, Qt::Key_O));
    testsupport::RunPending();
    Settle();
    EXPECT_TRUE(user.AllDone()) << "the options did not come up";
    EXPECT_EQ(user.Strays(), 0);
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_NAME), "Summit Asphalt");
}

TEST_F(CommandTest, AFirstRunWelcomesTheBidderAndThenShowsTheOptions)
{
    Store("Bidder", "Name", "Unknown");
    m_script.AnswerDialogWith(IDOK);
    m_script.AnswerDialogWith(IDCANCEL);
    StartEmpty();
    ASSERT_EQ(m_script.DialogTitles().size(), 2u);
    EXPECT_EQ(m_script.DialogTitles()[1], "ZOD Options");
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

TEST_F(CommandTest, AWindowClosedDuringTheWelcomeEndsTheFirstRunThere)
{
    Store("Bidder", "Name", "Unknown");
    m_script.AnswerDialog([this](platform::ModalDialog& welcome) {
        m_app->m_pMainWnd->SendMessage(WM_CLOSE);
        welcome.EndModal(IDOK);
    });
    StartEmpty();
    EXPECT_EQ(m_script.DialogTitles().size(), 1u);
    EXPECT_EQ(m_app->m_pMainWnd, nullptr);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

TEST_F(CommandTest, SubmittingSavesTheBidFirstAndTheServicesAnswerAsTheyDo)
{
    Store("Misc", "FloppySave", "0");
    StartOnSample();
    Prop()->m_items[2]->m_fUnitPrice = 17.25;
    Doc().SetModifiedFlag();
    Choose(ID_SUBMIT_ZOD);
    EXPECT_FALSE(Doc().IsModified());
    Choose(ID_VIEW_SUBMITTED);
    Choose(ID_DIGITAL_IDS);
    const std::vector<std::string>& titles = m_script.DialogTitles();
    ASSERT_GE(titles.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(titles.end() - 3, titles.end()),
              (std::vector<std::string>{"Zod submission Wizard", "Zod View Wizard", "Digital IDs"}));
}

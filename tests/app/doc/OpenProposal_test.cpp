// The program opens a proposal as a bidder does: the sample with its amendments, a member of
// the library, a proposal whose agency key is missing, empty or corrupt, and a file that is no
// proposal at all; it saves under a new name and reads the bid back whole.
#include "model/amend/ChangeLog.h"
#include "model/files/Checksum.h"
#include "model/files/PickList.h"
#include "model/files/TvbFile.h"
#include "model/settings/BidderSettings.h"
#include "platform/ui/controls/ListBox.h"
#include "tests/app/ShellTestSupport.h"

namespace {

bool AnyMessageHolds(const platform::ScriptedModalServices& script, const std::string& text)
{
    for (const platform::MessageBoxRequest& box : script.MessageBoxes())
        if (box.text.find(text) != std::string::npos || box.caption.find(text) != std::string::npos)
            return true;
    return false;
}

// The sample as published, written again with the agency key plate changed.
std::string SampleWithKey(const std::string& path, const std::string* keyText)
{
    std::unique_ptr<CProp> prop;
    LoadTvbFile(prop, std::string(ZOD_SAMPLES) + "/sample.tvb", false);
    if (keyText)
        prop->SetPlate(kAgencyPublicKeyPlate, *keyText);
    else
        prop->RemovePlate(kAgencyPublicKeyPlate);
    SaveTvbFile(*prop, path);
    return path;
}

} // namespace

TEST_F(ShellTest, TheSampleOpensWithItsAmendmentsTreeTitleAndTotal)
{
    AnswerAmendmentReport();
    AnswerBidderId();
    StartOn(InLetting("sample.tvb"));
    ASSERT_NE(Prop(), nullptr);
    EXPECT_EQ(Prop()->m_iAmendmentCount, 2);
    EXPECT_EQ(m_script.DialogTitles(), (std::vector<std::string>{"Amendment Changes", "Bidder ID Not Found"}));
    EXPECT_TRUE(m_script.Unexpected().empty());
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Prop()->m_pBidder->Get(BIDDER_ID), "V0042917");

    const std::string title = Frame().GetWindowText();
    EXPECT_EQ(title, "Tarvello Zod - Zod - " + Prop()->m_strAgencyId + " - " + Prop()->m_strContractId +
                         " (2 Amendments) sample");
    const std::vector<std::string> parts = ChildTexts(TreeCtrl().GetRootItem());
    ASSERT_FALSE(parts.empty());
    EXPECT_EQ(parts.front(), "Schedule Of Items");
    EXPECT_NE(std::find(parts.begin(), parts.end(), "Proposal Sites"), parts.end());
    EXPECT_EQ(Frame().GetStatusBar().GetPaneText(1), "Zod Total:");
    // With separators, as the grid views show it after every entered price.
    EXPECT_EQ(Frame().GetStatusBar().GetPaneText(2), "\t\t6,863,801.44 ");
    EXPECT_DOUBLE_EQ(Prop()->m_dProposalTotal, 6863801.44);
    EXPECT_EQ(GetLastProposalPath(), InLetting("sample.tvb"));
}

TEST_F(ShellTest, SavedUnderANewNameTheBidReadsBackWithTheSameChecksum)
{
    Store("Misc", "FloppySave", "0");
    AnswerAmendmentReport();
    AnswerBidderId();
    StartOn(InLetting("sample.tvb"));
    ASSERT_NE(Prop(), nullptr);
    Prop()->m_items[2]->m_fUnitPrice += 1.25;
    Doc().SetModifiedFlag();
    const std::string copy = m_folder / "my bid.tvb";
    m_script.AnswerFile(copy);
    Frame().SendCommand(ID_FILE_SAVE_AS);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Doc().GetPathName(), copy);
    const uint32_t saved = Prop()->m_dwStoredChecksum;
    ASSERT_NE(saved, 0u);

    m_app->OpenDocumentFile(copy);
    ASSERT_NE(Prop(), nullptr);
    EXPECT_EQ(ComputeProposalChecksum(Prop()), saved);
    EXPECT_EQ(Prop()->m_iAmendmentCount, 2);
    EXPECT_TRUE(m_script.AllAnswered());
}

TEST_F(ShellTest, AMemberOfTheLibraryOpensWithTheAmendmentsItCarries)
{
    m_script.AnswerDialog([](platform::ModalDialog& modal) {
        auto& dialog = dynamic_cast<CDialog&>(modal);
        auto* list = dynamic_cast<CListBox*>(dialog.GetDlgItem(kList));
        list->SetCurSel(list->FindStringExact(-1, "sample-2.tvb"));
        Click(dialog, IDOK);
    });
    AnswerAmendmentReport();
    AnswerBidderId();
    StartOn(InLetting("sample.tvl"));
    ASSERT_NE(Prop(), nullptr);
    EXPECT_EQ(Doc().GetPathName(), InLetting("sample-2.tvb"));
    EXPECT_EQ(GetLastProposalPath(), InLetting("sample-2.tvb")); // its lists are looked for beside it
    EXPECT_EQ(Prop()->m_iAmendmentCount, 2);
    EXPECT_TRUE(std::filesystem::exists(InLetting("sample-2.002")));
    EXPECT_TRUE(m_script.AllAnswered());
}

TEST_F(ShellTest, AFileThatIsNoProposalIsNamedAndTheProgramGoesOn)
{
    const std::string notes = InLetting("notes.tvb");
    testsupport::WriteTextFile(notes, "Bid opening is at ten.\n");
    StartOn(notes);
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].caption, "Error Opening Proposal File");
    EXPECT_NE(m_script.MessageBoxes()[0].text.find("Not an TVB File"), std::string::npos);
    EXPECT_NE(m_script.MessageBoxes()[0].text.find(notes), std::string::npos);
    EXPECT_EQ(Prop(), nullptr);
    ASSERT_NE(m_app->m_pMainWnd, nullptr);
    EXPECT_TRUE(m_app->m_pMainWnd->IsWindowVisible());
    EXPECT_EQ(Frame().GetWindowText(), "Tarvello Zod");

    // The program is still there for the next file.
    AnswerAmendmentReport();
    AnswerBidderId();
    m_app->OpenDocumentFile(InLetting("sample.tvb"));
    EXPECT_NE(Prop(), nullptr);
}

TEST_F(ShellTest, AProposalWithoutAgencyKeyOpensUnchecked)
{
    Store("Misc", "AutoLoad", "0");
    AnswerBidderId();
    StartOn(SampleWithKey(m_folder / "nokey.tvb", nullptr));
    EXPECT_NE(Prop(), nullptr);
    EXPECT_TRUE(m_script.MessageBoxes().empty());
}

TEST_F(ShellTest, AnEmptyAgencyKeyRefusesTheProposal)
{
    const std::string empty;
    StartOn(SampleWithKey(m_folder / "emptykey.tvb", &empty));
    EXPECT_TRUE(AnyMessageHolds(m_script, "[No Agency Key]"));
    EXPECT_EQ(Prop(), nullptr);
    EXPECT_EQ(TreeCtrl().GetCount(), 0u);
    EXPECT_FALSE(Doc().TestFlag(DOC_OPENING));
}

TEST_F(ShellTest, ACorruptAgencyKeyWarnsAndOpens)
{
    Store("Misc", "AutoLoad", "0");
    const std::string corrupt = "-----BEGIN PGP PUBLIC KEY BLOCK-----\n\nnot base64 at all\n";
    m_script.AnswerMessageBox(IDOK); // the warning
    AnswerBidderId();
    StartOn(SampleWithKey(m_folder / "badkey.tvb", &corrupt));
    EXPECT_NE(Prop(), nullptr);
    EXPECT_TRUE(AnyMessageHolds(m_script, "Corrupted Agency Digital ID"));
    EXPECT_TRUE(m_script.AllAnswered());
}

TEST_F(ShellTest, AFailedAmendmentIsNamedInTheReportBesideWhatTheOthersChanged)
{
    testsupport::WriteTextFile(InLetting("sample.002"), "damaged");
    m_script.AnswerMessageBox(IDOK); // the amendment that cannot be read
    std::vector<std::pair<int, std::string>> report;
    m_script.AnswerDialog([&report](platform::ModalDialog& modal) {
        for (int n = 0; n < GetAmendmentChangeCount(); ++n)
            report.emplace_back(GetAmendmentChangeCategory(n), GetAmendmentChangeText(n));
        modal.EndModal(IDOK);
    });
    AnswerBidderId();
    StartOn(InLetting("sample.tvb"));
    ASSERT_NE(Prop(), nullptr);
    EXPECT_EQ(Prop()->m_iAmendmentCount, 1);
    EXPECT_TRUE(AnyMessageHolds(m_script, "Error Opening Amendment File " + InLetting("sample.002")));
    const auto changed = std::count_if(report.begin(), report.end(), [](const auto& e) { return e.first != LOG_ADDENDUM_NOTES; });
    EXPECT_GT(changed, 0);
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report.back().first, LOG_ADDENDUM_NOTES);
    EXPECT_NE(report.back().second.find("sample.002"), std::string::npos);
}

TEST_F(ShellTest, AFailedSaveKeepsTheOpenProposal)
{
    AnswerAmendmentReport();
    AnswerBidderId();
    StartOn(InLetting("sample.tvb"));
    CProp* open = Prop();
    ASSERT_NE(open, nullptr);
    // Its folder is gone: the proposal cannot be saved where it was.
    Doc().SetPathName(m_folder / "gone/sample.tvb", false);
    Doc().SetModifiedFlag();
    m_script.AnswerMessageBox(IDYES); // save the changes
    m_script.AnswerMessageBox(IDOK);  // it could not be written
    Doc().OpenProposalFile(InLetting("sample.tvl"));
    EXPECT_EQ(Prop(), open);
    EXPECT_TRUE(Doc().IsModified());
    ASSERT_EQ(m_script.MessageBoxes().size(), 2u);
    EXPECT_NE(m_script.MessageBoxes()[0].text.find("has changed"), std::string::npos);
    EXPECT_NE(m_script.MessageBoxes()[1].text.find("gone/sample.tvb"), std::string::npos);
    EXPECT_EQ(m_script.DialogTitles().size(), 2u); // the library was never offered
    EXPECT_NE(TreeCtrl().GetRootItem(), nullptr);
}

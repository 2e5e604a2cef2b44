// Open Letting on folders of proposals and libraries, and one amendment loaded by hand.
#include "app/dialogs/LetLoad.h"
#include "model/files/TvlExtract.h"
#include "platform/core/Environment.h"
#include "platform/ui/controls/ListBox.h"
#include "tests/app/commands/CommandTestSupport.h"

#include <filesystem>

namespace {

std::vector<std::string> ListedLines(CDialog& dialog, UINT id)
{
    std::vector<std::string> lines;
    auto* list = dynamic_cast<CListBox*>(dialog.GetDlgItem(id));
    for (int i = 0; list && i < list->GetCount(); ++i)
        lines.push_back(list->GetText(i));
    return lines;
}

} // namespace

class OpenLetting : public CommandTest {
protected:
    std::string Folder() const { return m_folder / "june letting"; }

    void MakeFolder(std::initializer_list<const char*> names)
    {
        std::filesystem::create_directories(Folder());
        for (const char* name : names)
            std::filesystem::copy_file(InLetting(std::string(name).ends_with(".tvl") || std::string(name).ends_with(".TVL")
                                                     ? "sample.tvl"
                                                     : "sample.tvb"),
                                       Folder() + "/" + name);
    }

    // The user sees the lettings and picks one.
    void PickLetting(const std::string& letting, std::vector<std::string>* shown)
    {
        m_script.AnswerDialog([letting, shown](platform::ModalDialog& modal) {
            auto& dialog = dynamic_cast<CDialog&>(modal);
            EXPECT_EQ(dialog.GetWindowText(), "Select a Letting");
            *shown = ListedLines(dialog, CLetLoad::IDC_LIST);
            auto* list = dynamic_cast<CListBox*>(dialog.GetDlgItem(CLetLoad::IDC_LIST));
            list->SetCurSel(list->FindStringExact(-1, letting));
            Click(dialog, IDOK);
        });
    }
};

TEST_F(OpenLetting, FilesSharingTheirFirstFiveCharactersAreOneLettingInAnyCase)
{
    StartEmpty();
    MakeFolder({"ABCDE001.TVB", "abcde002.tvb", "XYZZY.Tvb", "notes.txt"});
    m_script.AnswerFolder(Folder());
    std::vector<std::string> shown;
    PickLetting("ABCDE", &shown);
    AnswerBidderId();
    Choose(ID_OPEN_LETTING);
    EXPECT_EQ(shown, (std::vector<std::string>{"ABCDE", "XYZZY"}));
    EXPECT_EQ(m_script.FolderRequests().back().title, "Choose a Letting Directory");
    EXPECT_EQ(m_script.FolderRequests().back().initialFolder, platform::GetEnvironment("HOME").value_or("/"));
    ASSERT_NE(Prop(), nullptr);
    EXPECT_TRUE(Doc().IsLettingMode());
    EXPECT_EQ(Doc().m_strLettingFiles, (std::vector<std::string>{"ABCDE001.TVB", "abcde002.tvb"}));
    EXPECT_EQ(Doc().GetPathName(), Folder() + "/ABCDE001.TVB");
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();

    // The next time the dialog starts in this letting's folder.
    m_script.AnswerCancel();
    Choose(ID_OPEN_LETTING);
    EXPECT_EQ(m_script.FolderRequests().back().initialFolder, Folder());
}

// The agency's names come in any case: they are listed and opened in order without case.
TEST_F(OpenLetting, NamesAreSortedWithoutCase)
{
    StartEmpty();
    MakeFolder({"abcde001.tvb", "ABCDE002.TVB", "abcde003.tvb", "Zeta1.tvb", "beta1.tvb"});
    m_script.AnswerFolder(Folder());
    std::vector<std::string> shown;
    PickLetting("abcde", &shown);
    AnswerBidderId();
    Choose(ID_OPEN_LETTING);
    EXPECT_EQ(shown, (std::vector<std::string>{"abcde", "beta1", "Zeta1"}));
    EXPECT_EQ(Doc().m_strLettingFiles, (std::vector<std::string>{"abcde001.tvb", "ABCDE002.TVB", "abcde003.tvb"}));
    EXPECT_EQ(Doc().GetPathName(), Folder() + "/abcde001.tvb");
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

TEST_F(OpenLetting, ALibraryStandsForTheProposalsItHolds)
{
    StartEmpty();
    MakeFolder({"SAMPLE.TVL"});
    m_script.AnswerFolder(Folder());
    m_script.AnswerDialogWith(IDOK); // the only letting is taken without asking
    AnswerAmendmentReport();
    AnswerBidderId();
    Choose(ID_OPEN_LETTING);
    EXPECT_EQ(Doc().m_strLettingLibraries, std::vector<std::string>{Folder() + "/SAMPLE.TVL"});
    ASSERT_FALSE(Doc().m_strLettingFiles.empty());
    EXPECT_EQ(Doc().m_strLettingFiles.front(), "sample.tvb");
    EXPECT_NE(Prop(), nullptr);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

TEST_F(OpenLetting, AFolderWithoutProposalsSaysSo)
{
    StartEmpty();
    MakeFolder({});
    m_script.AnswerFolder(Folder());
    AnswerOk();
    Choose(ID_OPEN_LETTING);
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->text, "No *.TVB or *.TVL files found in directory!");
    EXPECT_EQ(Prop(), nullptr);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

TEST_F(CommandTest, AnAmendmentLoadedByHandIsAppliedAndReported)
{
    Store("Misc", "AutoLoad", "0");
    AnswerBidderId();
    StartOn(InLetting("sample.tvb"));
    ASSERT_NE(Prop(), nullptr);
    ASSERT_EQ(Prop()->m_iAmendmentCount, 0);
    m_script.AnswerFile(InLetting("sample.001"));
    m_script.AnswerMessageBox(IDYES); // the sites change
    AnswerAmendmentReport();
    Choose(ID_OPEN_AMENDMENT);
    EXPECT_EQ(m_script.MessageBoxes().back().text.substr(0, 47), "Proposal Site Information will change.  Some bi");
    const platform::FileDialogRequest& asked = m_script.FileDialogs().back();
    EXPECT_EQ(asked.title, "Open Amendment File");
    EXPECT_EQ(asked.initialName, "sample.001");
    EXPECT_EQ(asked.defaultExtension, "001");
    EXPECT_EQ(asked.initialFolder, Letting());
    EXPECT_EQ(asked.filter.substr(0, 40), "Amendment Files (sample.0*)|sample.0*|Am");
    EXPECT_EQ(Prop()->m_iAmendmentCount, 1);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(m_script.DialogTitles().back(), "Amendment Changes");

    // The same amendment again is refused before anything is asked, and the proposal stays as it is.
    m_script.AnswerFile(InLetting("sample.001"));
    AnswerOk();
    Choose(ID_OPEN_AMENDMENT);
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->caption, "Error Applying Amendment File");
    EXPECT_EQ(Prop()->m_iAmendmentCount, 1);

    // A file that is no amendment is named.
    const std::string notes = InLetting("notes.003");
    testsupport::WriteTextFile(notes, "not an amendment");
    m_script.AnswerFile(notes);
    AnswerOk();
    Choose(ID_OPEN_AMENDMENT);
    EXPECT_EQ(LastMessage()->caption, "Error Opening Amendment File");
    EXPECT_NE(LastMessage()->text.find(notes), std::string::npos);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

// File, Load Amendment... from the keyboard: Alt+F, then L twice (Open Letting shares the letter)
// and Enter.
class LoadAmendment : public CommandTest {
protected:
    void StartWithoutAmendments()
    {
        Store("Misc", "AutoLoad", "0");
        AnswerBidderId();
        StartOn(InLetting("sample.tvb"));
        ASSERT_NE(Prop(), nullptr);
        Activate();
    }
    void ChooseLoadAmendment() { ChooseByKeys(Qt::Key_F, {Qt::Key_L, Qt::Key_L, Qt::Key_Return}); }
    // The letting's library chosen, then `member` in its list.
    void AnswerLibraryMember(const std::string& member)
    {
        m_script.AnswerFile(InLetting("sample.tvl"));
        m_script.AnswerDialog([member](platform::ModalDialog& modal) {
            auto& dialog = dynamic_cast<CDialog&>(modal);
            auto* list = dynamic_cast<CListBox*>(dialog.GetDlgItem(kList));
            list->SetCurSel(list->FindStringExact(-1, member));
            Click(dialog, IDOK);
        });
    }
    // The amendment of the letting's second proposal, beside the sample's files.
    std::string OtherProposalsAmendment() const
    {
        EXPECT_EQ(ExtractTvlMember(InLetting("sample.tvl"), "sample-2.001", TvlExisting::Replace), kTvlExtracted);
        return InLetting("sample-2.001");
    }
    // Only the refusal was said, nothing was asked, and the proposal is as it was.
    void ExpectRefusedUnasked()
    {
        EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
        ASSERT_EQ(m_script.MessageBoxes().size(), 1u) << Unanswered();
        EXPECT_EQ(LastMessage()->caption, "Error Applying Amendment File");
        EXPECT_EQ(LastMessage()->text.substr(0, 37), "Amendment file for different proposal");
        EXPECT_EQ(Prop()->m_iAmendmentCount, 0);
        EXPECT_FALSE(Doc().IsModified());
    }
};

TEST_F(LoadAmendment, TheTitleCountsTheAmendmentsAsEachIsLoaded)
{
    StartWithoutAmendments();
    EXPECT_NE(Frame().GetWindowText().find("(0 Amendments)"), std::string::npos) << Frame().GetWindowText();
    struct Step {
        const char* file;
        bool sitesChange; // asked first
        const char* title;
    };
    for (const auto& [file, sitesChange, title] :
         {Step{"sample.001", true, "(1 Amendment)"}, Step{"sample.002", false, "(2 Amendments)"}}) {
        m_script.AnswerFile(InLetting(file));
        if (sitesChange)
            m_script.AnswerMessageBox(IDYES);
        AnswerAmendmentReport();
        ChooseLoadAmendment();
        EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
        EXPECT_NE(Frame().GetWindowText().find(title), std::string::npos) << Frame().GetWindowText();
    }
}

TEST_F(LoadAmendment, OneForAnotherProposalIsRefusedBeforeAnyQuestion)
{
    StartWithoutAmendments();
    m_script.AnswerFile(OtherProposalsAmendment());
    AnswerOk();
    ChooseLoadAmendment();
    ExpectRefusedUnasked();
}

TEST_F(LoadAmendment, OneForAnotherProposalInALibraryIsRefusedBeforeItWouldReplaceAFile)
{
    StartWithoutAmendments();
    const std::string beside = OtherProposalsAmendment();
    testsupport::WriteTextFile(beside, "the bidder's own copy");
    AnswerLibraryMember("sample-2.001");
    AnswerOk();
    ChooseLoadAmendment();
    ExpectRefusedUnasked();
    EXPECT_TRUE(testsupport::ReadTextFile(beside) == "the bidder's own copy"); // not replaced
}

TEST_F(LoadAmendment, OneTakenFromALibraryAndNotAppliedLeavesNoFileBehind)
{
    StartWithoutAmendments();
    const std::string beside = InLetting("sample.001");
    std::filesystem::remove(beside);
    const auto takeFromLibrary = [this] { AnswerLibraryMember("sample.001"); };
    takeFromLibrary();
    m_script.AnswerMessageBox(IDNO); // the sites would change: not now
    ChooseLoadAmendment();
    EXPECT_EQ(Prop()->m_iAmendmentCount, 0);
    EXPECT_FALSE(std::filesystem::exists(beside));

    // The next time nothing is there to warn of, and the amendment applied stays.
    takeFromLibrary();
    m_script.AnswerMessageBox(IDYES);
    AnswerAmendmentReport();
    ChooseLoadAmendment();
    EXPECT_EQ(Prop()->m_iAmendmentCount, 1);
    EXPECT_TRUE(std::filesystem::exists(beside));
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

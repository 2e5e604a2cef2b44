// The proposal header, the letting, the template information and the report template section
// views, as the bidder (or, with the "Templates" switch, the agency's template author) sees them.
#include "app/views/DVDataTemplate.h"
#include "app/views/DVLetting.h"
#include "app/views/DVProposal.h"
#include "model/files/Checksum.h"
#include "model/records/SmallRecords.h"
#include "tests/app/forms/FormsTestSupport.h"

#include <fstream>
#include <sstream>

class OtherViewsTest : public FormsTest {
protected:
    std::string Text(UINT id) const { return Control(id) ? Control(id)->GetWindowText() : "<none>"; }
    // The first report template section of the sample, as the tree lists them.
    std::string FirstSection() const
    {
        std::string first;
        for (const auto& [name, plate] : Prop()->m_plates)
            if (first.empty() || name < first)
                first = name;
        return first;
    }
    static std::string FileText(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(OtherViewsTest, TheProposalShowsItsChecksumAsEightHexDigitsComputedAnew)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_BOND, 0}));
    Prop()->m_dwStoredChecksum = 0;
    ASSERT_TRUE(Select({NODE_PROPOSAL, 0}));
    const std::string checksum = Text(CDV_Proposal::IDC_CHECKSUM);
    ASSERT_EQ(checksum.size(), 8u);
    EXPECT_EQ(checksum.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_NE(Prop()->m_dwStoredChecksum, 0u);
    EXPECT_EQ(std::stoul(checksum, nullptr, 16), ComputeProposalChecksum(Prop()));
    EXPECT_EQ(Text(CDV_Proposal::IDC_COUNTY), "Multiple"); // the sample lies in two counties
}

TEST_F(OtherViewsTest, TheJointBidFollowsItsFlagWhenTheViewPaints)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_PROPOSAL, 0}));
    EXPECT_EQ(Text(CDV_Proposal::IDC_JOINT_BID), "No");
    ChangeFlagBit(&Prop()->m_wFlags, JOINT_BID, 1);
    RightView()->GetWidget()->repaint();
    Settle();
    EXPECT_EQ(Text(CDV_Proposal::IDC_JOINT_BID), "Yes");
}

// On a pane narrower than the form the description wraps inside what the pane shows, and it
// widens again with the pane.
TEST_F(OtherViewsTest, TheDescriptionWrapsWithinThePaneHoweverNarrow)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_PROPOSAL, 0}));
    const auto descriptionFits = [this](int windowWidth) -> ::testing::AssertionResult {
        Frame().MoveWindow(0, 0, windowWidth, 760);
        Settle();
        CWnd* description = Control(CDV_Proposal::IDC_DESCRIPTION);
        if (!description)
            return ::testing::AssertionFailure() << "no description";
        CRect pane, box;
        RightView()->GetClientRect(&pane);
        description->GetWindowRect(&box);
        RightView()->ScreenToClient(&box);
        const QWidget* label = description->GetWidget();
        if (box.right > pane.right || box.left < 0)
            return ::testing::AssertionFailure() << "the box reaches " << box.right << " in a pane " << pane.right
                                                 << " wide";
        if (label->heightForWidth(label->width()) > label->height())
            return ::testing::AssertionFailure() << "the text needs " << label->heightForWidth(label->width())
                                                 << " pixels of " << label->height();
        // The same margin on its right as on its left.
        if (pane.right - box.right != box.left)
            return ::testing::AssertionFailure() << "margins " << box.left << " and " << pane.right - box.right;
        return ::testing::AssertionSuccess();
    };
    EXPECT_TRUE(descriptionFits(800));
    EXPECT_TRUE(descriptionFits(1280));
    EXPECT_TRUE(descriptionFits(900));
}

TEST_F(OtherViewsTest, WithoutTheTemplatesSwitchThereAreNoTemplateNodes)
{
    OpenSample();
    EXPECT_EQ(Tree().FindNode({NODE_TEMPLATE_INFO, 0}), nullptr);
    EXPECT_EQ(Tree().FindNode({NODE_DATA_TEMPLATE, 0}), nullptr);
}

TEST_F(OtherViewsTest, TheTemplateInformationExplainsTheSections)
{
    OpenSample(true);
    ASSERT_TRUE(Select({NODE_TEMPLATE_INFO, 0}));
    EXPECT_EQ(Text(CDV_Debug::IDC_NOTE).rfind("Debug Node", 0), 0u);
}

TEST_F(OtherViewsTest, ChangingASectionInTheProposalRenamesItAndStoresItsText)
{
    OpenSample(true);
    const std::string section = FirstSection();
    ASSERT_FALSE(section.empty());
    ASSERT_TRUE(Select({NODE_DATA_TEMPLATE, 0}));
    EXPECT_EQ(Text(CDV_DataTemplate::IDC_SECTION_NAME), section);
    EXPECT_TRUE(LooksAsReference("data-template"));
    Type(Control(CDV_DataTemplate::IDC_SECTION_NAME), "MYSECTION");
    Type(Control(CDV_DataTemplate::IDC_SECTION_TEXT), "first line");
    QTest::keyClick(Control(CDV_DataTemplate::IDC_SECTION_TEXT)->GetWidget(), Qt::Key_Return);
    QTest::keyClicks(Control(CDV_DataTemplate::IDC_SECTION_TEXT)->GetWidget(), "second line");
    Click(Control(CDV_DataTemplate::IDC_CHANGE_PROPOSAL));
    Settle();
    EXPECT_EQ(Prop()->FindPlate(section), nullptr);
    const CPlate* plate = Prop()->FindPlate("MYSECTION");
    ASSERT_NE(plate, nullptr);
    EXPECT_EQ(plate->m_strText, "first line\nsecond line");
    EXPECT_EQ(TreeCtrl().GetItemText(Tree().FindNode({NODE_DATA_TEMPLATE, 0})), "MYSECTION");
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(OtherViewsTest, ChangingASectionInTheConfigurationFileReplacesItThereAndAsksForTheFileOnce)
{
    OpenSample(true);
    const std::string section = FirstSection();
    const std::string config = m_folder / "gen.cfg";
    std::ofstream(config) << "[Other]\nkept\n[" << section << "]\nold text\n; a note\n[Last]\nend\n";
    ASSERT_TRUE(Select({NODE_DATA_TEMPLATE, 0}));
    Type(Control(CDV_DataTemplate::IDC_SECTION_TEXT), "new text");
    m_script.AnswerFile(config);
    m_script.AnswerMessageBox(IDOK);
    Click(Control(CDV_DataTemplate::IDC_CHANGE_CONFIG));
    Settle();
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].text, "Section " + section + " Replaced in file " + config);
    EXPECT_EQ(FileText(config), "[Other]\nkept\n[" + section + "]\nnew text\n; a note\n[Last]\nend\n");

    m_script.AnswerMessageBox(IDOK);
    Click(Control(CDV_DataTemplate::IDC_CHANGE_CONFIG));
    Settle();
    EXPECT_EQ(m_script.FileDialogs().size(), 1u);
    EXPECT_TRUE(m_script.AllAnswered());
}

TEST_F(OtherViewsTest, TheLettingShowsItsFolderAndHowManyProposalsItHolds)
{
    OpenSample();
    Doc().m_strLettingFolder = Letting();
    Doc().m_strLettingFiles = {"sample.tvb", "sample-2.tvb", "sample-3.tvb"};
    Doc().m_iLettingIndex = 0;
    Doc().ChangeFlag(DOC_LETTING_MODE, 1);
    Doc().ChangeFlag(DOC_LETTING_CHOSEN, 1);
    Tree().BuildTree();
    Settle();
    ASSERT_TRUE(Select({NODE_LETTING, 0}));
    EXPECT_EQ(Text(CDV_Letting::IDC_LETTING_FOLDER), Letting());
    EXPECT_EQ(Text(CDV_Letting::IDC_PROPOSAL_COUNT), "3");
    EXPECT_FALSE(Text(CDV_Letting::IDC_LETTING_DATE).empty());
}

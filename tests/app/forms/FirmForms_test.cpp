// The bidder goes through the DBE firms, adds one from the list and deletes one, with the
// delete warning answered both ways; the goal block follows the commitments.
#include "app/forms/DVFirm.h"
#include "app/forms/DVFirmList.h"
#include "app/forms/FirmSummary.h"
#include "model/records/WinMeta.h"
#include "model/text/TextUtil.h"
#include "resources/ResourceIds.h"
#include "tests/app/forms/FormsTestSupport.h"

class FirmFormsTest : public FormsTest {
protected:
    int FirmCount() const { return Prop()->m_pDbeForm->m_rows.GetSize(); }
    std::string FirmName(int firm) const
    {
        const CCellData* cell = Prop()->m_pDbeForm->GetCell(firm, 0);
        return cell ? cell->m_strText : std::string();
    }
    bool Enabled(UINT id) const { return Control(id) && Control(id)->IsWindowEnabled(); }
    std::string Text(UINT id) const { return Control(id) ? Control(id)->GetWindowText() : "<none>"; }
};

TEST_F(FirmFormsTest, PrevAndNextWalkThroughTheFirmsInOneKeptView)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_DBE_FIRM, 0}));
    CView* view = RightView();
    EXPECT_FALSE(Enabled(CDV_DBE::IDC_PREV));
    EXPECT_TRUE(Enabled(CDV_DBE::IDC_NEXT));
    EXPECT_TRUE(FirmName(0).starts_with(Text(CDV_Template::kFirstFieldId)));

    Click(Control(CDV_DBE::IDC_NEXT));
    Settle();
    EXPECT_EQ(RightView(), view);
    EXPECT_EQ(Shown<CDV_DBE>().GetCurrentIndex(), 1);
    EXPECT_TRUE(FirmName(1).starts_with(Text(CDV_Template::kFirstFieldId)));
    EXPECT_TRUE(Enabled(CDV_DBE::IDC_PREV));

    Click(Control(CDV_DBE::IDC_NEXT));
    Settle();
    EXPECT_EQ(Shown<CDV_DBE>().GetCurrentIndex(), FirmCount() - 1);
    EXPECT_FALSE(Enabled(CDV_DBE::IDC_NEXT));

    Click(Control(CDV_DBE::IDC_PREV));
    Settle();
    EXPECT_EQ(Shown<CDV_DBE>().GetCurrentIndex(), FirmCount() - 2);
}

// The sample's firm list names each firm by its ID and its name, as an agency's lists do.
TEST_F(FirmFormsTest, TheFirmFieldShowsTheFirmsIdAndName)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_DBE_FIRM, 0}));
    std::string shown = FirmName(0);
    TrimRightChars(shown, " \t");
    EXPECT_EQ(Text(CDV_Template::kFirstFieldId), shown);
    const auto* list = dynamic_cast<CComboBox*>(Control(CDV_Template::kFirstFieldId));
    ASSERT_NE(list, nullptr);
    std::vector<std::string> entries;
    for (int i = 0; i < list->GetCount(); ++i)
        entries.push_back(list->GetLBText(i));
    EXPECT_NE(std::ranges::find(entries, "D0012 BLUESTEM TRUCKING LLC"), entries.end());
}

TEST_F(FirmFormsTest, DeletingAFirmAsksFirstAndNoKeepsIt)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_DBE_FIRM, 1}));
    const int before = FirmCount();
    const std::string second = FirmName(1), third = FirmName(2);

    m_script.AnswerMessageBox(IDNO);
    Frame().SendCommand(resources::ID_DELETE_DBE);
    Settle();
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].caption, "Delete Warning");
    EXPECT_EQ(FirmCount(), before);
    EXPECT_EQ(FirmName(1), second);
    EXPECT_FALSE(Doc().IsModified());

    m_script.AnswerMessageBox(IDYES);
    Frame().SendCommand(resources::ID_DELETE_DBE);
    Settle();
    EXPECT_EQ(FirmCount(), before - 1);
    EXPECT_EQ(FirmName(1), third);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(m_script.AllAnswered());
}

TEST_F(FirmFormsTest, TheListsAddButtonAddsAFirmAndShowsItsIncompleteForm)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_DBE_LIST, 0}));
    const int before = FirmCount();
    EXPECT_EQ(Text(CDV_DBEList::IDC_ADD), "ADD DBE");
    Click(Control(CDV_DBEList::IDC_ADD));
    Settle();
    EXPECT_EQ(FirmCount(), before + 1);
    auto& firm = Shown<CDV_DBE>();
    EXPECT_EQ(firm.GetCurrentIndex(), 0);
    EXPECT_EQ(Text(CDV_DBE::IDC_STATUS), "< DBE RECORD IS INCOMPLETE >");
    EXPECT_EQ(Text(IDC_FIRM_GOAL_STATUS), "<GOAL NOT MET>");
}

TEST_F(FirmFormsTest, PickingTheNewFirmFromItsListStoresTheFirm)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_DBE_LIST, 0}));
    Click(Control(CDV_DBEList::IDC_ADD));
    Settle();
    auto* firms = dynamic_cast<CComboBox*>(Control(CDV_Template::kFirstFieldId));
    ASSERT_NE(firms, nullptr);
    ASSERT_GT(firms->GetCount(), 0);
    Click(firms);
    QTest::keyClick(firms->GetWidget(), Qt::Key_Down);
    Settle();
    EXPECT_EQ(FirmName(0), firms->GetWindowText());
    EXPECT_NE(FirmName(0), "<Unknown>");
}

// The bidder fills the agency's bond form: what is typed is checked, stored in the form's row
// and found again in the saved file; a value that is refused leaves the stored one alone.
#include "app/forms/DVBond.h"
#include "model/check/FormChecks.h"
#include "model/records/FieldInfo.h"
#include "model/records/WinMeta.h"
#include "tests/app/forms/FormsTestSupport.h"

namespace {

enum : UINT {
    kSurety = 5000,
    kBondNumber = 5001,
    kBondPercent = 5002,
    kBondAmount = 5003,
    kAttorney = 5004,
    kDateExecuted = 5005,
};

} // namespace

class BondFormTest : public FormsTest {
protected:
    void OpenBond()
    {
        OpenSample();
        ASSERT_TRUE(Select({NODE_BOND, 0}));
        ASSERT_NE(dynamic_cast<CDV_Bond*>(RightView()), nullptr);
    }
    // Typed into the field, then Tab to the next one: the change is stored on leaving.
    void Fill(UINT id, const char* text)
    {
        Type(Control(id), text);
        QTest::keyClick(Control(id)->GetWidget(), Qt::Key_Tab);
        Settle();
    }
    void FillWholeBond()
    {
        Fill(kSurety, "Western Surety Co");
        Fill(kBondNumber, "B-20417");
        Fill(kBondPercent, "10");
        Fill(kAttorney, "Dana Whitfield");
        Fill(kDateExecuted, "04/20/26");
    }
    std::string Cell(const CProp& prop, int field) const
    {
        const CCellData* cell = prop.m_pBondForm->GetCell(0, field);
        return cell ? cell->m_strText : std::string("<no cell>");
    }
    std::string Status() const { return Control(CDV_Bond::IDC_STATUS)->GetWindowText(); }
};

TEST_F(BondFormTest, WhatTheBidderTypesIsInTheSavedFileAfterReopening)
{
    Store("Misc", "FloppySave", "0");
    OpenBond();
    FillWholeBond();
    EXPECT_TRUE(Doc().IsModified());

    const std::string copy = m_folder / "bonded.tvb";
    m_script.AnswerFile(copy);
    Frame().SendCommand(ID_FILE_SAVE_AS);
    m_app->OpenDocumentFile(copy);
    ASSERT_NE(Prop(), nullptr);
    EXPECT_EQ(Cell(*Prop(), 0), "Western Surety Co");
    EXPECT_EQ(Cell(*Prop(), 1), "B-20417");
    EXPECT_EQ(Cell(*Prop(), 4), "Dana Whitfield");
    EXPECT_EQ(Cell(*Prop(), 5), "04/20/26");
    EXPECT_TRUE(m_script.AllAnswered());
}

TEST_F(BondFormTest, ABadDateIsRefusedWithItsMessageAndTheCellKeepsItsValue)
{
    OpenBond();
    Fill(kDateExecuted, "04/20/26");
    ASSERT_EQ(Cell(*Prop(), 5), "04/20/26");
    m_script.AnswerMessageBox(IDOK);
    Fill(kDateExecuted, "Foo 14");
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].caption, "Date Format Error");
    EXPECT_EQ(Cell(*Prop(), 5), "04/20/26");
    EXPECT_TRUE(m_script.AllAnswered());
}

TEST_F(BondFormTest, LettersInANumberAreRefusedAndNothingIsStored)
{
    OpenBond();
    m_script.AnswerMessageBox(IDOK);
    Fill(kBondPercent, "ten");
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].caption, "Number Format Error");
    EXPECT_EQ(Cell(*Prop(), 2), "");
}

// A decimal comma typed as a European keyboard habit would make 12.5 per cent 125 and a bond of
// 1,234.50 one of 1.23: refused with the reason, the cell keeps its value; thousands still group.
TEST_F(BondFormTest, ADecimalCommaIsRefusedWithItsReasonAndThousandsStillGroup)
{
    OpenBond();
    const auto refused = [this](UINT id, int field, const std::string& typed) {
        const std::string kept = Cell(*Prop(), field);
        const size_t boxes = m_script.MessageBoxes().size();
        m_script.AnswerMessageBox(IDOK);
        Fill(id, typed.c_str());
        ASSERT_EQ(m_script.MessageBoxes().size(), boxes + 1) << typed;
        EXPECT_EQ(m_script.MessageBoxes().back().caption, "Number Format Error");
        EXPECT_EQ(m_script.MessageBoxes().back().text, "Not a valid number\n\"" + typed +
                                                           "\": a comma may only separate groups of three digits "
                                                           "before the decimal point.");
        EXPECT_EQ(Cell(*Prop(), field), kept);
    };
    Fill(kBondPercent, "10");
    refused(kBondPercent, 2, "12,5");
    Fill(kBondPercent, "12.5");
    EXPECT_EQ(Cell(*Prop(), 2), "12.50");
    Fill(kBondAmount, "1000");
    refused(kBondAmount, 3, "1.234,50");
    Fill(kBondAmount, "12,345.5");
    EXPECT_EQ(Cell(*Prop(), 3), Prop()->GetCurrencySymbol(0) + "12,345.50");
    EXPECT_TRUE(m_script.AllAnswered());
}

TEST_F(BondFormTest, TheStatusLineSaysIncompleteUntilEveryRequiredFieldIsFilled)
{
    OpenBond();
    EXPECT_EQ(Status(), "< BOND RECORD IS INCOMPLETE >");
    FillWholeBond();
    EXPECT_EQ(Status(), "");
}

TEST_F(BondFormTest, ChoosingASuretyFromThePickListStoresItsText)
{
    OpenBond();
    auto* surety = dynamic_cast<CComboBox*>(Control(kSurety));
    ASSERT_NE(surety, nullptr);
    ASSERT_GT(surety->GetCount(), 1);
    const std::string second = surety->GetLBText(1);
    Click(surety);
    QTest::keyClick(surety->GetWidget(), Qt::Key_Down);
    QTest::keyClick(surety->GetWidget(), Qt::Key_Down);
    Settle();
    EXPECT_EQ(Cell(*Prop(), 0), second);
}

// The sample's bond form has no Verify button of its own: the view's verification is asked for
// directly, as the button would.
TEST_F(BondFormTest, VerifyingABondWithABlankRequiredFieldNamesTheField)
{
    OpenBond();
    const CFieldInfo* required = Prop()->m_pBondForm->GetFieldById(0);
    ASSERT_NE(required, nullptr);
    m_script.AnswerMessageBox(IDOK);
    Shown<CDV_Bond>().VerifyBond();
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].text, "Error: " + required->m_strName + " field is blank");
}

TEST_F(BondFormTest, VerifyingAnIncompleteBondAsksForEveryRequiredField)
{
    OpenBond();
    Fill(kSurety, "Western Surety Co");
    m_script.AnswerMessageBox(IDOK);
    Shown<CDV_Bond>().VerifyBond();
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].text, "Error: All required fields must be filled in before verifying a bond.");
}

TEST_F(BondFormTest, CancellingTheVerificationWizardChangesNothing)
{
    OpenBond();
    FillWholeBond();
    const uint16_t flags = Prop()->m_pBondForm->m_wFlags;
    m_script.AnswerDialogWith(IDCANCEL);
    Shown<CDV_Bond>().VerifyBond();
    Settle();
    EXPECT_EQ(m_script.DialogTitles().back(), "Bond Verification Wizard");
    EXPECT_EQ(Prop()->m_pBondForm->m_wFlags, flags);
    EXPECT_TRUE(Control(kBondNumber)->IsWindowEnabled());
    EXPECT_TRUE(m_script.AllAnswered());
}

TEST_F(BondFormTest, ResettingTheBondEmptiesEveryFieldAndItsCell)
{
    OpenBond();
    FillWholeBond();
    Shown<CDV_Bond>().ResetBond();
    Settle();
    for (int field = 0; field < 6; ++field)
        EXPECT_EQ(Cell(*Prop(), field), "") << field;
    EXPECT_EQ(Control(kBondNumber)->GetWindowText(), "");
    EXPECT_EQ(Status(), "< BOND RECORD IS INCOMPLETE >");
}

TEST_F(BondFormTest, AVerifiedBondOpensWithItsFieldsLocked)
{
    OpenSample();
    ChangeFlagBit(&Prop()->m_pBondForm->m_wFlags, FORM_BOND_VERIFIED, 1);
    ASSERT_TRUE(Select({NODE_BOND, 0}));
    EXPECT_FALSE(Control(kBondNumber)->IsWindowEnabled());
    EXPECT_FALSE(Control(kSurety)->IsWindowEnabled());
}

// Agency forms the file describes badly are still shown and usable; names stored in the file
// are shown, never opened; the miscellaneous forms keep what the bidder chooses.
#include "app/forms/DVMisc.h"
#include "app/forms/FieldKinds.h"
#include "app/forms/TemplateGeometry.h"
#include "app/grids/GreyControls.h"
#include "model/records/FormRows.h"
#include "model/text/FlagWord.h"
#include "model/records/FieldInfo.h"
#include "model/records/Prop.h"
#include "model/records/StringArrayMap.h"
#include "model/records/WinMeta.h"
#include "platform/ui/controls/Button.h"
#include "tests/app/forms/FormsTestSupport.h"

#include <climits>
#include <fstream>

class TemplateFormsTest : public FormsTest {
protected:
    CWinMeta& Misc(int index) const { return *Prop()->m_miscForms.GetAt(index); }
    std::string Cell(int form, int field) const
    {
        const CCellData* cell = Misc(form).GetCell(0, field);
        return cell ? cell->m_strText : std::string();
    }
};

struct FormCorruption {
    const char* name;
    int fontSize;
    int x, y, width, height;
};

class AbsurdForms : public TemplateFormsTest, public ::testing::WithParamInterface<FormCorruption> {};

TEST_P(AbsurdForms, AreShownWithEveryFieldVisibleAndInsideTheForm)
{
    const FormCorruption& c = GetParam();
    OpenSample();
    CWinMeta& form = Misc(0);
    form.m_iFontSize = int16_t(c.fontSize);
    for (int i = 0; i < form.m_fields.GetSize(); ++i) {
        CFieldInfo* field = form.m_fields.GetAt(i);
        field->m_iX = c.x;
        field->m_iY = c.y;
        field->m_iWidth = c.width;
        field->m_iHeight = c.height;
    }
    ASSERT_TRUE(Select({NODE_MISC, 0}));
    auto& view = Shown<CDV_Misc>();
    for (int i = 0; i < view.GetFieldCount(); ++i) {
        CWnd* control = view.GetFieldControl(i);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_TRUE(control->IsWindowVisible()) << c.name;
        CRect rect;
        control->GetWindowRect(&rect);
        EXPECT_GT(rect.Width(), 0) << c.name;
        EXPECT_GT(rect.Height(), 0) << c.name;
    }
    const CRect extent = view.GetFormExtent();
    EXPECT_LE(extent.right, kMaxFormPixels) << c.name;
    EXPECT_LE(extent.bottom, kMaxFormPixels) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Forms, AbsurdForms,
                         ::testing::Values(FormCorruption{"zero sizes", 0, 5, 1, 0, 0},
                                           FormCorruption{"negative sizes", -8, 5, 1, -30, -30},
                                           FormCorruption{"far outside", 8, INT_MAX, INT_MAX, 10, 1},
                                           FormCorruption{"huge font", 32000, 2, 0, 10, 1},
                                           FormCorruption{"everything smallest", -32768, INT_MIN, INT_MIN, INT_MIN,
                                                          INT_MIN}));

TEST_F(TemplateFormsTest, AnAttachmentNameFromTheFileIsShownAndNeverOpened)
{
    OpenSample();
    CWinMeta& form = Misc(0);
    CFieldInfo* field = form.m_fields.GetAt(3);
    field->m_iKind = FIELD_ATTACHMENT;
    CCellData* cell = form.GetCell(0, 3);
    ASSERT_NE(cell, nullptr);
    // What the file holds: a name that leads to another file of the machine, and the bytes.
    cell->m_strText = "/etc/hostname";
    cell->m_data.Assign(std::vector<uint8_t>{'P', 'D', 'F'});
    ASSERT_TRUE(Select({NODE_MISC, 0}));
    CWnd* edit = Control(CDV_Template::kFirstFieldId + 3);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetWindowText(), "/etc/hostname");
    Click(edit);
    QTest::keyClick(edit->GetWidget(), Qt::Key_Tab);
    Settle();
    EXPECT_EQ(cell->m_data.GetBytes(), (std::vector<uint8_t>{'P', 'D', 'F'}));
    EXPECT_EQ(cell->m_strText, "/etc/hostname");
}

TEST_F(TemplateFormsTest, ACountyPickedFromThePickListIsStored)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_MISC, 0}));
    auto* county = dynamic_cast<CComboBox*>(Control(CDV_Template::kFirstFieldId + 1));
    ASSERT_NE(county, nullptr);
    ASSERT_GT(county->GetCount(), 1);
    Click(county);
    QTest::keyClick(county->GetWidget(), Qt::Key_Down);
    Settle();
    EXPECT_FALSE(Cell(0, 1).empty());
    EXPECT_EQ(Cell(0, 1), county->GetWindowText());
}

TEST_F(TemplateFormsTest, ACheckBoxStoresOneWhenTickedAndNothingWhenNot)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_MISC, 1}));
    CWnd* signedBox = Control(CDV_Template::kFirstFieldId + 2);
    ASSERT_NE(signedBox, nullptr);
    const QPoint box(6, signedBox->GetWidget()->height() / 2);
    QTest::mouseClick(signedBox->GetWidget(), Qt::LeftButton, Qt::NoModifier, box);
    Settle();
    EXPECT_EQ(Cell(1, 2), "1");
    QTest::mouseClick(signedBox->GetWidget(), Qt::LeftButton, Qt::NoModifier, box);
    Settle();
    EXPECT_EQ(Cell(1, 2), "");
}

TEST_F(TemplateFormsTest, TabOnTheLastFieldGoesBackToTheFirst)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_MISC, 0}));
    CWnd* last = Control(CDV_Template::kFirstFieldId + 3);
    Click(last);
    QTest::keyClick(last->GetWidget(), Qt::Key_Tab);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), Control(CDV_Template::kFirstFieldId)->GetWidget());
}

TEST_F(TemplateFormsTest, EditsAndListsAreTheGreyControlsAndEnterMovesOn)
{
    OpenSample();
    ASSERT_TRUE(Select({NODE_DBE_FIRM, 1}));
    // Firm, Work Type (editable), Amount, Participation, Counts Toward Goal.
    auto* workType = dynamic_cast<CGreyComboBox*>(Control(kField + 1));
    ASSERT_NE(workType, nullptr);
    EXPECT_NE(dynamic_cast<CGreyComboBox*>(Control(kField)), nullptr);
    EXPECT_NE(dynamic_cast<CGreyComboBox*>(Control(kField + 4)), nullptr);
    auto* amount = dynamic_cast<CGreyEdit*>(Control(kField + 2));
    ASSERT_NE(amount, nullptr);
    EXPECT_TRUE(amount->GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(amount->GetStyle() & WS_BORDER);
    auto* typed = dynamic_cast<CGreyEdit*>(workType->GetDlgItem(kComboEditId));
    ASSERT_NE(typed, nullptr);
    Click(typed);
    QTest::keyClick(typed->GetWidget(), Qt::Key_Return);
    Settle();
    // The amount is the sum of the firm's items and takes no typing: Participation is next.
    EXPECT_EQ(QApplication::focusWidget(), Control(kField + 3)->GetWidget());
}

TEST_F(TemplateFormsTest, AnEntryChosenInALinkedListFillsTheLinkedEditReadOnlyAndGrey)
{
    OpenSample();
    CFieldInfo& name = *Misc(0).m_fields.GetAt(0);
    name.m_iKind = FIELD_TEXT; // the sample's plant list becomes a text field the county list fills
    name.m_strText = "Counties"; // the County list's link
    ChangeFlagBit(&name.m_wFlags, FIELD_LIST_IN_PROPOSAL, 1);
    name.m_iAlignment = 1;
    ASSERT_TRUE(Select({NODE_MISC, 0}));
    auto* county = dynamic_cast<CComboBox*>(Control(kField + 1));
    auto* linked = dynamic_cast<CGreyEdit*>(Control(kField));
    ASSERT_NE(county, nullptr);
    ASSERT_NE(linked, nullptr);
    EXPECT_FALSE(linked->IsReadOnly());
    const auto background = [linked] {
        const QImage picture = linked->GetWidget()->grab().toImage();
        return picture.pixelColor(picture.width() - 6, picture.height() / 2).rgb() & 0xFFFFFF;
    };
    EXPECT_EQ(background(), 0xFFFFFFu); // editable: white
    Click(county);
    QTest::keyClick(county->GetWidget(), Qt::Key_Down);
    QTest::keyClick(county->GetWidget(), Qt::Key_Down);
    Settle();
    ASSERT_EQ(county->GetCurSel(), 1);
    EXPECT_EQ(linked->GetWindowText(), county->GetWindowText());
    EXPECT_EQ(Cell(0, 0), county->GetWindowText());
    EXPECT_TRUE(TestFlagBit(Misc(0).GetCell(0, 0)->m_wFlags, CELL_FROM_LINKED_LIST));
    EXPECT_TRUE(linked->IsReadOnly());
    EXPECT_EQ(background(), CGreyEdit::kGrey);
}

class AttachmentFieldTest : public TemplateFormsTest {
protected:
    void OpenWithAttachmentField()
    {
        OpenSample();
        Misc(0).m_fields.GetAt(3)->m_iKind = FIELD_ATTACHMENT;
        ASSERT_TRUE(Select({NODE_MISC, 0}));
    }
    void Attach(const std::string& path) const
    {
        CWnd* edit = Control(CDV_Template::kFirstFieldId + 3);
        Type(edit, path.c_str());
        QTest::keyClick(edit->GetWidget(), Qt::Key_Tab);
        Settle();
    }
    std::string MakeFile(const char* name, size_t bytes, char fill) const
    {
        const std::string path = m_folder / name;
        std::ofstream(path, std::ios::binary) << std::string(bytes, fill);
        return path;
    }
    const CCellData& AttachmentCell() const { return *Misc(0).GetCell(0, 3); }
};

TEST_F(AttachmentFieldTest, AFileTypedInIsReadOnceAndTheSamePathIsNotReadAgain)
{
    OpenWithAttachmentField();
    const std::string path = MakeFile("plan.pdf", 1500, 'a');
    Attach(path);
    EXPECT_EQ(AttachmentCell().m_data.GetBytes().size(), 1500u);
    EXPECT_EQ(AttachmentCell().m_strText, path);
    MakeFile("plan.pdf", 10, 'b');
    Attach(path);
    EXPECT_EQ(AttachmentCell().m_data.GetBytes().size(), 1500u);
}

TEST_F(AttachmentFieldTest, AFileOverTheLimitIsRefusedAndTheAttachedOneStays)
{
    OpenWithAttachmentField();
    const std::string small = MakeFile("small.pdf", 500, 'a');
    Attach(small);
    Prop()->m_iMaxAttachmentSize = 1;
    m_script.AnswerMessageBox(IDOK);
    Attach(MakeFile("large.pdf", 2500, 'b'));
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].text, "Attachment size exceeds maximum specified size of 1 Kilobytes.");
    EXPECT_EQ(AttachmentCell().m_data.GetBytes().size(), 500u);
    EXPECT_EQ(AttachmentCell().m_strText, small);
    EXPECT_EQ(Control(CDV_Template::kFirstFieldId + 3)->GetWindowText(), small);
}

TEST_F(AttachmentFieldTest, AMissingFileIsRefusedWithItsMessage)
{
    OpenWithAttachmentField();
    m_script.AnswerMessageBox(IDOK);
    Attach(m_folder / "missing.pdf");
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_script.MessageBoxes()[0].text, "The attachment could not be opened.");
    EXPECT_TRUE(AttachmentCell().m_data.GetBytes().empty());
}

TEST_F(TemplateFormsTest, ARadioFieldGetsOneButtonPerEntryAndTheGroupHoldsTheChoice)
{
    OpenSample();
    CWinMeta& form = Misc(0);
    CSAStringArray* colors = Prop()->NewPickList("Colors", 0);
    ASSERT_NE(colors, nullptr);
    colors->Add("Red");
    colors->Add("Blue");
    auto radio = std::make_unique<CFieldInfo>();
    radio->m_iKind = FIELD_RADIO;
    radio->m_wFlags = 1; // the proposal carries the list
    radio->m_strName = "Color";
    radio->m_strText = "Colors";
    radio->m_iY = 5;
    radio->m_iX = 20;
    radio->m_iWidth = 10;
    form.m_fields.Add(std::move(radio));
    const int group = form.m_fields.GetSize() - 1;
    ASSERT_TRUE(Select({NODE_MISC, 0}));

    ASSERT_EQ(form.m_fields.GetSize(), group + 3);
    EXPECT_EQ(form.m_fields.GetAt(group + 1)->m_strName, "Color:Red");
    EXPECT_EQ(form.m_fields.GetAt(group + 2)->m_strName, "Color:Blue");
    EXPECT_EQ(Control(CDV_Template::kFirstFieldId + UINT(group)), nullptr); // the group itself has no button
    CWnd* blue = Control(CDV_Template::kFirstFieldId + UINT(group + 2));
    ASSERT_NE(blue, nullptr);
    EXPECT_EQ(blue->GetWindowText(), "Blue");
    QTest::mouseClick(blue->GetWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(6, blue->GetWidget()->height() / 2));
    Settle();
    EXPECT_EQ(Cell(0, group + 2), "1");
    EXPECT_EQ(Cell(0, group), "Blue");
    EXPECT_EQ(Cell(0, group + 1), "Blue");
}

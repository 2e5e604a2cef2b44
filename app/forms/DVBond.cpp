#include "app/forms/DVBond.h"

#include "app/forms/FieldKinds.h"
#include "app/forms/FormFont.h"
#include "app/views/ViewBackgrounds.h"
#include "model/check/FormChecks.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/window/Wnd.h"
#include "submit/BidSubmitSheet.h"

IMPLEMENT_DYNCREATE(CDV_Bond, CDV_Template)

BEGIN_MESSAGE_MAP(CDV_Bond, CDV_Template)
    ON_CONTROL_RANGE(BN_CLICKED, CDV_Template::kFirstFieldId, CDV_Template::kLastFieldId, OnBondButton)
END_MESSAGE_MAP()

namespace {

// The bond form's field ids.
enum : int {
    BOND_FIELD_REQUIRED = 0, // must not be blank before verifying
    BOND_FIELD_VERIFY = 5,
    BOND_FIELD_RESET = 6,
    BOND_FIELD_PAY_BY_CHECK = 7,
    BOND_FIELD_PICTURE = 8,
};

constexpr int kNone = -1;

} // namespace

int RunBondVerification(CProp* prop)
{
    if (!prop)
        return -1;
    CBondVerifySheet sheet("Bond Verification Wizard", AfxGetMainWnd(), 0, prop);
    if (sheet.DoModal() == IDCANCEL)
        return -1;
    return sheet.m_bBondVerified ? 1 : 0;
}

void CDV_Bond::CreateFormFont(CFont& font, int sizeDelta, int weight)
{
    CreateFormFontOf(GetTemplate(), font, sizeDelta, weight);
}

CWinMeta* CDV_Bond::GetTemplate()
{
    const CProp* prop = GetProp();
    return prop ? prop->m_pBondForm.get() : nullptr;
}

int CDV_Bond::FieldOfBondId(int id) const
{
    const CWinMeta* form = const_cast<CDV_Bond*>(this)->GetTemplate();
    const int column = form ? form->GetColumnOfField(id) : CWinMeta::kNoColumn;
    return column < GetFieldCount() ? column : kNone;
}

bool CDV_Bond::RefreshRecordState()
{
    if (GetProp() && GetTemplate()) {
        Invalidate();
        UpdateBondSummary();
    }
    return false;
}

void CDV_Bond::EnableForBondState()
{
    ApplyConfiguredBackground(*this, false, ConfiguredTopColor());
    const CWinMeta* form = GetTemplate();
    if (TestFlagBit(form->m_wFlags, FORM_BOND_PAID_BY_CHECK))
        EnableTemplateControls(false, FieldOfBondId(BOND_FIELD_PAY_BY_CHECK), kNone);
    if (TestFlagBit(form->m_wFlags, FORM_BOND_VERIFIED))
        EnableTemplateControls(false, FieldOfBondId(BOND_FIELD_RESET), FieldOfBondId(BOND_FIELD_PICTURE));
}

void CDV_Bond::UpdateBondStatus()
{
    const CWinMeta* form = GetTemplate();
    CWnd* status = GetDlgItem(IDC_STATUS);
    if (!form || !status)
        return;
    const bool incomplete = !TestFlagBit(form->m_wFlags, FORM_BOND_PAID_BY_CHECK) && !form->IsRowComplete(GetCurrentIndex());
    status->SetWindowText(incomplete ? "< BOND RECORD IS INCOMPLETE >" : "");
}

void CDV_Bond::OnBondButton(UINT id)
{
    const int field = FieldOfId(id);
    if (field != kNone && field == FieldOfBondId(BOND_FIELD_VERIFY))
        VerifyBond();
    else if (field != kNone && field == FieldOfBondId(BOND_FIELD_RESET))
        ResetBond();
    else if (field != kNone && field == FieldOfBondId(BOND_FIELD_PAY_BY_CHECK))
        OnPayByCheck();
    else
        OnTemplateBrowse(id);
}

void CDV_Bond::AfterBondChange(int field)
{
    OnTemplateChange(kFirstFieldId + UINT(field));
    UpdateBondStatus();
    SetRedraw(true);
    Invalidate();
}

void CDV_Bond::ShowVerificationPicture()
{
    const int picture = FieldOfBondId(BOND_FIELD_PICTURE);
    if (CFieldInfo* field = GetField(picture); field && field->LoadBitmap(true))
        SetTemplateBitmap(picture);
}

void CDV_Bond::VerifyBond()
{
    CWinMeta* form = GetTemplate();
    const CFieldInfo* required = form->GetFieldById(BOND_FIELD_REQUIRED);
    const CCellData* cell = form->GetCellById(0, BOND_FIELD_REQUIRED);
    if (required && (!cell || cell->m_strText.empty())) {
        AfxMessageBox("Error: " + required->m_strName + " field is blank", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!form->CheckRowComplete(0)) {
        AfxMessageBox("Error: All required fields must be filled in before verifying a bond.", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const int result = RunBondVerification(GetProp());
    if (result == -1)
        return;
    ChangeFlagBit(&form->m_wFlags, FORM_BOND_VERIFIED, result != 0 ? 1 : 0);
    if (result == 1)
        MarkModified();
    SetRedraw(false);
    for (int field = 0; field < GetFieldCount(); ++field)
        if (const CFieldInfo* info = GetField(field); info && IsEditKind(info->m_iKind))
            UpdateTemplateControl(field); // the wizard may have filled them
    ShowVerificationPicture();
    EnableTemplateControls(result == 0, FieldOfBondId(BOND_FIELD_RESET), FieldOfBondId(BOND_FIELD_PICTURE));
    AfterBondChange(FieldOfBondId(BOND_FIELD_VERIFY));
}

void CDV_Bond::EmptyFields(bool checkBoxes)
{
    for (int field = 0; field < GetFieldCount(); ++field) {
        const CFieldInfo* info = GetField(field);
        CWnd* control = GetFieldControl(field);
        if (!info || !control)
            continue;
        if (info->m_iKind == FIELD_CHECK_BOX && checkBoxes)
            static_cast<CButton*>(control)->SetCheck(BST_UNCHECKED);
        else if (info->m_iKind == FIELD_YES_NO || info->m_iKind == FIELD_LIST)
            static_cast<CComboBox*>(control)->SetCurSel(-1);
        else if (info->m_iKind == FIELD_EDITABLE_LIST || IsEditKind(info->m_iKind))
            control->SetWindowText("");
        else
            continue;
        StoreTemplateValue(kFirstFieldId + UINT(field));
    }
}

void CDV_Bond::ResetBond()
{
    CWinMeta* form = GetTemplate();
    SetRedraw(false);
    EmptyFields(true);
    EnableTemplateControls(true, kNone, kNone);
    if (TestFlagBit(form->m_wFlags, FORM_BOND_VERIFIED))
        ShowVerificationPicture();
    ChangeFlagBit(&form->m_wFlags, FORM_BOND_VERIFIED, 0);
    AfterBondChange(FieldOfBondId(BOND_FIELD_RESET));
}

void CDV_Bond::OnPayByCheck()
{
    CWinMeta* form = GetTemplate();
    const int field = FieldOfBondId(BOND_FIELD_PAY_BY_CHECK);
    const bool paid = static_cast<CButton*>(GetFieldControl(field))->GetCheck() == BST_CHECKED;
    ChangeFlagBit(&form->m_wFlags, FORM_BOND_PAID_BY_CHECK, paid ? 1 : 0);
    if (CCellData* cell = GetCurrentCell(field))
        cell->m_strText.assign(1, paid ? '1' : '0');
    EmptyFields(false);
    EnableTemplateControls(true, kNone, kNone);
    SetRedraw(false);
    EnableTemplateControls(!paid, field, kNone);
    AfterBondChange(field);
}

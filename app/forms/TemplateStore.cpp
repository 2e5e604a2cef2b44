// Storing what the bidder did in a field into the current row's cell, kind by kind, and what
// follows every stored change.
#include "app/forms/TemplateView.h"

#include "app/forms/FieldKinds.h"
#include "app/grids/GreyControls.h"
#include "app/forms/TemplateValues.h"
#include "app/tree/BidTreeView.h"
#include "model/check/CheckBid.h"
#include "model/check/Recalc.h"
#include "model/records/Item.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "model/text/TextUtil.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/WholeText.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/window/Shell.h"

#include <ctime>

namespace {

std::string TrimmedText(const CWnd& control)
{
    std::string text = control.GetWindowText();
    TrimLeftChars(text, " \t");
    TrimRightChars(text, " \t");
    return text;
}

} // namespace

int ValidateTemplateValue(CWnd& control, int kind, int width, const CProp* prop)
{
    const FormValueCheck check = CheckFormValue(kind, width, prop, control.GetWindowText(), std::time(nullptr));
    switch (check.result) {
    case FormValueResult::NotANumber:
        ZodMessageBox(NotANumberMessage(check), kNotANumberTitle, MB_OK | MB_ICONEXCLAMATION);
        return 1;
    case FormValueResult::NotADate:
        ZodMessageBox(kNotADateText, kNotADateTitle, MB_OK | MB_ICONEXCLAMATION);
        return 1;
    case FormValueResult::Accepted: break;
    }
    if (IsEditKind(kind) && kind != FIELD_TEXT && control.GetWindowText() != check.text)
        control.SetWindowText(check.text);
    if (kind == FIELD_MONEY)
        WidenToWholeText(control);
    return 0;
}

bool CDV_Template::StoreTemplateValue(UINT id)
{
    const int field = FieldOfId(id);
    CFieldInfo* info = GetField(field);
    CWnd* control = GetFieldControl(field);
    CCellData* cell = info && control ? GetCurrentCell(field) : nullptr;
    if (!cell)
        return true;
    switch (info->m_iKind) {
    case FIELD_TEXT:
    case FIELD_NUMBER:
    case FIELD_MONEY:
    case FIELD_DATE: return StoreEditValue(*info, *control, *cell);
    case FIELD_YES_NO: StoreYesNoValue(*control, *cell); break;
    case FIELD_LIST:
    case FIELD_EDITABLE_LIST: StoreListValue(field, *control, *cell); break;
    case FIELD_CHECK_BOX:
        MarkModified();
        cell->m_strText = static_cast<CButton*>(control)->GetCheck() == BST_CHECKED ? "1" : "";
        break;
    case FIELD_RADIO: StoreRadioValue(field, *control, *cell); break;
    case FIELD_ATTACHMENT: StoreAttachment(*control, *cell); break;
    default: break;
    }
    return true;
}

bool CDV_Template::StoreEditValue(CFieldInfo& field, CWnd& control, CCellData& cell)
{
    if (ValidateTemplateValue(control, field.m_iKind, field.m_iWidth, GetProp())) {
        platform::Beep();
        control.SetFocus();
        return false;
    }
    const std::string text = control.GetWindowText();
    if (cell.m_strText != text) {
        MarkModified();
        cell.m_strText = text;
    }
    return true;
}

void CDV_Template::StoreYesNoValue(CWnd& control, CCellData& cell)
{
    auto& box = static_cast<CComboBox&>(control);
    const int field = int(control.GetDlgCtrlID() - kFirstFieldId);
    const int selection = box.GetCurSel();
    if (selection == m_shownSelections[size_t(field)])
        return;
    MarkModified();
    cell.m_iSelection = int16_t(selection);
    cell.m_strText = selection < 0 ? std::string() : box.GetLBText(selection);
    m_shownSelections[size_t(field)] = selection;
}

void CDV_Template::StoreListValue(int field, CWnd& control, CCellData& cell)
{
    auto& box = static_cast<CComboBox&>(control);
    const CFieldInfo& info = *GetField(field);
    int selection = box.GetCurSel();
    if (selection != -1 && selection == m_shownSelections[size_t(field)])
        return;
    const std::string typed = TrimmedText(box);
    if (selection == -1 && TestFlagBit(info.m_wFlags, FIELD_MATCH_LIST) && !typed.empty())
        selection = box.SetCurSel(box.FindString(-1, typed));
    const std::string value = selection >= 0 ? box.GetLBText(selection) : box.GetWindowText();
    // Leaving a typed value as it was changes nothing.
    if (selection == -1 && cell.m_iSelection == -1 && value == cell.m_strText)
        return;
    MarkModified();
    cell.m_strText = value;
    cell.m_iSelection = int16_t(selection);
    m_shownSelections[size_t(field)] = selection;
    if (!info.m_strText.empty())
        FollowLinkedFields(field, selection);
}

// Every other list or text field of the same link takes the same entry of its own list.
void CDV_Template::FollowLinkedFields(int field, int selection)
{
    const std::string& link = GetField(field)->m_strText;
    for (int other = 0; other < GetFieldCount(); ++other) {
        const CFieldInfo* info = GetField(other);
        CWnd* control = GetFieldControl(other);
        if (other == field || !info || !control || !HasPickList(info->m_iKind) || !EqualsIgnoringCase(info->m_strText, link))
            continue;
        CCellData* cell = GetCurrentCell(other);
        if (!cell)
            continue;
        if (auto* box = dynamic_cast<CComboBox*>(control)) {
            if (selection >= 0 || info->m_iKind == FIELD_LIST)
                box->SetCurSel(selection);
            const int shown = box->GetCurSel();
            cell->m_strText = shown >= 0 ? box->GetLBText(shown) : box->GetWindowText();
            cell->m_iSelection = int16_t(shown);
            m_shownSelections[size_t(other)] = shown;
        } else if (auto* edit = dynamic_cast<CGreyEdit*>(control)) {
            if (selection >= 0) {
                cell->m_strText = edit->GetListText(selection);
                ChangeFlagBit(&cell->m_wFlags, CELL_FROM_LINKED_LIST, 1);
            } else if (edit->IsReadOnly()) {
                cell->m_strText.clear();
                ChangeFlagBit(&cell->m_wFlags, CELL_FROM_LINKED_LIST, 0);
            }
            UpdateTemplateControl(other);
        }
    }
}

void CDV_Template::StoreRadioValue(int field, CWnd& control, CCellData& cell)
{
    MarkModified();
    cell.m_strText = static_cast<CButton&>(control).GetCheck() == BST_CHECKED ? "1" : "0";
    const std::string& name = GetField(field)->m_strName;
    const size_t colon = name.find(':');
    const std::string group = name.substr(0, colon);
    const std::string choice = colon == std::string::npos ? std::string() : name.substr(colon + 1);
    if (group.empty())
        return;
    for (int other = 0; other < GetTemplate()->m_fields.GetSize(); ++other) {
        const CFieldInfo* info = GetTemplate()->m_fields.GetAtOrNull(other);
        if (other != field && info && info->m_strName.find(group) != std::string::npos)
            if (CCellData* otherCell = GetCurrentCell(other))
                otherCell->m_strText = choice;
    }
}

void CDV_Template::OnTemplateChange(UINT id)
{
    if (StoreTemplateValue(id))
        RefreshTemplateView(GetTemplate());
}

void CDV_Template::RefreshTemplateView(CWinMeta* form)
{
    CProp* prop = GetProp();
    if (form)
        form->CheckRowsComplete(GetCurrentIndex());
    RefreshRecordState();
    if (prop) {
        RecalcBidTotals(prop);
        CheckBid(prop, false);
    }
    if (CBidTreeView* tree = GetMainTreeView()) {
        tree->Invalidate();
        tree->UpdateWindow();
    }
}

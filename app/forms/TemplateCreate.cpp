// Making the form: a radio field's choices become fields of their own, then every field gets
// its control where the form's geometry puts it, filled with its list and the current value.
#include "app/forms/TemplateView.h"

#include "app/forms/FieldKinds.h"
#include "app/grids/GreyControls.h"
#include "app/startup/BidApp.h"
#include "model/files/PickList.h"
#include "model/records/Prop.h"
#include "model/text/ColumnText.h"
#include "model/text/FlagWord.h"
#include "model/text/TextUtil.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/Static.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/draw/DC.h"

namespace {

constexpr UINT kEditLimit = 80;
constexpr int kAttachmentEditCut = 75;
constexpr int kBrowseGap = 5;
constexpr int kBrowseWidth = 70;
constexpr DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;

// The group a radio field belongs to: its name before ":".
std::string RadioGroupOf(const std::string& name)
{
    return name.substr(0, name.find(':'));
}

bool IsRadioChoice(const CFieldInfo& field)
{
    return field.m_strName.find(':') != std::string::npos;
}

std::string LineText(const CWinMeta& form, int line)
{
    return line < int(form.m_texts.size()) ? form.m_texts[size_t(line)] : std::string();
}

// A list entry as the field shows it: its columns, without trailing blanks.
std::string ShownEntry(const CFieldInfo& field, const std::string& entry)
{
    std::string shown = ExtractColumns(entry, field.m_iAlignment, field.m_iLastColumn);
    TrimRightChars(shown, " \t");
    return shown;
}

// The first choice of its group on the form: no earlier choice names the group.
bool IsFirstOfRadioGroup(const CWinMeta& form, int field)
{
    const std::string group = RadioGroupOf(form.m_fields.GetAt(field)->m_strName);
    for (int earlier = 0; earlier < field; ++earlier) {
        const CFieldInfo* other = form.m_fields.GetAtOrNull(earlier);
        if (other && other->m_iKind == FIELD_RADIO && IsRadioChoice(*other) &&
            other->m_strName.find(group) != std::string::npos)
            return false;
    }
    return true;
}

DWORD StaticAlignment(int alignment)
{
    return alignment == 2 ? SS_CENTER : alignment == 3 ? SS_RIGHT : SS_LEFT;
}

} // namespace

void CDV_Template::ShowPickListError(const std::string& error) const
{
    const CBidApp* app = GetBidApp();
    if (!error.empty() && (!app || app->m_bWarnRef))
        AfxMessageBox(error, MB_OK | MB_ICONEXCLAMATION);
}

void CDV_Template::ExpandRadioGroups(CWinMeta& form)
{
    const int original = form.m_fields.GetSize();
    for (int i = 0; i < original; ++i) {
        const CFieldInfo* field = form.m_fields.GetAtOrNull(i);
        if (!field || field->m_iKind != FIELD_RADIO || IsRadioChoice(*field))
            continue;
        const CDataFilter* filter = field->m_strText.empty() ? nullptr : form.m_filters.Lookup(field->m_strText);
        std::string error;
        const CSAStringArray* list = GetPickList(GetProp(), &form, field, &error);
        if (!list) {
            ShowPickListError(error);
            continue;
        }
        for (const std::string& entry : *list) {
            if (form.m_fields.GetSize() >= kMaxFields)
                return; // no more controls to give them
            const std::string name = field->m_strName + ":" + entry;
            if ((filter && !filter->Matches(entry)) || field->m_strName.find(entry) != std::string::npos ||
                form.FindField(name))
                continue;
            auto choice = std::make_unique<CFieldInfo>();
            choice->CopyFrom(*field);
            choice->m_strName = name;
            form.m_fields.Add(std::move(choice));
            if (!form.m_rows.IsEmpty() && form.m_rows.GetAt(form.m_rows.GetSize() - 1))
                form.m_rows.GetAt(form.m_rows.GetSize() - 1)->m_cells.Add(std::make_unique<CCellData>())->m_strText.assign(1, '0');
        }
    }
}

void CDV_Template::LayoutFields(CWinMeta& form)
{
    CClientDC dc(this);
    CFont* oldFont = dc.SelectObject(&m_formFont);
    const FormMetrics metrics = Metrics();
    CTextLayout text(metrics, [&dc](std::string_view piece) {
        CRect measured(0, 0, 0, 0);
        dc.DrawText(piece, &measured, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        return measured.Width();
    });
    for (int i = 0; i < int(m_controls.size()); ++i) {
        CFieldInfo* field = form.m_fields.GetAtOrNull(i);
        if (!field)
            continue;
        const bool dialogUnits = TestFlagBit(field->m_wFlags, FIELD_DIALOG_UNITS) != 0;
        if (dialogUnits && field->m_iHeight == 0)
            field->m_iHeight = kDefaultDialogUnitHeight;
        CRect rect = dialogUnits ? DialogUnitRect(*field, metrics)
                                 : text.Place(*field, LineText(form, CTextLayout::LineOf(*field)));
        CreateTemplateControl(rect, i);
        if (!dialogUnits)
            text.Made(rect);
        m_formExtent.left = std::min(m_formExtent.left, rect.left);
        m_formExtent.top = std::min(m_formExtent.top, rect.top);
        m_formExtent.right = std::max(m_formExtent.right, rect.right);
        m_formExtent.bottom = std::max(m_formExtent.bottom, rect.bottom);
    }
    dc.SelectObject(oldFont);
}

void CDV_Template::GrowRectangleForKind(const CFieldInfo& field, CRect& rect, bool textLayout) const
{
    if (!textLayout)
        return;
    if (IsEditKind(field.m_iKind))
        rect.right += m_iCharWidth;
    else if (IsComboKind(field.m_iKind))
        rect.right += m_iCharWidth + 2 * m_iBorderX + m_iCharHeight;
}

std::unique_ptr<CWnd> CDV_Template::MakeFieldControl(const CFieldInfo& field, CRect& rect, UINT id)
{
    const DWORD editStyle = kVisibleChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    std::unique_ptr<CWnd> control;
    switch (field.m_iKind) {
    case FIELD_TEXT:
    case FIELD_NUMBER:
    case FIELD_MONEY:
    case FIELD_DATE: {
        auto edit = std::make_unique<CGreyEdit>();
        const DWORD align = field.m_iKind == FIELD_NUMBER || field.m_iKind == FIELD_MONEY ? ES_RIGHT : 0;
        if (edit->Create(nullptr, "", editStyle | align, rect, this, id))
            edit->SetLimitText(kEditLimit);
        control = std::move(edit);
        break;
    }
    case FIELD_YES_NO:
    case FIELD_LIST:
    case FIELD_EDITABLE_LIST: {
        auto box = std::make_unique<CGreyComboBox>();
        const DWORD kind = field.m_iKind == FIELD_EDITABLE_LIST ? CBS_DROPDOWN : CBS_DROPDOWNLIST;
        const DWORD scroll = field.m_iKind == FIELD_YES_NO ? 0 : WS_VSCROLL;
        if (box->Create(nullptr, "", kVisibleChild | WS_BORDER | WS_TABSTOP | scroll | kind, rect, this, id) &&
            field.m_iKind == FIELD_EDITABLE_LIST) {
            // The edit part passes Tab and Enter on like the form's other edits.
            auto part = std::make_unique<CGreyEdit>();
            if (part->SubclassDlgItem(kComboEditId, box.get()))
                Own(std::move(part));
        }
        control = std::move(box);
        break;
    }
    case FIELD_STATIC: {
        auto label = std::make_unique<CStatic>();
        label->Create(nullptr, field.m_strText.c_str(),
                      kVisibleChild | SS_NOPREFIX | SS_CENTERIMAGE | StaticAlignment(field.m_iAlignment), rect, this, id);
        control = std::move(label);
        break;
    }
    case FIELD_BUTTON:
    case FIELD_CHECK_BOX: {
        auto button = std::make_unique<CButton>();
        const DWORD kind = field.m_iKind == FIELD_BUTTON ? BS_PUSHBUTTON : BS_AUTOCHECKBOX;
        button->Create(nullptr, field.m_strText.c_str(), kVisibleChild | kind, rect, this, id);
        control = std::move(button);
        break;
    }
    case FIELD_IMAGE: {
        auto picture = std::make_unique<CStatic>();
        const DWORD centred = field.m_iAlignment == 2 ? SS_CENTERIMAGE : 0;
        picture->Create(nullptr, "", kVisibleChild | SS_BITMAP | SS_NOTIFY | centred, rect, this, id);
        control = std::move(picture);
        break;
    }
    case FIELD_RADIO: {
        if (!IsRadioChoice(field))
            return nullptr; // the group field itself
        const std::string caption = field.m_strName.substr(field.m_strName.find(':') + 1);
        const DWORD group = IsFirstOfRadioGroup(*GetTemplate(), int(id - kFirstFieldId)) ? WS_GROUP : 0;
        auto radio = std::make_unique<CButton>();
        radio->Create(nullptr, caption.c_str(), kVisibleChild | BS_AUTORADIOBUTTON | BS_NOTIFY | group, rect, this, id);
        control = std::move(radio);
        break;
    }
    case FIELD_ATTACHMENT: {
        CRect editRect = rect;
        editRect.right = std::max(editRect.left + 1, int(editRect.right) - kAttachmentEditCut);
        auto edit = std::make_unique<CGreyEdit>();
        edit->Create(nullptr, "", editStyle, editRect, this, id);
        rect.SetRect(editRect.right + kBrowseGap, rect.top, editRect.right + kBrowseGap + kBrowseWidth, rect.bottom);
        auto browse = std::make_unique<CButton>();
        if (browse->Create(nullptr, "Browse...", kVisibleChild | BS_PUSHBUTTON, rect, this, id))
            browse->SetFont(&m_formFont, false);
        m_browseButtons[size_t(id - kFirstFieldId)] = std::move(browse);
        control = std::move(edit);
        break;
    }
    default: return nullptr;
    }
    if (!control->IsWindow())
        return nullptr;
    control->SetFont(&m_formFont, false);
    return control;
}

void CDV_Template::CreateTemplateControl(CRect& rect, int field)
{
    CWinMeta* form = GetTemplate();
    const CFieldInfo* info = form ? form->m_fields.GetAtOrNull(field) : nullptr;
    if (!info)
        return;
    GrowRectangleForKind(*info, rect, !TestFlagBit(info->m_wFlags, FIELD_DIALOG_UNITS));
    m_controls[size_t(field)] = MakeFieldControl(*info, rect, kFirstFieldId + UINT(field));
    if (!m_controls[size_t(field)])
        return;
    if (HasPickList(info->m_iKind) || info->m_iKind == FIELD_YES_NO)
        FillTemplateList(field);
    if (info->m_iKind == FIELD_IMAGE && form->m_fields.GetAt(field)->LoadBitmap(false))
        SetTemplateBitmap(field);
    if (info->m_iKind == FIELD_RADIO)
        static_cast<CButton*>(m_controls[size_t(field)].get())->SetCheck(BST_UNCHECKED);
    UpdateTemplateControl(field);
}

void CDV_Template::FillTemplateList(int field)
{
    CWinMeta* form = GetTemplate();
    const CFieldInfo* info = GetField(field);
    CWnd* control = GetFieldControl(field);
    if (!info || !control)
        return;
    auto* box = dynamic_cast<CComboBox*>(control);
    if (info->m_iKind == FIELD_YES_NO) {
        for (const char* entry : {"", "Yes", "No"})
            box->AddString(entry);
        return;
    }
    std::string error;
    const CSAStringArray* list = GetPickList(GetProp(), form, info, &error);
    if (!list) {
        ShowPickListError(error);
        return;
    }
    const CDataFilter* filter = info->m_strText.empty() ? nullptr : form->m_filters.Lookup(info->m_strText);
    auto* edit = dynamic_cast<CGreyEdit*>(control);
    int next = 0;
    for (const std::string& entry : *list) {
        if (filter && !filter->Matches(entry))
            continue;
        if (box)
            box->AddString(ShownEntry(*info, entry));
        else if (edit)
            edit->SetListText(next++, ShownEntry(*info, entry));
    }
}

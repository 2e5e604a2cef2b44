// Showing the current row: each field's control takes its cell's value.
#include "app/forms/TemplateView.h"

#include "app/forms/FieldKinds.h"
#include "app/views/MoneyField.h"
#include "model/records/WinMeta.h"
#include "model/text/ColumnText.h"
#include "model/text/FlagWord.h"
#include "model/text/TextUtil.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/Static.h"

namespace {

const std::string kNoText;

} // namespace

int CDV_Template::RefreshTemplateControls()
{
    for (int field = 0; field < int(m_controls.size()); ++field)
        UpdateTemplateControl(field);
    return int(m_controls.size());
}

// The stored entry; a cell whose entry number is missing or outside the list shows the entry
// that reads as its value, so a value the list holds is never shown blank.
void CDV_Template::ShowListSelection(int field, CComboBox& box, const CCellData* cell)
{
    const CFieldInfo* info = GetField(field);
    int selection = cell ? cell->m_iSelection : -1;
    if (info->m_iKind == FIELD_YES_NO && selection < 0)
        selection = 0;
    if ((selection < 0 || selection >= box.GetCount()) && cell && !cell->m_strText.empty()) {
        selection = box.FindStringExact(-1, cell->m_strText);
        std::string shown = ExtractColumns(cell->m_strText, info->m_iAlignment, info->m_iLastColumn);
        TrimRightChars(shown, " \t");
        if (selection < 0 && !shown.empty())
            selection = box.FindStringExact(-1, shown);
    }
    box.SetCurSel(selection);
    m_shownSelections[size_t(field)] = box.GetCurSel();
    if (info->m_iKind == FIELD_EDITABLE_LIST && box.GetCurSel() < 0)
        box.SetWindowText(cell ? cell->m_strText : kNoText);
}

void CDV_Template::UpdateTemplateControl(int field)
{
    const CFieldInfo* info = GetField(field);
    CWnd* control = GetFieldControl(field);
    if (!info || !control)
        return;
    const CRowData* row = GetTemplateRecord(-1);
    const CCellData* cell = row ? row->m_cells.GetAtOrNull(field) : nullptr;
    const std::string& value = cell ? cell->m_strText : kNoText;
    switch (info->m_iKind) {
    case FIELD_TEXT:
    case FIELD_NUMBER:
    case FIELD_MONEY:
    case FIELD_DATE: {
        auto* edit = static_cast<CEdit*>(control);
        if (info->m_iKind == FIELD_MONEY)
            ShowMoney(edit, value);
        else
            edit->SetWindowText(value);
        edit->SetReadOnly(cell && TestFlagBit(cell->m_wFlags, CELL_FROM_LINKED_LIST));
        break;
    }
    case FIELD_YES_NO:
    case FIELD_LIST:
    case FIELD_EDITABLE_LIST: ShowListSelection(field, *static_cast<CComboBox*>(control), cell); break;
    case FIELD_STATIC: control->SetWindowText(info->m_strText); break;
    case FIELD_CHECK_BOX:
    case FIELD_RADIO:
        if (MatchesAnyPattern(value, "1", false))
            static_cast<CButton*>(control)->SetCheck(BST_CHECKED);
        break;
    case FIELD_ATTACHMENT: control->SetWindowText(value); break;
    default: break;
    }
}

bool CDV_Template::SetTemplateBitmap(int field)
{
    const CFieldInfo* info = GetField(field);
    auto* picture = dynamic_cast<CStatic*>(GetFieldControl(field));
    if (!info || !picture || !info->GetBitmap())
        return false;
    CBitmap bitmap;
    if (!bitmap.CreateFromDib(*info->GetBitmap()))
        return false;
    picture->SetBitmap(&bitmap);
    CRect rect;
    picture->GetWindowRect(&rect);
    ScreenToClient(&rect);
    const CSize size = bitmap.GetSize();
    picture->MoveWindow(rect.left, rect.top, size.cx, size.cy);
    return true;
}

// The form's buttons, its Tab order, the wheel, the tool tips and the form's own text.
#include "app/forms/TemplateView.h"

#include "app/forms/FieldKinds.h"
#include "app/startup/BidApp.h"
#include "model/records/Item.h"
#include "model/records/WinMeta.h"
#include "model/text/FlagWord.h"
#include "model/text/TextUtil.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/ToolTipCtrl.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/window/Shell.h"

namespace {

constexpr UINT kTab = 9;
constexpr UINT kEnter = 13;
constexpr int kWheelLines = 3;
constexpr int kAttachmentButtonRoom = 75;
constexpr int kTextColumns = 100;

bool IsWebAddress(const std::string& text)
{
    return EqualsIgnoringCase(std::string_view(text).substr(0, 7), "http://") ||
           EqualsIgnoringCase(std::string_view(text).substr(0, 7), std::string_view("https://").substr(0, 7));
}

} // namespace

void CDV_Template::OnTemplateBrowse(UINT id)
{
    const int field = FieldOfId(id);
    const CFieldInfo* info = GetField(field);
    if (!info)
        return;
    switch (info->m_iKind) {
    case FIELD_ATTACHMENT: {
        platform::FileDialogRequest request;
        request.title = "Find Attachment";
        request.filter = "All Files (*.*)|*.*||";
        request.flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
        const std::optional<platform::FileDialogResult> chosen = platform::Modal().FileDialog(request);
        if (!chosen)
            return;
        GetFieldControl(field)->SetWindowText(chosen->path);
        StoreTemplateValue(id);
        break;
    }
    case FIELD_CHECK_BOX:
    case FIELD_RADIO: OnTemplateChange(id); break;
    case FIELD_IMAGE:
        if (IsWebAddress(info->m_strHelp))
            platform::OpenUrl(info->m_strHelp);
        break;
    default: break;
    }
}

void CDV_Template::OnChar(UINT charCode, UINT repeatCount, UINT flags)
{
    if (charCode == kTab || charCode == kEnter)
        MoveToNextField();
    else
        CDV2::OnChar(charCode, repeatCount, flags);
}

// The next field after the focused one, round to the start, that is there, enabled and takes
// typing; an edit's text is selected for typing over.
void CDV_Template::MoveToNextField()
{
    const int count = GetFieldCount();
    if (count == 0)
        return;
    CWnd* focus = CWnd::GetFocus();
    if (focus && focus->GetDlgCtrlID() == kComboEditId)
        focus = focus->GetParent();
    int start = FieldOfId(focus ? focus->GetDlgCtrlID() : 0);
    start = start < 0 ? 0 : start;
    for (int step = 1; step <= count; ++step) {
        const int field = (start + step) % count;
        CWnd* control = GetFieldControl(field);
        const CFieldInfo* info = GetField(field);
        if (!control || !info || !control->IsWindowEnabled() || !info->AcceptsTyping())
            continue;
        if (auto* edit = dynamic_cast<CEdit*>(control); edit && IsEditKind(info->m_iKind))
            edit->SetSel(0, -1);
        control->SetFocus();
        return;
    }
}

bool CDV_Template::OnMouseWheel(UINT flags, short delta, CPoint screenPoint)
{
    for (int i = 0; i < kWheelLines; ++i)
        SendMessage(WM_VSCROLL, delta < 0 ? SB_LINEDOWN : SB_LINEUP);
    return CDV2::OnMouseWheel(flags, delta, screenPoint);
}

bool CDV_Template::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* info = reinterpret_cast<NMTTDISPINFO*>(lParam);
    const int field = info && info->hdr.code == TTN_NEEDTEXT ? FieldOfId(info->hdr.idFrom) : -1;
    const CFieldInfo* fieldInfo = GetField(field);
    if (!fieldInfo)
        return CDV2::OnNotify(wParam, lParam, result);
    const CBidApp* app = GetBidApp();
    m_toolTipText = app && app->m_bTemplates ? std::to_string(field) + ": Name: " + fieldInfo->m_strName +
                                                   "  Help: " + fieldInfo->m_strHelp
                                             : fieldInfo->m_strHelp;
    info->lpszText = m_toolTipText.data();
    return true;
}

void CDV_Template::OnDraw(CDC* dc)
{
    const CWinMeta* form = GetTemplate();
    if (!form || m_controls.empty())
        return;
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(m_crButtonText);
    CFont* oldFont = dc->SelectObject(&m_formFont);
    DrawFormText(*dc, *form);
    dc->SelectObject(oldFont);
}

// Each line's text around the fields that stand on it: the text before a field's column goes
// before its control, the rest after the line's last field.
void CDV_Template::DrawFormText(CDC& dc, const CWinMeta& form)
{
    const int lines = std::min(int(form.m_texts.size()), kMaxFormPixels / std::max(1, m_iLineHeight));
    int next = 0; // the first field not yet visited
    for (int line = 0; line < lines; ++line) {
        const std::string& text = form.m_texts[size_t(line)];
        CRect rect(m_iCharWidth, 0, (kTextColumns + 1) * m_iCharWidth, 0);
        rect.top = (m_iLineHeight - m_iCharHeight) / 2 + line * m_iLineHeight - 2;
        rect.bottom = rect.top + m_iCharHeight;
        int position = 0;
        for (; next < GetFieldCount(); ++next) {
            const CFieldInfo* info = form.m_fields.GetAtOrNull(next);
            if (!info || TestFlagBit(info->m_wFlags, FIELD_DIALOG_UNITS))
                continue;
            if (CTextLayout::LineOf(*info) > line)
                break;
            CWnd* control = GetFieldControl(next);
            if (CTextLayout::LineOf(*info) < line || !control)
                continue;
            const int column = CTextLayout::ColumnOf(*info);
            if (column > position && size_t(position) < text.size())
                dc.DrawText(text.substr(size_t(position), size_t(column - position)), &rect, DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
            CRect placed;
            control->GetWindowRect(&placed);
            ScreenToClient(&placed);
            placed.OffsetRect(GetScrollPosition()); // drawn in the form's own coordinates
            rect.left = placed.right + m_iFieldGap + (info->m_iKind == FIELD_ATTACHMENT ? kAttachmentButtonRoom : 0);
            rect.right = rect.left + kTextColumns * m_iCharWidth;
            position = column + CTextLayout::WidthOf(*info);
        }
        if (size_t(position) < text.size())
            dc.DrawText(text.substr(size_t(position)), &rect, DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    }
}

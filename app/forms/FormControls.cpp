#include "app/forms/FormControls.h"

#include "platform/ui/window/WindowStyles.h"

namespace {

constexpr UINT kTab = 9;
constexpr UINT kEnter = 13;
// Linked lists come from the agency's pick lists; a list longer than this is no list of choices.
constexpr int kMaxListTexts = 65536;

} // namespace

bool PassTabToParent(CWnd& control, UINT charCode)
{
    if (charCode != kTab && charCode != kEnter)
        return false;
    if (CWnd* parent = control.GetParent())
        parent->SendMessage(WM_CHAR, kTab);
    return true;
}

void CFormEdit::SetListText(int index, std::string text)
{
    if (index < 0 || index >= kMaxListTexts)
        return;
    if (index >= int(m_listTexts.size()))
        m_listTexts.resize(size_t(index) + 1);
    m_listTexts[size_t(index)] = std::move(text);
}

std::string CFormEdit::GetListText(int index) const
{
    return index >= 0 && index < int(m_listTexts.size()) ? m_listTexts[size_t(index)] : std::string();
}

UINT CFormEdit::OnGetDlgCode()
{
    return DLGC_WANTTAB | DLGC_WANTCHARS;
}

void CFormEdit::OnChar(UINT charCode, UINT repeatCount, UINT flags)
{
    if (!PassTabToParent(*this, charCode))
        CEdit::OnChar(charCode, repeatCount, flags);
}

UINT CFormComboBox::OnGetDlgCode()
{
    return DLGC_WANTTAB;
}

void CFormComboBox::OnChar(UINT charCode, UINT repeatCount, UINT flags)
{
    if (!PassTabToParent(*this, charCode))
        CComboBox::OnChar(charCode, repeatCount, flags);
}

#include "app/grids/GreyControls.h"

namespace {

constexpr UINT kTab = 9;
constexpr UINT kEnter = 13;
constexpr int kMostListTexts = 32768;

// Tab and Enter move the form on; true when the key went to the parent.
bool SentOnAsTab(CWnd& control, UINT key)
{
    CWnd* parent = control.GetParent();
    if ((key != kTab && key != kEnter) || !parent)
        return false;
    parent->SendMessage(WM_CHAR, kTab);
    return true;
}

} // namespace

CGreyEdit::CGreyEdit() : m_greyBrush(kGrey) {}

bool CGreyEdit::Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent,
                       UINT id)
{
    return CreateEx(GetExStyle() | WS_EX_CLIENTEDGE, className, windowName, style & ~WS_BORDER, rect, parent, id);
}

void CGreyEdit::OnChar(UINT key, UINT repeatCount, UINT flags)
{
    if (!SentOnAsTab(*this, key))
        CEdit::OnChar(key, repeatCount, flags);
}

UINT CGreyEdit::OnGetDlgCode()
{
    return DLGC_WANTTAB;
}

void CGreyEdit::SetListText(int index, const std::string& text)
{
    if (index < 0 || index >= kMostListTexts)
        return;
    if (size_t(index) >= m_listTexts.size())
        m_listTexts.resize(size_t(index) + 1);
    m_listTexts[size_t(index)] = text;
}

std::string CGreyEdit::GetListText(int index) const
{
    return index >= 0 && size_t(index) < m_listTexts.size() ? m_listTexts[size_t(index)] : std::string();
}

void CGreyComboBox::OnChar(UINT key, UINT repeatCount, UINT flags)
{
    if (!SentOnAsTab(*this, key))
        CComboBox::OnChar(key, repeatCount, flags);
}

UINT CGreyComboBox::OnGetDlgCode()
{
    return DLGC_WANTTAB;
}

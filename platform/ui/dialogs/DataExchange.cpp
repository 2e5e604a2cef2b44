#include "platform/ui/dialogs/DataExchange.h"

#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/dialogs/ModalServices.h"

#include <QWidget>
#include <charconv>
#include <vector>

namespace {

std::string_view Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return std::string_view(text).substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The radio buttons of the group that starts at first, in the order of their windows.
std::vector<CButton*> RadioGroup(CWnd* first)
{
    std::vector<CButton*> group;
    CWnd* parent = first ? first->GetParent() : nullptr;
    if (!parent)
        return group;
    bool inGroup = false;
    for (QObject* object : first->GetWidget()->parentWidget()->children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        CWnd* wnd = widget ? CWnd::FromWidget(widget) : nullptr;
        if (!wnd || wnd->GetWidget() != widget)
            continue;
        if (wnd == first)
            inGroup = true;
        else if (inGroup && (wnd->GetStyle() & WS_GROUP))
            break;
        auto* button = dynamic_cast<CButton*>(wnd);
        const DWORD type = button ? button->GetButtonStyle() : 0;
        if (inGroup && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON))
            group.push_back(button);
    }
    return group;
}

template <class Number>
void ExchangeNumber(CDataExchange* dx, UINT id, Number& value, const char* failure)
{
    CWnd* control = dx->PrepareCtrl(id);
    if (!control)
        return;
    if (!dx->m_bSaveAndValidate) {
        char text[64];
        const auto done = std::to_chars(text, text + sizeof text, value);
        control->SetWindowText(std::string_view(text, std::size_t(done.ptr - text)));
        return;
    }
    const std::string typed = control->GetWindowText();
    const std::string_view number = Trimmed(typed);
    Number parsed{};
    const auto done = std::from_chars(number.data(), number.data() + number.size(), parsed);
    if (number.empty() || done.ec != std::errc() || done.ptr != number.data() + number.size())
        dx->Fail(failure);
    else
        value = parsed;
}

// The selected line of a list or combo box.
template <class Control>
void ExchangeIndex(CDataExchange* dx, UINT id, int& index)
{
    if (auto* control = dynamic_cast<Control*>(dx->PrepareCtrl(id))) {
        if (dx->m_bSaveAndValidate)
            index = control->GetCurSel();
        else
            control->SetCurSel(index);
    }
}

} // namespace

CDataExchange::CDataExchange(CWnd* dialog, bool saveAndValidate)
    : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate)
{
}

CWnd* CDataExchange::PrepareCtrl(UINT id)
{
    if (m_failed || !m_pDlgWnd)
        return nullptr;
    m_last = m_pDlgWnd->GetDlgItem(id);
    return m_last;
}

void CDataExchange::Fail(const std::string& message)
{
    if (m_failed)
        return;
    m_failed = true;
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    if (m_last) {
        m_last->SetFocus();
        if (auto* edit = dynamic_cast<CEdit*>(m_last))
            edit->SetSel(0, -1);
    }
}

bool CWnd::UpdateData(bool saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return !dx.Failed();
}

void DDX_Text(CDataExchange* dx, UINT id, std::string& value)
{
    if (CWnd* control = dx->PrepareCtrl(id)) {
        if (dx->m_bSaveAndValidate)
            value = control->GetWindowText();
        else
            control->SetWindowText(value);
    }
}

void DDX_Text(CDataExchange* dx, UINT id, int& value)
{
    ExchangeNumber(dx, id, value, "Please enter an integer.");
}

void DDX_Text(CDataExchange* dx, UINT id, double& value)
{
    ExchangeNumber(dx, id, value, "Please enter a number.");
}

void DDX_Check(CDataExchange* dx, UINT id, int& value)
{
    auto* button = dynamic_cast<CButton*>(dx->PrepareCtrl(id));
    if (!button)
        return;
    if (dx->m_bSaveAndValidate)
        value = button->GetCheck();
    else
        button->SetCheck(value);
}

void DDX_Radio(CDataExchange* dx, UINT id, int& value)
{
    const std::vector<CButton*> group = RadioGroup(dx->PrepareCtrl(id));
    if (dx->m_bSaveAndValidate) {
        value = -1;
        for (std::size_t i = 0; i < group.size(); ++i)
            if (group[i]->GetCheck() == BST_CHECKED)
                value = int(i);
        return;
    }
    for (std::size_t i = 0; i < group.size(); ++i)
        group[i]->SetCheck(int(i) == value ? BST_CHECKED : BST_UNCHECKED);
}

void DDX_CBIndex(CDataExchange* dx, UINT id, int& index)
{
    ExchangeIndex<CComboBox>(dx, id, index);
}

void DDX_CBString(CDataExchange* dx, UINT id, std::string& value)
{
    auto* box = dynamic_cast<CComboBox*>(dx->PrepareCtrl(id));
    if (!box)
        return;
    if (dx->m_bSaveAndValidate) {
        value = box->GetWindowText();
        return;
    }
    // The first entry that starts with the value is chosen; an editable box shows the value.
    const int found = box->FindString(-1, value);
    box->SetCurSel(found);
    if ((box->GetStyle() & 3) != CBS_DROPDOWNLIST)
        box->SetWindowText(value);
}

void DDX_LBIndex(CDataExchange* dx, UINT id, int& index)
{
    ExchangeIndex<CListBox>(dx, id, index);
}

void DDV_MaxChars(CDataExchange* dx, const std::string& value, int count)
{
    if (dx->m_bSaveAndValidate && int(value.size()) > count)
        dx->Fail("Please enter no more than " + std::to_string(count) + " characters.");
    else if (auto* edit = dynamic_cast<CEdit*>(dx->LastControl()); edit && !dx->m_bSaveAndValidate)
        edit->LimitText(UINT(count));
}

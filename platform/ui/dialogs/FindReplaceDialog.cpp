#include "platform/ui/dialogs/FindReplaceDialog.h"

#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/Static.h"
#include "platform/ui/window/Notifications.h"

namespace {

using namespace dlg;

// The dialogs' own templates, as the system's common dialogs bring theirs.
constexpr UINT kFindTemplate = 1540;
constexpr UINT kReplaceTemplate = 1541;
constexpr const char* kFace = "MS Sans Serif";
constexpr DWORD kRequests = FR_FINDNEXT | FR_REPLACE | FR_REPLACEALL | FR_DIALOGTERM;

const DialogItemTemplate kFindItems[] = {
    LText("Fi&nd what:", 0, 4, 8, 42, 8),
    EditText(IDC_FIND_WHAT, 47, 7, 128, 12),
    AutoCheckBox("Match &whole word only", IDC_WHOLE_WORD, 4, 26, 100, 12),
    AutoCheckBox("Match &case", IDC_MATCH_CASE, 4, 42, 64, 12),
    GroupBox("Direction", 0, 107, 26, 68, 28),
    AutoRadioButton("&Up", IDC_SEARCH_UP, 111, 38, 25, 12, WS_GROUP | WS_TABSTOP),
    AutoRadioButton("&Down", IDC_SEARCH_DOWN, 138, 38, 35, 12),
    DefPushButton("&Find Next", IDOK, 182, 5, 50, 14, WS_GROUP),
    PushButton("Cancel", IDCANCEL, 182, 23, 50, 14),
};
const DialogTemplate kFind{kFindTemplate, "Find", 236, 62, kFace, 8, kFindItems, std::size(kFindItems)};

const DialogItemTemplate kReplaceItems[] = {
    LText("Fi&nd what:", 0, 4, 9, 48, 8),
    EditText(IDC_FIND_WHAT, 54, 7, 114, 12),
    LText("Re&place with:", 0, 4, 26, 48, 8),
    EditText(IDC_REPLACE_WITH, 54, 24, 114, 12),
    AutoCheckBox("Match &whole word only", IDC_WHOLE_WORD, 5, 46, 104, 12),
    AutoCheckBox("Match &case", IDC_MATCH_CASE, 5, 62, 59, 12),
    DefPushButton("&Find Next", IDOK, 174, 4, 50, 14, WS_GROUP),
    PushButton("&Replace", IDC_REPLACE, 174, 21, 50, 14),
    PushButton("Replace &All", IDC_REPLACE_ALL, 174, 38, 50, 14),
    PushButton("Cancel", IDCANCEL, 174, 55, 50, 14),
};
const DialogTemplate kReplace{kReplaceTemplate, "Replace", 230, 94, kFace, 8, kReplaceItems,
                              std::size(kReplaceItems)};

const platform::ResourceRegistration<DialogTemplate> kFindRegistration(kFind);
const platform::ResourceRegistration<DialogTemplate> kReplaceRegistration(kReplace);

void SetCheck(CWnd& dialog, UINT id, bool on)
{
    if (auto* button = dynamic_cast<CButton*>(dialog.GetDlgItem(id)))
        button->SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
}

bool IsChecked(const CWnd& dialog, UINT id)
{
    const auto* button = dynamic_cast<const CButton*>(dialog.GetDlgItem(id));
    return button && button->GetCheck() == BST_CHECKED;
}

} // namespace

CFindReplaceDialog::CFindReplaceDialog() : CDialog(kFindTemplate) {}

bool CFindReplaceDialog::Create(bool findOnly, const char* findWhat, const char* replaceWith, DWORD flags,
                                CWnd* owner)
{
    if (IsWindow())
        return false;
    m_owner = owner;
    // The Replace dialog searches forwards only.
    m_flags = (flags & ~kRequests) | (findOnly ? 0 : FR_DOWN);
    m_find = findWhat ? findWhat : "";
    m_replace = replaceWith ? replaceWith : "";
    SetTemplateId(findOnly ? kFindTemplate : kReplaceTemplate);
    return CreateModeless(owner);
}

CFindReplaceDialog* CFindReplaceDialog::GetNotifier(LPARAM lParam)
{
    return reinterpret_cast<CFindReplaceDialog*>(lParam);
}

bool CFindReplaceDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CWnd* find = GetDlgItem(IDC_FIND_WHAT))
        find->SetWindowText(m_find);
    if (CWnd* replace = GetDlgItem(IDC_REPLACE_WITH))
        replace->SetWindowText(m_replace);
    SetCheck(*this, IDC_WHOLE_WORD, m_flags & FR_WHOLEWORD);
    SetCheck(*this, IDC_MATCH_CASE, m_flags & FR_MATCHCASE);
    SetCheck(*this, IDC_SEARCH_DOWN, m_flags & FR_DOWN);
    SetCheck(*this, IDC_SEARCH_UP, !(m_flags & FR_DOWN));
    return true;
}

void CFindReplaceDialog::ReadControls()
{
    if (const CWnd* find = GetDlgItem(IDC_FIND_WHAT))
        m_find = find->GetWindowText();
    if (const CWnd* replace = GetDlgItem(IDC_REPLACE_WITH))
        m_replace = replace->GetWindowText();
    DWORD options = 0;
    options |= IsChecked(*this, IDC_WHOLE_WORD) ? FR_WHOLEWORD : 0;
    options |= IsChecked(*this, IDC_MATCH_CASE) ? FR_MATCHCASE : 0;
    const bool down = GetDlgItem(IDC_SEARCH_DOWN) ? IsChecked(*this, IDC_SEARCH_DOWN) : true;
    options |= down ? FR_DOWN : 0;
    m_flags = (m_flags & ~(FR_WHOLEWORD | FR_MATCHCASE | FR_DOWN)) | options;
}

void CFindReplaceDialog::Tell(DWORD request)
{
    ReadControls();
    m_flags = (m_flags & ~kRequests) | request;
    static const UINT message = RegisterWindowMessage(FINDMSGSTRING);
    if (m_owner && m_owner->IsWindow())
        m_owner->SendMessage(message, 0, reinterpret_cast<LPARAM>(this));
}

void CFindReplaceDialog::OnOK()
{
    // Enter searches, as Find Next does; an empty text has nothing to look for.
    ReadControls();
    if (!m_find.empty())
        Tell(FR_FINDNEXT);
}

void CFindReplaceDialog::OnCancel()
{
    if (!IsWindow())
        return;
    Tell(FR_DIALOGTERM);
    DestroyWindow();
}

bool CFindReplaceDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_REPLACE: Tell(FR_REPLACE); return true;
        case IDC_REPLACE_ALL: Tell(FR_REPLACEALL); return true;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

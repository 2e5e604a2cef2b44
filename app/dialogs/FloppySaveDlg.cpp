#include "app/dialogs/FloppySaveDlg.h"

#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/window/PathText.h"

BEGIN_MESSAGE_MAP(CFloppySaveDlg, CDialog)
    ON_BN_CLICKED(IDC_SAVE, OnSave)
END_MESSAGE_MAP()

CFloppySaveDlg::CFloppySaveDlg(std::vector<std::string> media, CWnd* parent)
    : CDialog(IDD, parent), m_media(std::move(media))
{
}

bool CFloppySaveDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (auto* askAgain = dynamic_cast<CButton*>(GetDlgItem(IDC_ASK_AGAIN)))
        askAgain->SetCheck(BST_CHECKED);
    m_strDrive.clear();
    auto* list = dynamic_cast<CListBox*>(GetDlgItem(IDC_LIST));
    if (list && !m_media.empty()) {
        for (const std::string& folder : m_media)
            list->AddString(platform::PathForDisplay(folder));
        list->SetCurSel(0);
        return true;
    }
    if (list)
        list->ShowWindow(SW_HIDE);
    if (CWnd* none = GetDlgItem(IDC_NO_MEDIA))
        none->ShowWindow(SW_SHOW);
    if (CWnd* save = GetDlgItem(IDC_SAVE))
        save->EnableWindow(false);
    return true;
}

void CFloppySaveDlg::OnSave()
{
    const auto* list = dynamic_cast<CListBox*>(GetDlgItem(IDC_LIST));
    const int selected = list ? list->GetCurSel() : LB_ERR;
    if (selected < 0 || std::size_t(selected) >= m_media.size())
        return;
    m_strDrive = m_media[std::size_t(selected)];
    TakeAskAgain();
    EndDialog(IDOK);
}

void CFloppySaveDlg::OnCancel()
{
    TakeAskAgain();
    CDialog::OnCancel();
}

void CFloppySaveDlg::TakeAskAgain()
{
    if (const auto* askAgain = dynamic_cast<CButton*>(GetDlgItem(IDC_ASK_AGAIN)))
        m_bAskAgain = askAgain->GetCheck() == BST_CHECKED;
}

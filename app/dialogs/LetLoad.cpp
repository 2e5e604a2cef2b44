#include "app/dialogs/LetLoad.h"

#include "platform/ui/controls/ListBox.h"

BEGIN_MESSAGE_MAP(CLetLoad, CDialog)
    ON_LBN_DBLCLK(IDC_LIST, OnDblClkList)
END_MESSAGE_MAP()

CLetLoad::CLetLoad(CWnd* parent) : CDialog(IDD, parent) {}

bool CLetLoad::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_lettings.empty()) {
        ZodMessageBox("No proposals were found in the letting folder.", m_strTitle,
                      MB_OK | MB_ICONEXCLAMATION);
        EndDialog(IDCANCEL);
        return true;
    }
    if (m_lettings.size() == 1) {
        m_strLetting = m_lettings.front();
        EndDialog(IDOK);
        return true;
    }
    SetTitle(m_strTitle);
    auto* list = dynamic_cast<CListBox*>(GetDlgItem(IDC_LIST));
    for (std::size_t i = 0; list && i < m_lettings.size(); ++i)
        list->SetItemData(list->AddString(m_lettings[i]), i);
    return true;
}

void CLetLoad::OnOK()
{
    const auto* list = dynamic_cast<CListBox*>(GetDlgItem(IDC_LIST));
    const int selected = list ? list->GetCurSel() : LB_ERR;
    m_strLetting = selected == LB_ERR ? std::string() : m_lettings.at(list->GetItemData(selected));
    EndDialog(IDOK);
}

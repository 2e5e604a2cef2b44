#include "app/dialogs/NewInstallation.h"

bool CNewInstallation::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_headingFont.CreateFont(20, 0, 0, 0, 800, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
    if (CWnd* welcome = GetDlgItem(IDC_WELCOME))
        welcome->SetFont(&m_headingFont);
    return true;
}

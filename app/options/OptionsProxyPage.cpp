#include "app/options/OptionsProxyPage.h"

#include "model/settings/ProxySettings.h"
#include "platform/core/LeadingInt.h"
#include "platform/core/SettingsStore.h"
#include "platform/ui/controls/Button.h"

namespace {

constexpr std::size_t kMaxPortText = 31;
constexpr int kMaxPort = 65535;

// The typed port's number; 0 when it is none a connection could use.
int PortOf(const std::string& text)
{
    const int port = ParseLeadingInt(std::string_view(text).substr(0, kMaxPortText));
    return port >= 0 && port <= kMaxPort ? port : 0;
}

} // namespace

BEGIN_MESSAGE_MAP(COptionsProxyPage, CPropertyPage)
    ON_BN_CLICKED(IDC_DIRECT, OnChange)
    ON_BN_CLICKED(IDC_MANUAL, OnChange)
    ON_BN_CLICKED(IDC_SYSTEM, OnChange)
    ON_EN_CHANGE(IDC_ADDRESS, OnChange)
    ON_EN_CHANGE(IDC_PORT, OnChange)
END_MESSAGE_MAP()

COptionsProxyPage::COptionsProxyPage() : CPropertyPage(IDD, "Proxy") {}

bool COptionsProxyPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    const CProxySettings& proxy = GetProxySettings();
    const UINT modes[] = {IDC_DIRECT, IDC_MANUAL, IDC_SYSTEM};
    for (int mode = PROXY_DIRECT; mode <= PROXY_SYSTEM; ++mode)
        if (auto* button = dynamic_cast<CButton*>(GetDlgItem(modes[mode])))
            button->SetCheck(mode == proxy.m_iMode ? BST_CHECKED : BST_UNCHECKED);
    if (CWnd* address = GetDlgItem(IDC_ADDRESS))
        address->SetWindowText(proxy.m_strAddress);
    if (CWnd* port = GetDlgItem(IDC_PORT))
        port->SetWindowText(std::to_string(proxy.m_iPort));
    EnableProxyEdits();
    // Showing the settings is no change of the user's.
    SetModified(false);
    return true;
}

void COptionsProxyPage::OnChange()
{
    SetModified();
    EnableProxyEdits();
}

bool COptionsProxyPage::IsChecked(UINT id) const
{
    const auto* button = dynamic_cast<const CButton*>(GetDlgItem(id));
    return button && button->GetCheck() == BST_CHECKED;
}

void COptionsProxyPage::EnableProxyEdits()
{
    for (UINT id : {IDC_ADDRESS, IDC_PORT})
        if (CWnd* edit = GetDlgItem(id))
            edit->EnableWindow(IsChecked(IDC_MANUAL));
}

void COptionsProxyPage::OnOK()
{
    CProxySettings& proxy = GetProxySettings();
    proxy.m_iMode = IsChecked(IDC_MANUAL) ? PROXY_MANUAL : IsChecked(IDC_SYSTEM) ? PROXY_SYSTEM : PROXY_DIRECT;
    const CWnd* address = GetDlgItem(IDC_ADDRESS);
    const CWnd* port = GetDlgItem(IDC_PORT);
    proxy.m_strAddress = address ? address->GetWindowText() : std::string();
    proxy.m_iPort = port ? PortOf(port->GetWindowText()) : 0;
    CProfileStore store;
    SaveProxySettings(store);
}

#include "app/dialogs/BidderID.h"

#include "model/settings/BidderSettings.h"
#include "platform/core/SettingsStore.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/dialogs/DataExchange.h"
#include "platform/ui/window/Menu.h"

#include <QWidget>

namespace {

constexpr const char* kPrompt =
    "You must enter a Bidder ID to associate with this Agency.  Bidder IDs are sometimes referred to "
    "as Vendor IDs.  Bidder IDs maybe modified later from the Tools->Options menu choice.";
constexpr const char* kMoreDetails = "&More Details...";
constexpr const char* kLessDetails = "&Less Details";
constexpr std::size_t kMaxDetail = 256;

struct DetailEdit {
    UINT id;
    UINT limit;
    BidderText text;
};

constexpr DetailEdit kDetails[] = {
    {300, 64, BIDDER_NAME},  {301, 64, BIDDER_ADDRESS1}, {302, 64, BIDDER_ADDRESS2},
    {303, 41, BIDDER_CITY},  {305, 31, BIDDER_STATE},    {306, 13, BIDDER_ZIP},
    {304, 26, BIDDER_PHONE}, {307, 26, BIDDER_FAX},      {308, 26, BIDDER_PAGER},
    {309, 64, BIDDER_EMAIL},
};

} // namespace

BEGIN_MESSAGE_MAP(CBidderID, CDialog)
    ON_EN_CHANGE(IDC_BIDDER_ID, OnChangeBidderID)
    ON_BN_CLICKED(IDC_MORE_DETAILS, OnMoreDetails)
END_MESSAGE_MAP()

CBidderID::CBidderID(bool allowCancel, CWnd* parent) : CDialog(IDD, parent), m_bAllowCancel(allowCancel) {}

void CBidderID::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_AGENCY, m_strAgency);
    DDX_Text(dx, IDC_BIDDER_ID, m_strBidderID);
}

bool CBidderID::OnInitDialog()
{
    CDialog::OnInitDialog();
    CRect window;
    GetWindowRect(&window);
    m_iFullHeight = window.Height();
    ShowHeight(m_iFullHeight - DetailsHeight());
    if (!m_bAllowCancel) {
        if (CWnd* cancel = GetDlgItem(IDCANCEL))
            cancel->ShowWindow(SW_HIDE);
        if (CMenu* menu = GetSystemMenu(false))
            menu->DeleteMenu(SC_CLOSE, MF_BYCOMMAND);
    }
    if (CWnd* prompt = GetDlgItem(IDC_PROMPT))
        prompt->SetWindowText(kPrompt);
    FillDetails();
    OnChangeBidderID();
    return true;
}

void CBidderID::OnChangeBidderID()
{
    const CWnd* id = GetDlgItem(IDC_BIDDER_ID);
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(id && id->GetWindowTextLength() > 0);
}

void CBidderID::OnMoreDetails()
{
    CWnd* button = GetDlgItem(IDC_MORE_DETAILS);
    if (!button)
        return;
    const bool showing = button->GetWindowText() == kLessDetails;
    button->SetWindowText(showing ? kMoreDetails : kLessDetails);
    ShowHeight(showing ? m_iFullHeight - DetailsHeight() : m_iFullHeight);
}

void CBidderID::OnOK()
{
    // Return reaches here even while OK is disabled: an agency never gets an empty ID.
    const CWnd* id = GetDlgItem(IDC_BIDDER_ID);
    if (!id || id->GetWindowTextLength() == 0 || !UpdateData(true))
        return;
    StoreDetails();
    EndDialog(IDOK);
}

void CBidderID::OnCancel()
{
    if (m_bAllowCancel)
        CDialog::OnCancel();
}

int CBidderID::DetailsHeight() const
{
    const CFont* font = GetFont();
    const int line = font ? platform::BaseUnitsOf(*font).cy : 0;
    return line > 0 ? (kDetailsHeight * line + 6) / 12 : kDetailsHeight;
}

void CBidderID::ShowHeight(int height)
{
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.Width(), height, SWP_NOMOVE | SWP_NOZORDER);
    const int detailsTop = m_iFullHeight - DetailsHeight();
    for (QWidget* child : GetWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        CWnd* control = CWnd::FromWidget(child);
        if (control && child->y() >= detailsTop)
            control->ShowWindow(height > detailsTop ? SW_SHOW : SW_HIDE);
    }
}

void CBidderID::FillDetails()
{
    const CBidderInfo* bidder = GetBidderInfo();
    for (const DetailEdit& detail : kDetails) {
        auto* edit = dynamic_cast<CEdit*>(GetDlgItem(detail.id));
        if (!edit)
            continue;
        edit->SetLimitText(detail.limit);
        edit->SetWindowText(bidder ? bidder->Get(detail.text) : std::string());
    }
}

// The details go into the global bidder record (made when there is none, so nothing typed is
// lost) and into the settings.
void CBidderID::StoreDetails()
{
    if (!GetBidderInfo())
        SetBidderInfo(std::make_unique<CBidderInfo>());
    CBidderInfo* bidder = GetBidderInfo();
    for (const DetailEdit& detail : kDetails) {
        if (const CWnd* edit = GetDlgItem(detail.id))
            bidder->Set(detail.text, edit->GetWindowText().substr(0, kMaxDetail));
    }
    CProfileStore store;
    SaveBidderInfo(store);
}

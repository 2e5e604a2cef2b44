#include "app/dialogs/BidderID.h"

#include "app/dialogs/BidderDetails.h"
#include "model/text/CharClass.h"
#include "platform/ui/dialogs/DataExchange.h"
#include "platform/ui/window/Menu.h"

#include <QWidget>

#include <algorithm>

namespace {

constexpr const char* kPrompt =
    "You must enter a Bidder ID to associate with this Agency.  Bidder IDs are sometimes referred to "
    "as Vendor IDs.  Bidder IDs maybe modified later from the Tools->Options menu choice.";
constexpr const char* kMoreDetails = "&More Details...";
constexpr const char* kLessDetails = "&Less Details";

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
    FillBidderDetails(*this);
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
    // In capitals, as it is stored: the bid shows the ID that the agency's files will hold.
    std::ranges::transform(m_strBidderID, m_strBidderID.begin(), AsciiToUpper);
    StoreBidderDetails(*this);
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


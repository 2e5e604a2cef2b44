#include "app/options/OptionsBidderInfoPage.h"

#include "app/dialogs/BidderDetails.h"

BEGIN_MESSAGE_MAP(COptionsBidderInfoPage, CPropertyPage)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_FIRST_EDIT, IDC_LAST_EDIT, OnEditChange)
END_MESSAGE_MAP()

COptionsBidderInfoPage::COptionsBidderInfoPage() : CPropertyPage(IDD, "Bidder Information") {}

bool COptionsBidderInfoPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    FillBidderDetails(*this);
    // Filling the edits is no change of the user's.
    SetModified(false);
    return true;
}

void COptionsBidderInfoPage::OnEditChange(UINT)
{
    SetModified();
}

void COptionsBidderInfoPage::OnOK()
{
    StoreBidderDetails(*this);
}

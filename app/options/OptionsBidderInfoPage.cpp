#include "app/options/OptionsBidderInfoPage.h"

#include "model/settings/BidderSettings.h"
#include "platform/core/SettingsStore.h"
#include "platform/ui/controls/Edit.h"

namespace {

constexpr std::size_t kMaxTextRead = 256;

// Each edit, the record's text it shows and how many characters the text may have.
struct CompanyField {
    UINT edit;
    BidderText text;
    UINT limit;
};

constexpr CompanyField kCompanyFields[] = {
    {300, BIDDER_NAME, 64},  {301, BIDDER_ADDRESS1, 64}, {302, BIDDER_ADDRESS2, 64},
    {303, BIDDER_CITY, 41},  {305, BIDDER_STATE, 31},    {306, BIDDER_ZIP, 13},
    {304, BIDDER_PHONE, 26}, {307, BIDDER_FAX, 26},      {308, BIDDER_PAGER, 26},
    {309, BIDDER_EMAIL, 64},
};

} // namespace

BEGIN_MESSAGE_MAP(COptionsBidderInfoPage, CPropertyPage)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_FIRST_EDIT, IDC_LAST_EDIT, OnEditChange)
END_MESSAGE_MAP()

COptionsBidderInfoPage::COptionsBidderInfoPage() : CPropertyPage(IDD, "Bidder Information") {}

bool COptionsBidderInfoPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    const CBidderInfo* bidder = GetBidderInfo();
    for (const CompanyField& field : kCompanyFields) {
        auto* edit = dynamic_cast<CEdit*>(GetDlgItem(field.edit));
        if (!edit)
            continue;
        edit->SetLimitText(field.limit);
        edit->SetWindowText(bidder ? bidder->Get(field.text) : std::string());
    }
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
    // A record is made when there is none, so that nothing typed is lost.
    if (!GetBidderInfo())
        SetBidderInfo(std::make_unique<CBidderInfo>());
    CBidderInfo* bidder = GetBidderInfo();
    for (const CompanyField& field : kCompanyFields)
        if (const CWnd* edit = GetDlgItem(field.edit))
            bidder->Set(field.text, edit->GetWindowText().substr(0, kMaxTextRead));
    CProfileStore store;
    SaveBidderInfo(store);
}

#include "app/dialogs/BidderDetails.h"

#include "model/settings/BidderSettings.h"
#include "platform/core/SettingsStore.h"
#include "platform/ui/controls/Edit.h"

#include <memory>

namespace {

constexpr std::size_t kMaxDetail = 256;

// Each edit, how many characters it takes and the record's text it shows.
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

void FillBidderDetails(CWnd& dialog)
{
    const CBidderInfo* bidder = GetBidderInfo();
    for (const DetailEdit& detail : kDetails) {
        auto* edit = dynamic_cast<CEdit*>(dialog.GetDlgItem(detail.id));
        if (!edit)
            continue;
        edit->SetLimitText(detail.limit);
        edit->SetWindowText(bidder ? bidder->Get(detail.text) : std::string());
    }
}

void StoreBidderDetails(const CWnd& dialog)
{
    if (!GetBidderInfo())
        SetBidderInfo(std::make_unique<CBidderInfo>());
    CBidderInfo* bidder = GetBidderInfo();
    for (const DetailEdit& detail : kDetails)
        if (const CWnd* edit = dialog.GetDlgItem(detail.id))
            bidder->Set(detail.text, edit->GetWindowText().substr(0, kMaxDetail));
    CProfileStore store;
    SaveBidderInfo(store);
}

#include "model/check/FormChecks.h"
#include "model/files/PickList.h"
#include "model/records/Prop.h"
#include "model/text/ColumnText.h"
#include "model/text/FlagWord.h"
#include "model/text/TextUtil.h"

namespace {

constexpr int kFirmListKind = 6;
constexpr int kEditableFirmListKind = 7;

bool ListsBidder(CProp& prop, const CWinMeta& form, const std::string& bidderId, std::string* error)
{
    const CFieldInfo* field = form.m_fields.GetAtOrNull(0);
    if (!field || (field->m_iKind != kFirmListKind && field->m_iKind != kEditableFirmListKind))
        return false;
    const CSAStringArray* list = GetPickList(&prop, &form, field, error);
    if (!list)
        return false;
    for (const std::string& entry : *list) {
        std::string firmId = ExtractColumns(entry, field->m_iAlignment, field->m_iLastColumn);
        TrimLeftChars(firmId, " \t");
        TrimRightChars(firmId, " \t");
        if (firmId == bidderId)
            return true;
    }
    return false;
}

// An error already reported stays; a later one only fills an empty report.
void KeepFirstError(std::string* error, const std::string& later)
{
    if (error && error->empty())
        *error = later;
}

} // namespace

int IsBidderCertified(CProp* prop, int firmType, std::string* error)
{
    if (error)
        error->clear();
    if (!prop || !prop->m_pBidder || !TestFlagBit(prop->m_wFlags, PROP_HAS_FIRM_FORMS))
        return 0;
    if (firmType == FIRM_MBE_OR_WBE) {
        std::string wbeError;
        const bool either = IsBidderCertified(prop, FIRM_MBE, error) || IsBidderCertified(prop, FIRM_WBE, &wbeError);
        KeepFirstError(error, wbeError);
        return either;
    }
    // Without an ID the bidder is no listed firm, however blank a list's ID columns are.
    const std::string& bidderId = prop->m_pBidder->Get(BIDDER_ID);
    const CWinMeta* form = prop->GetDbeForm(firmType);
    return !bidderId.empty() && form && ListsBidder(*prop, *form, bidderId, error);
}

void CProp::UpdateBidderIsDbeFlags(std::string* error)
{
    if (error)
        error->clear();
    for (int firmType : {FIRM_DBE, FIRM_MBE, FIRM_WBE}) {
        if (CWinMeta* form = GetDbeForm(firmType)) {
            std::string formError;
            ChangeFlagBit(&form->m_wFlags, FORM_BIDDER_IS_CERTIFIED, IsBidderCertified(this, firmType, &formError));
            KeepFirstError(error, formError);
        }
    }
}

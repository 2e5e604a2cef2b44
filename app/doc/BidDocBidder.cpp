// The agency's key and the bidder's ID for the agency, checked as a proposal comes in.
#include "app/doc/BidDoc.h"

#include "app/doc/DocDialogs.h"
#include "app/startup/UnsavedSettings.h"
#include "model/records/Prop.h"
#include "model/settings/BidderIds.h"
#include "model/settings/BidderSettings.h"
#include "model/text/TextUtil.h"
#include "platform/core/SettingsStore.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "submit/Crypto.h"

namespace {

constexpr const char* kNoAgencyKey =
    "Sorry, This proposal does not support Electronic Zod Submission.\nIf you think this is in "
    "error, please contact the letting agency. [No Agency Key]";
constexpr const char* kNoCrypto =
    "Sorry, This proposal cannot currently be submitted over the Internet.\nPlease contact "
    "customer support with this message. [Cannot Initialize Crypto Module]";
constexpr const char* kCorruptAgencyKey =
    "Warning: This TVB file contains an error that may affect the integrity of this transaction: "
    "Corrupted Agency Digital ID.\nWe strongly suggest you contact customer support regarding "
    "this message prior to submitting your bid.";

// The agency asks for its bidder ID each time instead of storing one.
bool IsAskMarker(const std::string& id)
{
    return EqualsIgnoringCase(id, "ASK");
}

} // namespace

bool CBidDoc::CheckAgencyKey(CProp& prop)
{
    const CPlate* plate = prop.FindPlate(kAgencyPublicKeyPlate);
    if (!plate)
        return true;
    if (m_strCheckedKey == plate->m_strText)
        return m_bKeyAccepted;
    m_strCheckedKey = plate->m_strText;
    m_bKeyAccepted = false;
    if (plate->m_strText.empty()) {
        AfxMessageBox(kNoAgencyKey);
        return false;
    }
    // The key an earlier opening took in: nothing to import, no key ring work to wait for.
    if (CCrypto::HoldsAgencyKey(plate->m_strText)) {
        m_bKeyAccepted = true;
        return true;
    }
    CCrypto crypto(0);
    if (crypto.GetError() != 0) {
        AfxMessageBox(kNoCrypto);
        return false;
    }
    if (crypto.LoadAgencyKey(&prop, 0) != 0)
        AfxMessageBox(kCorruptAgencyKey);
    m_bKeyAccepted = true;
    return true;
}

bool CBidDoc::ResolveBidderID(CProp& prop, bool allowCancel)
{
    if (!GetBidderInfo() || prop.m_strAgencyId.empty())
        return false;
    const std::string agency = prop.m_strAgencyId;
    std::string stored;
    {
        CProfileStore store;
        stored = LookupBidderID(store, agency).value_or("");
    }
    TrimLeftChars(stored, " \t");
    TrimRightChars(stored, " \t");
    const bool ask = IsAskMarker(stored);
    std::string id = stored;
    if (stored.empty() || ask) {
        ForgetUnsavedSettings();
        const std::optional<std::string> entered = AskBidderID(agency, allowCancel);
        // Refused, the program's own record stays with the proposal that is open.
        if (!entered)
            return false;
        if (!ask) {
            CProfileStore store;
            SaveBidderIDs(store, agency, *entered);
        }
        TellUnsavedSettings();
        id = *entered;
    }
    CBidderInfo* global = GetBidderInfo();
    global->Set(BIDDER_AGENCY_CODE, agency);
    global->Set(BIDDER_ID, id);
    // Taken after the question: company details changed with the ID are the bid's as well.
    if (!prop.m_pBidder)
        prop.m_pBidder = std::make_unique<CBidderInfo>();
    *prop.m_pBidder = *global;
    return true;
}

#include "model/check/CheckBid.h"

#include "model/check/BidErrors.h"
#include "model/check/CheckForms.h"
#include "model/eval/Evaluator.h"
#include "model/text/FlagWord.h"
#include "model/check/ItemCheck.h"
#include "model/records/Prop.h"
#include "model/check/Recalc.h"

#include <optional>

namespace {

bool HasBidderId(const CProp& prop)
{
    return prop.m_pBidder && !prop.m_pBidder->Get(BIDDER_ID).empty();
}

void CheckItems(CProp& prop)
{
    if (prop.m_items.IsEmpty())
        return;
    // A row changed since the last check stops the first walk; the second runs on keys worked
    // out anew, which every row confirms.
    std::optional<ItemCheckRun> run(std::in_place, prop);
    if (!MarkFullyBidItems(*run)) {
        run.reset();
        run.emplace(prop);
        MarkFullyBidItems(*run);
    }
    AnalyseAlternates(*run);
    ChangeFlagBit(&prop.m_wFlags, ITEM_LIST_VALID, IsItemListValid(*run) ? 1 : 0);
    ReportSectionMessages(*run);
    ReportItemMessages(*run);
}

void CheckSites(CProp& prop)
{
    if (!TestFlagBit(prop.m_wFlags2, PROP2_TIME_COSTS_IN_BID) || prop.m_sites.IsEmpty())
        return;
    bool allValid = true;
    for (int index = 0; index < prop.m_sites.GetSize(); ++index) {
        CSite* site = prop.m_sites.GetAtOrNull(index);
        if (!site)
            continue;
        const bool valid = !TestFlagBit(site->m_wFlags, SITE_BIDDABLE) || !CSite::IsDaysNotGiven(site->m_iNumberOfDays);
        ChangeFlagBit(&site->m_wFlags, SITE_VALID, valid ? 1 : 0);
        if (valid)
            continue;
        site->m_dSiteTotal = 0;
        allValid = false;
        FormatBidErrorList(AREA_SITE, BID_ERROR, " Required fields not entered in Site Number %s", {std::to_string(index + 1)});
    }
    ChangeFlagBit(&prop.m_wFlags2, SITE_LIST_VALID, allValid ? 1 : 0);
}

void CheckTotals(const CProp& prop)
{
    const RangeLimit range(prop.m_numberFormats[NUMFMT_AMOUNT].m_byWidth);
    if (range.Exceeds(prop.m_dProposalTotal))
        FormatBidErrorList(AREA_PROPOSAL, BID_ERROR, "Zod Error: Zod Total total is out of range");
    else if (range.Exceeds(prop.m_dItemsTotal))
        FormatBidErrorList(AREA_PROPOSAL, BID_ERROR, "Zod Error: Item Total total is out of range");
    else if (range.Exceeds(prop.m_dTimeTotal))
        FormatBidErrorList(AREA_PROPOSAL, BID_ERROR, "Zod Error: Site Total total is out of range");
}

// Nothing could be checked: no earlier verdict may stand for this proposal.
void ClearStatus(CProp* prop)
{
    if (!prop)
        return;
    for (const auto& row : prop->m_items)
        if (row)
            row->m_wCheck = 0;
    ChangeFlagBit(&prop->m_wFlags, BID_ERRORS, 1);
    ChangeFlagBit(&prop->m_wFlags, ITEM_LIST_VALID, 0);
    ChangeFlagBit(&prop->m_wFlags2, SITE_LIST_VALID, 0);
}

} // namespace

int CheckBid(CProp* prop, bool record)
{
    ResetBidErrors(record);
    if (!prop || !HasBidderId(*prop)) {
        ClearStatus(prop);
        return 0;
    }
    CheckItems(*prop);
    for (int type : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
        CheckDbeGoal(*prop, type);
    CheckMiscForms(*prop);
    CheckBond(*prop);
    CheckSites(*prop);
    CheckTotals(*prop);
    int errors = 0;
    GetBidErrorCounts(&errors);
    ChangeFlagBit(&prop->m_wFlags, BID_ERRORS, errors != 0 ? 1 : 0);
    return errors == 0 ? 1 : 0;
}

uint16_t GetItemCheckWord(const CProp& prop, int index)
{
    const CItem* row = prop.m_items.GetAtOrNull(index);
    return row ? row->m_wCheck : 0;
}

double PowInt(double x, int n)
{
    // Unsigned, so that the magnitude of the lowest int fits.
    unsigned exponent = n < 0 ? 0u - unsigned(n) : unsigned(n);
    double result = 1;
    for (double base = x; exponent != 0; exponent >>= 1, base *= base)
        if (exponent & 1)
            result *= base;
    return n < 0 ? 1 / result : result;
}

#include "model/CheckBid.h"

#include "model/BidErrors.h"
#include "model/CheckForms.h"
#include "model/Evaluator.h"
#include "model/FlagWord.h"
#include "model/ItemCheck.h"
#include "model/Prop.h"
#include "model/Recalc.h"

namespace {

// The check words of the last run, for the views; kept beside the rows they were made for.
struct CheckWords {
    const CItemArray* m_list = nullptr;
    std::vector<const CItem*> m_rows;
    std::vector<uint16_t> m_words;
};

CheckWords& LastCheckWords()
{
    static CheckWords words;
    return words;
}

void KeepCheckWords(const CProp* prop, const ItemCheckRun* run)
{
    CheckWords& last = LastCheckWords();
    last.m_list = nullptr;
    last.m_rows.clear();
    last.m_words.clear();
    if (!prop || !run)
        return;
    last.m_list = &prop->m_items;
    last.m_rows.assign(run->m_rows.begin(), run->m_rows.end());
    last.m_words = run->m_words;
}

bool HasBidderId(const CProp& prop)
{
    return prop.m_pBidder && !prop.m_pBidder->Get(BIDDER_ID).empty();
}

void CheckItems(CProp& prop)
{
    if (prop.m_items.IsEmpty()) {
        KeepCheckWords(nullptr, nullptr);
        return;
    }
    ItemCheckRun run(prop);
    MarkIdenticalItems(run);
    MarkFullyBidItems(run);
    AnalyseAlternates(run);
    ChangeFlagBit(&prop.m_wFlags, ITEM_LIST_VALID, IsItemListValid(run) ? 1 : 0);
    ReportSectionMessages(run);
    ReportItemMessages(run);
    KeepCheckWords(&prop, &run);
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
    KeepCheckWords(nullptr, nullptr);
    if (!prop)
        return;
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
    const CheckWords& last = LastCheckWords();
    if (last.m_list != &prop.m_items || index < 0 || size_t(index) >= last.m_rows.size()
        || last.m_rows[size_t(index)] != prop.m_items.GetAtOrNull(index))
        return 0;
    return last.m_words[size_t(index)];
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

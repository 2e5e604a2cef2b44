#include "model/check/BidErrors.h"
#include "model/check/CheckBid.h"
#include "model/check/FirmCommitments.h"
#include "model/check/ItemCheck.h"
#include "model/text/NumberFormat.h"
#include "model/records/Prop.h"

#include <charconv>

namespace {

// Like printf "%g", whatever the locale.
std::string GeneralNumber(double value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return std::string(text, result.ptr);
}

std::string_view GroupCode(const CItem& row)
{
    return std::string_view(row.m_strAltCode).substr(0, 2);
}

void ReportGroup(ItemCheckRun& run, int row, bool sections)
{
    const CItem& item = *run.m_rows[size_t(row)];
    const bool alternate = run.IsAlternate(row);
    const char* kind = sections ? (alternate ? "Alternate section" : "section option")
                                : (alternate ? "alternate item" : "item option");
    if (!run.Has(row, CHECK_GROUP_WRONG))
        FormatBidErrorList(sections ? AREA_SECTION : AREA_ITEM, BID_ERROR, "%s group %s not bid", {kind, GroupCode(item)});
    else if (alternate)
        FormatBidErrorList(sections ? AREA_SECTION : AREA_ITEM, BID_ERROR, "%s group %s not fully bid", {kind, GroupCode(item)});
    else
        FormatBidErrorList(sections ? AREA_SECTION : AREA_ITEM, BID_ERROR, "%s group %s has too many choices bid",
                           {kind, GroupCode(item)});
}

// The group once, from its first row; an item group of which nothing is bid only when its
// section's choice is bid at all.
void ReportGroupOnce(ItemCheckRun& run, int row, bool sections, bool sectionBid)
{
    if (run.Has(row, CHECK_GROUP_REPORTED))
        return;
    const bool nothingBid = !run.Has(row, CHECK_GROUP_CORRECT) && !run.Has(row, CHECK_GROUP_WRONG);
    if (!run.Has(row, CHECK_GROUP_CORRECT) && (sections || !nothingBid || sectionBid))
        ReportGroup(run, row, sections);
    run.MarkAll(run.m_groups.Members(run.m_groupOf[size_t(row)]), CHECK_GROUP_REPORTED);
}

void ReportChoiceOnce(ItemCheckRun& run, int row, bool sections)
{
    if (run.Has(row, CHECK_CHOICE_REPORTED) || run.Has(row, CHECK_CHOICE_FULLY_BID))
        return;
    if (run.Has(row, CHECK_CHOICE_PARTLY_BID)) {
        const bool alternate = run.IsAlternate(row);
        const char* kind = sections ? (alternate ? "Alternate section" : "section option")
                                    : (alternate ? "Alternate item" : "item option");
        FormatBidErrorList(sections ? AREA_SECTION : AREA_ITEM, BID_ERROR, "%s choice %s not fully bid",
                           {kind, run.m_rows[size_t(row)]->m_strAltCode});
    }
    run.MarkAll(run.m_choices.Members(run.m_choiceOf[size_t(row)]), CHECK_CHOICE_REPORTED);
}

// Whether a plain item's section is bid at all, by the section's own marks. Rows before the first
// section belong to no section and are always reported.
bool IsSectionBid(const ItemCheckRun& run, int section)
{
    return section < 0 || run.Has(section, CHECK_FULLY_BID) || run.Has(section, CHECK_PARTLY_BID);
}

// The same for an alternate or option item, by its section's choice: only alternate and option
// sections have one, so in a plain section such items speak only for their own choices and groups.
bool IsSectionChoiceBid(const ItemCheckRun& run, int section)
{
    return section < 0 || run.Has(section, CHECK_CHOICE_FULLY_BID) || run.Has(section, CHECK_CHOICE_PARTLY_BID);
}

// Bid cap and range messages; true when there were none.
bool ReportLimits(ItemCheckRun& run, int row)
{
    const CItem& item = *run.m_rows[size_t(row)];
    const CProp& prop = run.m_prop;
    bool met = true;
    const std::vector<CapViolation>& violations = run.m_caps.GetViolations(row);
    // Most rows break no cap: the cap's name is looked up only for its messages.
    const CBidCap* cap = violations.empty() ? nullptr : prop.m_bidCaps.Lookup(item.m_strItemNum);
    for (const CapViolation& violation : violations) {
        std::string text = cap->GetMessage(violation.m_rule);
        if (text.empty()) {
            const std::string bound = FormatAmount(violation.m_bound, 0, prop.m_numberFormats[NUMFMT_UNIT_PRICE].m_byDecimals,
                                                   true, prop.GetCurrencySymbol(0));
            text = FormatBidMessage(violation.m_below ? "Unit Price must bt at least %s" : "Unit Price must not exceed %s",
                                    {bound});
        }
        FormatBidErrorList(AREA_ITEM, BID_ERROR, "item %s (Line# %s) %s", {item.m_strItemNum, item.m_strLineNum, text});
        met = false;
    }
    if (run.m_extensionRange.Exceeds(item.m_fExtension)) {
        FormatBidErrorList(AREA_ITEM, BID_ERROR, "item %s (Line# %s) Extension is out of range", {item.m_strItemNum, item.m_strLineNum});
        met = false;
    }
    if (run.m_unitPriceRange.Exceeds(item.m_fUnitPrice)) {
        FormatBidErrorList(AREA_ITEM, BID_ERROR, "item %s (Line# %s) Unit Price is out of range", {item.m_strItemNum, item.m_strLineNum});
        met = false;
    }
    return met;
}

void ReportNotBid(ItemCheckRun& run, int row)
{
    const CItem& item = *run.m_rows[size_t(row)];
    const bool limitsMet = ReportLimits(run, row);
    const int section = run.m_sectionOf[size_t(row)];
    const bool choicePartly = run.Has(row, CHECK_CHOICE_PARTLY_BID) && !run.Has(row, CHECK_CHOICE_FULLY_BID);
    const char* format = nullptr;
    if (run.IsAlternate(row)) {
        if (choicePartly || IsSectionChoiceBid(run, section))
            format = "alternate item %s (Line# %s) not bid";
    } else if (run.IsOption(row)) {
        if (choicePartly)
            format = "item option %s (Line# %s) not bid";
    } else if (IsSectionBid(run, section) && !run.Has(row, CHECK_IDENTICAL_ITEM) && limitsMet) {
        format = "item %s (Line# %s) not bid";
    }
    if (format)
        FormatBidErrorList(AREA_ITEM, BID_ERROR, format, {item.m_strItemNum, item.m_strLineNum});
}

void ReportOvercommitment(const ItemCheckRun& run, const CFirmCommitments& commitments, int row)
{
    const CItem& item = *run.m_rows[size_t(row)];
    const int state = commitments.GetCommitState(row);
    if (state == 1 && item.m_fQuan != 0)
        FormatBidErrorList(AREA_ITEM, BID_WARNING, "item %s (Line# %s) quantity overcommitted by DBE's (%s instead of %s)",
                           {item.m_strItemNum, item.m_strLineNum, GeneralNumber(commitments.GetCommittedQuantity(row)),
                            GeneralNumber(item.m_fQuan)});
    else if (state == 2)
        FormatBidErrorList(AREA_ITEM, BID_WARNING, "item %s (Line# %s) quantity overcommitted by Single DBE",
                           {item.m_strItemNum, item.m_strLineNum});
}

} // namespace

void ReportSectionMessages(ItemCheckRun& run)
{
    for (int row = 0; row < int(run.m_rows.size()); ++row) {
        if (!run.IsSection(row))
            continue;
        if (run.IsAlternateOrOption(row)) {
            ReportGroupOnce(run, row, true, true);
            ReportChoiceOnce(run, row, true);
        }
        if (run.Has(row, CHECK_FULLY_BID))
            continue;
        const std::string& number = run.m_rows[size_t(row)]->m_strLineNum;
        if (!run.IsSectionTotalInRange(row))
            FormatBidErrorList(AREA_SECTION, BID_ERROR, "Section Error: section %s total is out of range", {number});
        const bool partly = run.Has(row, CHECK_PARTLY_BID);
        if (!run.IsOption(row) || partly)
            FormatBidErrorList(AREA_SECTION, BID_ERROR, "Section Error: section %s %s bid", {number, partly ? "only partially" : "not"});
    }
}

void ReportItemMessages(ItemCheckRun& run)
{
    const CFirmCommitments commitments(run.m_prop);
    for (int row = 0; row < int(run.m_rows.size()); ++row) {
        if (run.IsItem(row)) {
            if (run.IsAlternateOrOption(row)) {
                ReportGroupOnce(run, row, false, IsSectionChoiceBid(run, run.m_sectionOf[size_t(row)]));
                ReportChoiceOnce(run, row, false);
            }
            if (!run.Has(row, CHECK_FULLY_BID))
                ReportNotBid(run, row);
            ReportOvercommitment(run, commitments, row);
        }
        // Nothing marks a row once its own turn has passed: its groups and choices were
        // reported from their first rows, at or before it.
        if (run.m_words[size_t(row)] != run.m_wordsLeft[size_t(row)])
            run.m_rows[size_t(row)]->m_wCheck = run.m_words[size_t(row)];
    }
}

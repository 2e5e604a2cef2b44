#include "model/reports/FieldValues.h"

#include "model/check/FormChecks.h"
#include "model/check/Recalc.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/reports/LinePrinter.h"
#include "model/reports/ReportState.h"
#include "model/text/FlagWord.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSecondsPerDay = 86400;

CFieldValue Amount(double value)
{
    return IsEvalValueValid(value) ? CFieldValue::Number(value) : CFieldValue::Missing();
}

// Line ends until what follows stands just above the footer.
CFieldValue Drop(const CReportState& state)
{
    if (state.m_output.m_bNotPaged)
        return CFieldValue::OwnedText({});
    const int lines = GetTextPrinterState().m_iLines - state.m_iFooterSize - GetReportLine();
    return CFieldValue::OwnedText(std::string(std::size_t(std::max(0, lines)), '\n'));
}

CFieldValue SiteDays(const CSite* site, int id)
{
    if (!site)
        return CFieldValue::Missing();
    if (id == FIELD_SITE_NUMBER_DAYS)
        return CSite::IsDaysNotGiven(site->m_iNumberOfDays) ? CFieldValue::Missing()
                                                            : CFieldValue::Number(site->m_iNumberOfDays);
    if (site->m_iStartDate == 0 || site->m_iEndDate < site->m_iStartDate)
        return CFieldValue::Missing();
    return CFieldValue::Number(std::round((double(site->m_iEndDate) - site->m_iStartDate) / kSecondsPerDay));
}

int CountRows(const CProp& prop, bool sections)
{
    int count = 0;
    for (int i = 0; i < prop.m_items.GetSize(); ++i)
        if (const CItem* row = prop.m_items.GetAtOrNull(i); row && row->IsSection() == sections)
            ++count;
    return count;
}

CFieldValue ItemExtension(const CReportState& state)
{
    const CItem* item = GetReportRow(state, state.m_iItem, false);
    if (!item || (TestFlagBit(item->m_wFlags, ITEM_FIXED_PRICE) && !TestFlagBit(item->m_wFlags, ITEM_FIXED_COUNTS_PRICED)))
        return CFieldValue::Missing();
    return Amount(item->m_fExtension);
}

// The goal figures of the DBE, MBE and WBE forms, by the field's position in its group.
CFieldValue FirmGoalValue(const CProp& prop, int type, int offset)
{
    const CWinMeta* form = GetPropDbeForm(prop, type);
    if (!form)
        return CFieldValue::Missing();
    const double items = prop.m_dItemsTotal;
    const double goal = GetFormGoal(*form);
    const double commitment = GetFormCommitment(*form);
    const bool itemsValid = IsEvalValueValid(items);
    switch (offset) {
    case 0: return Amount(commitment);
    case 1:
        if (!itemsValid || items == 0 || !IsEvalValueValid(commitment))
            return CFieldValue::Missing();
        return CFieldValue::Number(commitment / items * 100);
    case 2: return itemsValid && IsEvalValueValid(goal) ? CFieldValue::Number(goal * items / 100) : CFieldValue::Missing();
    case 3: return Amount(goal);
    case 4: return CFieldValue::Number(IsDbeGoalMet(&prop, type));
    default: return CFieldValue::Number(IsBidderDbe(prop, type));
    }
}

int FirstIdOfDbeType(int type)
{
    return type == 1 ? FIELD_DBE_ENTEREDAMT : type == 2 ? FIELD_MBE_ENTEREDAMT : FIELD_WBE_ENTEREDAMT;
}

std::string_view DatabaseText(const CWinMeta& form, std::string_view name)
{
    const CDBField* field = form.m_dbFields.Lookup(name);
    return field ? std::string_view(field->m_strText) : std::string_view();
}

CFieldValue BondValue(const CProp& prop, int id)
{
    if (id == FIELD_BOND_IN_PROPOSAL)
        return CFieldValue::Number(TestFlagBit(prop.m_wFlags2, PROP2_HAS_BOND_FORM));
    const CWinMeta* form = prop.m_pBondForm.get();
    if (!form)
        return CFieldValue::Missing();
    switch (id) {
    case FIELD_BOND_ENTERED: return CFieldValue::Number(form->IsRowComplete(0));
    case FIELD_BOND_VERIFIED: return CFieldValue::Number(TestFlagBit(form->m_wFlags, FORM_BOND_VERIFIED));
    case FIELD_BOND_ERROR_STATE: return CFieldValue::Number(GetFormErrorState(*form));
    // The verification wizard keeps the server's answer in the form's database fields.
    case FIELD_BOND_STATUS_CODE: return CFieldValue::Text(DatabaseText(*form, "StatusCode"));
    case FIELD_BOND_STATUS_MESSAGE: return CFieldValue::Text(DatabaseText(*form, "StatusMessage"));
    case FIELD_BOND_PAY_BY_CHECK: return CFieldValue::Number(TestFlagBit(form->m_wFlags, FORM_BOND_PAID_BY_CHECK));
    case FIELD_BOND_CHECK_AMMT:
        if (!IsEvalValueValid(prop.m_dItemsTotal) || !IsEvalValueValid(GetFormGoal(*form)))
            return CFieldValue::Missing();
        return CFieldValue::Number(prop.m_dItemsTotal * GetFormGoal(*form) / 100);
    default: return Amount(GetFormGoal(*form));
    }
}

} // namespace

CFieldValue FetchComputedValue(const CReportState& state, int id, int record)
{
    const CProp& prop = *state.m_pProp;
    if (const int type = GetFieldDbeType(id))
        return FirmGoalValue(prop, type, id - FirstIdOfDbeType(type));
    if (id >= FIELD_BOND_IN_PROPOSAL && id <= FIELD_BOND_REQUIRED_PCT)
        return BondValue(prop, id);
    switch (id) {
    case FIELD_DROP: return Drop(state);
    case FIELD_SITE_COUNT: return CFieldValue::Number(prop.m_sites.GetSize());
    case FIELD_SITE_ESTIMATED_DAYS:
    case FIELD_SITE_NUMBER_DAYS: return SiteDays(GetReportSite(state, record), id);
    case FIELD_SECTION_INDEX: return CFieldValue::Number(state.m_iSectionOrdinal);
    case FIELD_ITEM_INDEX: return CFieldValue::Number(state.m_iItemOrdinal);
    case FIELD_SECTION_COUNT:
        if (state.m_iSectionCount < 0)
            state.m_iSectionCount = CountRows(prop, true);
        return CFieldValue::Number(state.m_iSectionCount);
    case FIELD_ITEM_COUNT:
        if (state.m_iItemCount < 0)
            state.m_iItemCount = CountRows(prop, false);
        return CFieldValue::Number(state.m_iItemCount);
    case FIELD_ITEM_EXTENSION: return ItemExtension(state);
    case FIELD_PAGE_NUMBER: return CFieldValue::Number(GetReportPage());
    case FIELD_IS_BID: return CFieldValue::Number(prop.m_pBidder && !prop.m_pBidder->Get(BIDDER_ID).empty());
    case FIELD_SIGNER: return CFieldValue::Text(state.m_strSigner);
    default: return CFieldValue::Missing();
    }
}

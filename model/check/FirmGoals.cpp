#include "model/check/Recalc.h"

#include "model/text/AmountText.h"
#include "model/eval/Evaluator.h"
#include "model/text/FlagWord.h"
#include "model/check/FirmCommitments.h"
#include "model/check/FormChecks.h"
#include "model/records/Item.h"
#include "model/text/NumberFormat.h"
#include "model/records/Prop.h"
#include "model/text/TextUtil.h"

namespace {

// A supplier's amount counts only in part toward the goal.
constexpr double kSupplierFactor = 0.6;

std::string_view Currency(const CProp& prop)
{
    return prop.GetCurrencySymbol(0);
}

// The row's amount cell becomes the sum of the valid extensions of its firm items that name an
// item row.
void RewriteAmountFromFirmItems(const CProp& prop, CWinMeta& form, int row)
{
    CCellData* cell = form.GetCellById(row, FIRM_FIELD_AMOUNT);
    const CRowData* data = form.m_rows.GetAtOrNull(row);
    if (!cell || !data)
        return;
    if (data->m_dbeItems.IsEmpty()) {
        cell->m_strText.clear();
        return;
    }
    double sum = 0;
    for (const auto& entry : data->m_dbeItems)
        if (entry && CommittedItem(prop, *entry) && IsEvalValueValid(entry->m_dExtension))
            sum += entry->m_dExtension;
    cell->m_strText = FormatAmount(sum, 0, prop.m_numberFormats[NUMFMT_AMOUNT].m_byDecimals, false, Currency(prop));
}

bool RowCountsTowardGoal(const CWinMeta& form, int row)
{
    if (!form.IsRowComplete(row))
        return false;
    const CCellData* counts = form.GetCellById(row, FIRM_FIELD_COUNTS);
    if (!counts)
        return true;
    std::string answer = counts->m_strText;
    return ParseYesNo(answer);
}

double RowFactor(const CWinMeta& form, int row)
{
    const CCellData* type = form.GetCellById(row, FIRM_FIELD_TYPE);
    const bool supplier = type && EqualsIgnoringCase(std::string_view(type->m_strText).substr(0, 3), "sup");
    return supplier ? kSupplierFactor : 1.0;
}

double SumOfRows(const CProp& prop, CWinMeta& form)
{
    double commitment = 0;
    if (!form.GetFieldById(FIRM_FIELD_AMOUNT))
        return commitment;
    const bool fromFirmItems = TestFlagBit(form.m_wFlags, FORM_ROWS_HAVE_FIRM_ITEMS) != 0;
    for (int row = 0; row < form.m_rows.GetSize(); ++row) {
        if (fromFirmItems)
            RewriteAmountFromFirmItems(prop, form, row);
        if (!RowCountsTowardGoal(form, row))
            continue;
        const CCellData* amount = form.GetCellById(row, FIRM_FIELD_AMOUNT);
        if (amount)
            commitment += ParseCellAmount(Currency(prop), amount->m_strText) * RowFactor(form, row);
    }
    return commitment;
}

bool IsUsable(double value)
{
    return IsEvalValueValid(value) && value != 0;
}

} // namespace

bool IsDbeTypeActive(const CProp& prop, int type)
{
    switch (type) {
    case FIRM_DBE: return TestFlagBit(prop.m_wFlags, PROP_HAS_DBE_FORM) != 0;
    case FIRM_MBE: return TestFlagBit(prop.m_wFlags, PROP_HAS_MBE_FORM) != 0;
    case FIRM_WBE: return TestFlagBit(prop.m_wFlags, PROP_HAS_WBE_FORM) != 0;
    default: return false;
    }
}

bool IsBidderDbe(const CProp& prop, int type)
{
    const CWinMeta* form = prop.GetDbeForm(type);
    return form && TestFlagBit(form->m_wFlags, FORM_BIDDER_IS_CERTIFIED);
}

CWinMeta* GetPropDbeForm(const CProp& prop, int type)
{
    return prop.GetDbeForm(type);
}

std::string_view GetDbeTypeName(int type)
{
    switch (type) {
    case FIRM_MBE: return "MBE";
    case FIRM_WBE: return "WBE";
    default: return "DBE";
    }
}

std::string_view GetDbeItemTypeName(int type)
{
    switch (type) {
    case FIRM_MBE: return "MBE Item";
    case FIRM_WBE: return "WBE Item";
    default: return "DBE Item";
    }
}

void CalcDbeCommitment(CProp& prop, int type)
{
    CWinMeta* form = prop.GetDbeForm(type);
    if (!form || !IsDbeTypeActive(prop, type))
        return;
    if (form->m_rows.IsEmpty())
        SetFormCommitment(*form, 0);
    else if (IsBidderDbe(prop, type))
        SetFormCommitment(*form, prop.m_dItemsTotal);
    else
        SetFormCommitment(*form, SumOfRows(prop, *form));
}

int IsDbeGoalMet(const CProp* prop, int type)
{
    const CWinMeta* form = prop ? prop->GetDbeForm(type) : nullptr;
    if (!form || !IsUsable(GetFormGoal(*form)) || !IsUsable(prop->m_dItemsTotal) || !IsDbeTypeActive(*prop, type))
        return 1;
    const double commitment = GetFormCommitment(*form);
    if (!IsEvalValueValid(commitment))
        return 0;
    if (TestFlagBit(form->m_wFlags, FORM_GOAL_BY_PERCENT)) {
        const int decimals = GetFormPercentDecimals(*form);
        return RoundToDecimals(commitment / prop->m_dItemsTotal * 100, decimals)
                       >= RoundToDecimals(GetFormGoal(*form), decimals) ? 1 : 0;
    }
    return RoundToDecimals(commitment, 2) >= RoundToDecimals(prop->m_dItemsTotal * GetFormGoal(*form) / 100, 2) ? 1 : 0;
}

double ParseAmountText(const CProp* prop, std::string_view text, bool* valid, std::string* reason)
{
    return ParseAmountText(prop ? Currency(*prop) : std::string_view(), text, valid, reason);
}

double ParseCellAmount(const CProp* prop, std::string_view text)
{
    return ParseCellAmount(prop ? Currency(*prop) : std::string_view(), text);
}

#include "model/check/CheckForms.h"

#include "model/check/BidErrors.h"
#include "model/eval/Evaluator.h"
#include "model/text/AmountText.h"
#include "model/text/FlagWord.h"
#include "model/check/FormChecks.h"
#include "model/text/NumberFormat.h"
#include "model/records/Prop.h"
#include "model/check/Recalc.h"
#include "model/text/TextUtil.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr int kPickListFieldKind = 7;
constexpr int FIELD_NEEDS_LISTED_VALUE = 2;
constexpr int16_t kTypedNotChosen = -1; // the list index 0xFFFF
constexpr std::size_t kListNoticeWidth = 25;

// Reports a message for a form and raises the form's error state to its severity.
struct FormReport {
    CWinMeta& m_form;
    int m_area;

    void operator()(int severity, std::string_view format, std::initializer_list<std::string_view> args = {})
    {
        FormatBidErrorList(m_area, severity, format, args);
        SetFormErrorState(m_form, std::max<int>(GetFormErrorState(m_form), CountedBidSeverity(severity)));
    }
};

void ReportTypedListValues(FormReport& report, const CWinMeta& form, int row, std::string_view typeName)
{
    const CRowData* data = form.m_rows.GetAtOrNull(row);
    if (!data)
        return;
    for (int column = 0; column < data->m_cells.GetSize(); ++column) {
        const CFieldInfo* field = form.m_fields.GetAtOrNull(column);
        const CCellData* cell = data->m_cells.GetAtOrNull(column);
        if (!field || !cell || field->m_iKind != kPickListFieldKind || !TestFlagBit(field->m_wFlags, FIELD_NEEDS_LISTED_VALUE)
            || cell->m_iSelection != kTypedNotChosen || cell->m_strText.empty())
            continue;
        const std::size_t width = std::max<std::size_t>(1, kListNoticeWidth - std::min(kListNoticeWidth, field->m_strText.size()));
        report(BID_NOTICE, "%s %s not chosen from list (%s #%s)",
               {field->m_strText, std::string_view(cell->m_strText).substr(0, width), typeName, std::to_string(row + 1)});
    }
}

bool BondCellHasText(const CWinMeta& form, int id)
{
    const CCellData* cell = form.GetCellById(0, id);
    return cell && !cell->m_strText.empty();
}

// "12.5%", "US$1,000": what the bidder typed into a bond form cell, read as every amount is and
// without any of `alsoRemoved`.
double BondCellValue(const CProp& prop, const CWinMeta& form, int id, std::string_view alsoRemoved)
{
    if (!BondCellHasText(form, id))
        return MakeEvalErrorValue();
    std::string text = form.GetCellById(0, id)->m_strText;
    RemoveCurrencyAndSeparators(text, prop.GetCurrencySymbol(0));
    RemoveChars(text, alsoRemoved);
    return EvaluateExpression(text.c_str());
}

std::string FixedTwoDecimals(double value)
{
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    return std::string(text, result.ptr);
}

void CheckBondAmounts(FormReport& report, const CProp& prop, const CWinMeta& form)
{
    const double required = GetFormGoal(form);
    const double percent = BondCellValue(prop, form, BOND_FIELD_PERCENT, "% ");
    // Text that is no number is no percentage at all.
    if (BondCellHasText(form, BOND_FIELD_PERCENT) && (!IsEvalValueValid(percent) || required > percent))
        report(GetFormGoalSeverity(form), "Minimum Bond percentage is %s%%", {FixedTwoDecimals(required)});
    // A bond below the required share of the items total does not cover the bid.
    const double amount = BondCellValue(prop, form, BOND_FIELD_AMOUNT, " ");
    const double needed = prop.m_dItemsTotal * required / 100;
    if (IsEvalValueValid(amount) && IsEvalValueValid(needed) && amount < needed)
        report(GetFormGoalSeverity(form), "Bond Amount is less than the required %s",
               {FormatAmount(needed, 0, 2, true, prop.GetCurrencySymbol(0))});
}

} // namespace

void CheckDbeGoal(CProp& prop, int type)
{
    CWinMeta* form = prop.GetDbeForm(type);
    if (!form || !IsDbeTypeActive(prop, type))
        return;
    CalcDbeCommitment(prop, type);
    SetFormErrorState(*form, 0);
    if (IsBidderDbe(prop, type))
        return;
    const std::string_view typeName = GetDbeTypeName(type);
    FormReport report{*form, AREA_DBE};
    if (!IsDbeGoalMet(&prop, type)) {
        if (!GetFormMessage(*form).empty())
            report(GetFormGoalSeverity(*form), "%s", {GetFormMessage(*form)});
        else
            report(GetFormGoalSeverity(*form), "%s Commitment Goal not met", {typeName});
    }
    if (form->m_rows.IsEmpty())
        SetFormErrorState(*form, BID_ERROR);
    for (int row = 0; row < form->m_rows.GetSize(); ++row) {
        if (!form->IsRowComplete(row))
            report(BID_ERROR, "%s Entry #%s is incomplete", {typeName, std::to_string(row + 1)});
        if (TestFlagBit(form->m_wFlags, FORM_CHECK_LISTED_VALUES))
            ReportTypedListValues(report, *form, row, typeName);
    }
}

void CheckMiscForms(const CProp& prop)
{
    if (!TestFlagBit(prop.m_wFlags, PROP_HAS_MISC_FORMS))
        return;
    for (int index = 0; index < prop.m_miscForms.GetSize(); ++index) {
        const CWinMeta* form = prop.m_miscForms.GetAtOrNull(index);
        if (!form || TestFlagBit(form->m_wFlags, FORM_MISC_NOT_REQUIRED) || form->IsRowComplete(0))
            continue;
        std::string title = GetFormTitle(*form);
        if (title.empty())
            title = index == 0 ? "Misc Data" : "Misc Data " + std::to_string(index + 1);
        FormatBidErrorList(AREA_MISC, BID_ERROR, "Required fields not entered in %s screen", {title});
    }
}

void CheckBond(CProp& prop)
{
    CWinMeta* form = prop.m_pBondForm.get();
    if (!form || !TestFlagBit(prop.m_wFlags2, PROP2_HAS_BOND_FORM))
        return;
    SetFormErrorState(*form, 0);
    if (TestFlagBit(form->m_wFlags, FORM_BOND_PAID_BY_CHECK))
        return;
    FormReport report{*form, AREA_BOND};
    if (!TestFlagBit(form->m_wFlags, FORM_BOND_VERIFIED)) {
        if (!form->IsRowComplete(form->m_rows.GetSize() - 1))
            report(BID_ERROR, "Data Error: Required fields not entered in Zod Bond Data screen");
        else if (GetFormVerifySeverity(*form) != 0)
            report(GetFormVerifySeverity(*form), "%s",
                   {GetFormMessage(*form).empty() ? std::string_view("Bond Has not been verified") : GetFormMessage(*form)});
    }
    CheckBondAmounts(report, prop, *form);
}

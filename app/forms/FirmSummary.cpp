#include "app/forms/FirmSummary.h"

#include "app/views/MoneyField.h"
#include "model/check/FormChecks.h"
#include "model/check/Recalc.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/text/NumberFormat.h"
#include "platform/ui/controls/Static.h"

namespace {

// The form's further texts that label the block's rows.
enum : int { kFirstRowLabel = 5, kSecondRowLabel = 6 };
constexpr int kAmountDigits = 15;
constexpr int kAmountDecimals = 2;

std::vector<SummaryRow> FirmRows(const char* firstLabel, const char* secondLabel)
{
    return {
        {1, 0, true, {{1094, 18, SS_RIGHT, firstLabel}, {IDC_FIRM_COMMITTED_PERCENT, 9, SS_RIGHT | SS_SUNKEN, nullptr},
                      {1095, 4, SS_CENTER, "or"}, {IDC_FIRM_COMMITTED_AMOUNT, 16, SS_RIGHT | SS_SUNKEN, nullptr}}},
        {1, 0, true, {{1097, 18, SS_RIGHT, secondLabel}, {IDC_FIRM_GOAL_PERCENT, 9, SS_RIGHT | SS_SUNKEN, nullptr},
                      {1098, 4, SS_CENTER, "or"}, {IDC_FIRM_GOAL_AMOUNT, 16, SS_RIGHT | SS_SUNKEN, nullptr}}},
        {1, 15, true, {{IDC_FIRM_GOAL_STATUS, 30, SS_CENTER, nullptr}}},
        {3, 15, false, {{IDC_FIRM_NO_MORE_NEEDED, 30, SS_CENTER, nullptr}}},
    };
}

// The rows as laid out: the labels do not move the block.
const std::vector<SummaryRow>& LayoutRows()
{
    static const std::vector<SummaryRow> rows = FirmRows(nullptr, nullptr);
    return rows;
}

std::string Percent(const CWinMeta& form, double value)
{
    return FormatDollars(value, form.m_bytePair[0], GetFormPercentDecimals(form), false, false) + "% ";
}

std::string Amount(const CProp& prop, double value)
{
    return FormatAmount(value, kAmountDigits, kAmountDecimals, true, prop.GetCurrencySymbol(0)) + " ";
}

bool Usable(double value)
{
    return IsEvalValueValid(value) != 0;
}

} // namespace

std::string FirmSummaryFirstLabel(const CWinMeta* form, int firmType)
{
    if (form && !form->m_strFurtherTexts[kFirstRowLabel].empty())
        return form->m_strFurtherTexts[kFirstRowLabel];
    return std::string(GetDbeTypeName(firmType)) + " total entered:";
}

std::string FirmSummarySecondLabel(const CWinMeta* form, int firmType)
{
    if (form && !form->m_strFurtherTexts[kSecondRowLabel].empty())
        return form->m_strFurtherTexts[kSecondRowLabel];
    return std::string(GetDbeTypeName(firmType)) + " Goal:";
}

void BuildFirmSummary(CWnd* window, CreatedWindows& created, CFont* font, int cx, int cy, int firmType,
                      const CProp* prop)
{
    const CWinMeta* form = prop ? prop->GetDbeForm(firmType) : nullptr;
    const std::string first = FirmSummaryFirstLabel(form, firmType);
    const std::string second = FirmSummarySecondLabel(form, firmType);
    BuildSummaryBlock(window, created, font, cx, cy, FirmRows(first.c_str(), second.c_str()));
}

void RefreshFirmSummary(CWnd* window, CProp* prop, int firmType)
{
    const CWinMeta* form = prop ? prop->GetDbeForm(firmType) : nullptr;
    if (!form || !window->GetDlgItem(IDC_FIRM_COMMITTED_PERCENT))
        return;
    CalcDbeCommitment(*prop, firmType);
    const double total = prop->m_dItemsTotal;
    const double goal = GetFormGoal(*form);
    const double committed = GetFormCommitment(*form);
    const double goalAmount = Usable(total) && Usable(goal) ? total * goal / 100 : 0;
    const double committedPercent = Usable(total) && Usable(committed) && total != 0 ? committed / total * 100 : 0;
    window->GetDlgItem(IDC_FIRM_COMMITTED_PERCENT)->SetWindowText(Percent(*form, committedPercent));
    window->GetDlgItem(IDC_FIRM_GOAL_PERCENT)->SetWindowText(Percent(*form, goal));
    ShowMoney(window->GetDlgItem(IDC_FIRM_COMMITTED_AMOUNT), Amount(*prop, committed));
    ShowMoney(window->GetDlgItem(IDC_FIRM_GOAL_AMOUNT), Amount(*prop, goalAmount));
    CWnd* noMore = window->GetDlgItem(IDC_FIRM_NO_MORE_NEEDED);
    std::string status;
    if (IsBidderDbe(*prop, firmType)) {
        noMore->SetWindowText("NO MORE INFORMATION IS NEEDED");
        noMore->ShowWindow(SW_SHOW);
        status = "<GOAL MET> (100% DBE)";
    } else {
        noMore->ShowWindow(SW_HIDE);
        status = IsDbeGoalMet(prop, firmType) ? "<GOAL MET>" : "<GOAL NOT MET>";
    }
    window->GetDlgItem(IDC_FIRM_GOAL_STATUS)->SetWindowText(status);
}

void LayoutFirmSummary(CWnd* window, int top, int minWidth, int contentWidth)
{
    LayoutSummaryBlock(window, LayoutRows(), IDC_FIRM_COMMITTED_PERCENT, top, minWidth, contentWidth);
}

int GetFirmSummaryBottom(CWnd* window)
{
    return SummaryBlockBottom(window, LayoutRows());
}

int GetFirmSummaryHeight(CWnd* window)
{
    return SummaryBlockHeight(window, LayoutRows());
}

// The block under the bond form: the bond's amount and the goal the agency sets for it, in per
// cent of the bid and as an amount.
#include "app/forms/DVBond.h"

#include "app/forms/FormLayout.h"
#include "app/forms/SummaryBlock.h"
#include "app/views/MoneyField.h"
#include "model/check/FormChecks.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/text/NumberFormat.h"
#include "platform/ui/controls/Static.h"

namespace {

enum : UINT { IDC_BOND_GOAL_PERCENT = 1131, IDC_BOND_GOAL_AMOUNT = 1128 };
constexpr int kBlockWidthChars = 55;
constexpr int kAmountDigits = 15;
constexpr int kAmountDecimals = 2;

const std::vector<SummaryRow>& BondRows()
{
    static const std::vector<SummaryRow> rows = {
        {1, 0, true, {{1134, 18, SS_RIGHT, "Bond Amount:"}, {1135, 9, SS_RIGHT | SS_SUNKEN, nullptr}}},
        {1, 0, true, {{1126, 18, SS_RIGHT, "Bond Goal:"}, {IDC_BOND_GOAL_PERCENT, 9, SS_RIGHT | SS_SUNKEN, nullptr},
                      {1127, 4, SS_CENTER, "or"}, {IDC_BOND_GOAL_AMOUNT, 16, SS_RIGHT | SS_SUNKEN, nullptr}}},
        {1, 15, true, {{1129, 30, SS_CENTER, nullptr}}},
    };
    return rows;
}

} // namespace

void CDV_Bond::UpdateBondSummary()
{
    const CWinMeta* form = GetTemplate();
    const CProp* prop = GetProp();
    CWnd* percent = GetDlgItem(IDC_BOND_GOAL_PERCENT);
    CWnd* amount = GetDlgItem(IDC_BOND_GOAL_AMOUNT);
    if (!form || !prop || !percent || !amount)
        return;
    const double goal = GetFormGoal(*form);
    percent->SetWindowText(FormatDollars(goal, form->m_bytePair[0], GetFormPercentDecimals(*form), false, false) + "% ");
    const bool usable = IsEvalValueValid(goal) && IsEvalValueValid(prop->m_dItemsTotal);
    const double required = usable ? goal / 100 * prop->m_dItemsTotal : 0;
    ShowMoney(amount, FormatAmount(required, kAmountDigits, kAmountDecimals, true, prop->GetCurrencySymbol(0)) + " ");
    UpdateBondStatus();
}

// The block under the form, the status line under it.
void CDV_Bond::LayoutBelowForm(int width)
{
    CWnd* status = GetDlgItem(IDC_STATUS);
    if (!status)
        return;
    const CPoint scroll = GetScrollPosition();
    const int blockWidth = kBlockWidthChars * m_iCharWidth;
    LayoutSummaryBlock(this, BondRows(), IDC_BOND_GOAL_PERCENT, m_iFormHeight + m_iCharHeight - scroll.y, width, blockWidth);
    const int frameWidth = std::max(width, blockWidth + FormMargin());
    const CRect statusRect = ControlRect(this, status);
    const int statusTop = SummaryBlockBottom(this, BondRows()) + m_iCharHeight / 2;
    status->MoveWindow((frameWidth - statusRect.Width()) / 2, statusTop, statusRect.Width(), statusRect.Height());
    const int bottom = statusTop + statusRect.Height() + FormMargin() + scroll.y;
    SetScrollSizes(MM_TEXT, CSize(std::max(int(GetFormExtent().right), blockWidth + FormMargin()), bottom));
}

void CDV_Bond::OnInitialUpdate()
{
    CDV_Template::OnInitialUpdate();
    if (!GetProp() || !GetTemplate())
        return;
    m_iFormHeight = GetTotalSize().cy;
    CreatedWindows block;
    BuildSummaryBlock(this, block, &m_formFont, m_iCharWidth, m_iCharHeight, BondRows());
    for (auto& window : block)
        Own(std::move(window));
    CreateFormFont(m_boldFont, 2, 700);
    auto status = std::make_unique<CStatic>();
    status->Create(nullptr, "", WS_CHILD | WS_VISIBLE | SS_CENTER, CRect(0, 0, 35 * m_iCharWidth, m_iLineHeight * 3 / 2),
                   this, IDC_STATUS);
    status->SetFont(&m_boldFont, false);
    Own(std::move(status));
    RefreshRecordState();
    CRect client;
    GetClientRect(&client);
    LayoutBelowForm(client.Width());
    EnableForBondState();
}

void CDV_Bond::OnSize(UINT type, int cx, int cy)
{
    CDV_Template::OnSize(type, cx, cy);
    LayoutBelowForm(cx);
}

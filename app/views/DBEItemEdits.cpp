// What the bidder changes in the firm item form: the committed amounts, the note, the item's
// assignment to the firm and its sharing among firms.
#include "app/views/DVDBEItem.h"

#include "app/doc/BidDoc.h"
#include "app/firms/DBEItemGrid.h"
#include "app/firms/FirmItemEntries.h"
#include "app/grids/Refusal.h"
#include "app/tree/BidTreeView.h"
#include "model/check/FirmCommitments.h"
#include "model/entry/TypedEntry.h"
#include "model/eval/Evaluator.h"
#include "model/records/Item.h"
#include "model/records/Prop.h"
#include "model/records/WinMeta.h"
#include "model/settings/UnitConversion.h"
#include "model/text/FlagWord.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/Edit.h"

#include <optional>

namespace {

// The factor from the item's unit to the unit shown; none when amounts show in the item's unit.
std::optional<double> ShownUnitFactor(const CProp& prop, const CItem& item)
{
    if (!TestFlagBit(prop.m_wFlags, PROP_SHOW_ALT_UNITS))
        return std::nullopt;
    double factor = MakeEvalErrorValue();
    FindUnitConversion(&item, factor);
    if (!IsEvalValueValid(factor) || factor == 0)
        return std::nullopt;
    return factor;
}

// A quantity or price typed in the unit shown, in the item's own unit.
double InItemUnit(double typed, std::optional<double> factor, bool isQuantity)
{
    if (!factor || !IsEvalValueValid(typed))
        return typed;
    return isQuantity ? typed / *factor : typed * *factor;
}

} // namespace

std::string CDV_DBEItem::EditText(UINT id) const
{
    const CWnd* edit = GetDlgItem(id);
    return edit ? edit->GetWindowText() : std::string();
}

void CDV_DBEItem::MarkModified()
{
    if (CBidDoc* doc = dynamic_cast<CBidDoc*>(GetDocument()))
        doc->SetModifiedFlag();
}

bool CDV_DBEItem::IsTyped(UINT id) const
{
    const auto shown = m_shownTexts.find(id);
    return shown == m_shownTexts.end() || EditText(id) != shown->second;
}

std::optional<double> CDV_DBEItem::TypedAmount(UINT id, const char* field, NumberFormatKind kind, double kept)
{
    if (!IsTyped(id))
        return kept;
    const CProp& prop = *GetProp();
    const CItem& item = *GetItem();
    const TypedEntry typed = ReadCommittedAmount(prop, item, field, EditText(id), kind);
    if (typed.Refused()) {
        TellRefusal(id, typed);
        return std::nullopt;
    }
    return id == IDC_TOTAL ? typed.value : InItemUnit(typed.value, ShownUnitFactor(prop, item), id == IDC_QUANTITY);
}

void CDV_DBEItem::TellRefusal(UINT id, const TypedEntry& refused)
{
    // One click into the grid takes the focus from the edit and then asks before the cursor
    // moves: both meet the same refusal, which is told once.
    if (!m_bRefusalTold) {
        m_bRefusalTold = true;
        ShowRefusal(refused);
        PostMessage(WM_REFUSAL_TOLD);
    }
    auto* edit = static_cast<CEdit*>(GetDlgItem(id));
    edit->SetFocus();
    edit->SetSel(0, -1);
}

LRESULT CDV_DBEItem::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_REFUSAL_TOLD)
        return CDV::OnMessage(message, wParam, lParam);
    m_bRefusalTold = false;
    return 0;
}

bool CDV_DBEItem::StoreAmounts(bool fromTotal)
{
    CProp* prop = GetProp();
    CDBEItem* entry = GetEntry();
    if (!prop || !entry || !(IsTyped(IDC_QUANTITY) || IsTyped(IDC_UNIT_PRICE) || IsTyped(IDC_TOTAL)))
        return true;
    // A field left as shown keeps the entry's own value: the text shown is rounded, and in
    // alternate units converted, so reading it back would change the commitment. Text that is no
    // amount is refused and stays for the bidder to correct; nothing is stored then.
    const std::optional<double> quantity = TypedAmount(IDC_QUANTITY, "Quantity", NUMFMT_QUANTITY, entry->m_dQuantity);
    const std::optional<double> price =
        quantity ? TypedAmount(IDC_UNIT_PRICE, "Unit Price", NUMFMT_UNIT_PRICE, entry->m_dUnitPrice) : std::nullopt;
    const std::optional<double> total =
        price ? TypedAmount(IDC_TOTAL, "Total", NUMFMT_AMOUNT, entry->m_dExtension) : std::nullopt;
    if (!total)
        return false;
    entry->m_dUnitPrice = *price;
    if (fromTotal) {
        entry->m_dExtension = *total;
        const bool pricedAndValid = IsEvalValueValid(*price) && IsEvalValueValid(*total) && *price != 0;
        entry->m_dQuantity = pricedAndValid ? *total / *price : 0;
    } else {
        entry->m_dQuantity = *quantity;
        if (IsEvalValueValid(*price))
            entry->m_dExtension = IsEvalValueValid(*quantity) ? *quantity * *price : MakeEvalErrorValue();
    }
    MarkModified();
    AfterCommitmentChange();
    return true;
}

void CDV_DBEItem::OnQuantityOrPrice()
{
    StoreAmounts(false);
}

void CDV_DBEItem::OnTotal()
{
    StoreAmounts(true);
}

void CDV_DBEItem::OnNotes()
{
    CDBEItem* entry = GetEntry();
    const std::string note = EditText(IDC_NOTES);
    if (!entry || entry->m_strNote == note)
        return;
    entry->m_strNote = note;
    MarkModified();
}

bool CDV_DBEItem::StoreTypedValues()
{
    // The note first: storing the amounts shows every field anew, and a refused amount must not
    // keep the note from being stored.
    OnNotes();
    return StoreAmounts(!IsTyped(IDC_QUANTITY) && !IsTyped(IDC_UNIT_PRICE));
}

void CDV_DBEItem::OnAssign()
{
    CProp* prop = GetProp();
    const bool assign = static_cast<CButton*>(GetDlgItem(IDC_ASSIGN))->GetCheck() == BST_CHECKED;
    if (!prop || !SetItemCommitted(*prop, m_iFirmKind, m_iFirm, m_iItem, assign))
        return;
    MarkModified();
    if (CDBEItemGrid* grid = SplitterGrid())
        grid->OnFirmItemsChanged();
    AfterCommitmentChange();
}

void CDV_DBEItem::OnMultiple()
{
    CProp* prop = GetProp();
    const CItem* item = GetItem();
    if (!prop || !item)
        return;
    const int shared = static_cast<CButton*>(GetDlgItem(IDC_MULTIPLE))->GetCheck() == BST_CHECKED ? 1 : 0;
    for (int kind : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
        if (const CWinMeta* form = prop->GetDbeForm(kind))
            for (const auto& row : form->m_rows)
                if (CDBEItem* entry = row ? row->FindDbeItemByLine(item->m_strLineNum) : nullptr)
                    ChangeFlagBit(&entry->m_wEntryFlags, DBEITEM_NOT_COUNTED, shared);
    MarkModified();
    AfterCommitmentChange();
}

void CDV_DBEItem::AfterCommitmentChange()
{
    CProp* prop = GetProp();
    if (CDBEItem* entry = GetEntry())
        UpdateFirmItemState(*prop, m_iFirmKind, *GetItem(), *entry);
    RecheckCommitments(*prop, m_iFirm);
    RefreshFirmItem();
    Invalidate();
    if (CDBEItemGrid* grid = SplitterGrid())
        grid->OnCommitmentStored(grid->GetCurrentRow());
    if (CBidTreeView* tree = GetMainTreeView()) {
        tree->Invalidate();
        tree->UpdateWindow();
    }
}

// What the bidder changes in the firm item form: the committed amounts, the note, the item's
// assignment to the firm and its sharing among firms.
#include "app/views/DVDBEItem.h"

#include "app/doc/BidDoc.h"
#include "app/firms/DBEItemGrid.h"
#include "app/firms/FirmItemEntries.h"
#include "app/tree/BidTreeView.h"
#include "model/check/FirmCommitments.h"
#include "model/check/Recalc.h"
#include "model/eval/Evaluator.h"
#include "model/records/Item.h"
#include "model/records/Prop.h"
#include "model/records/WinMeta.h"
#include "model/settings/UnitConversion.h"
#include "model/text/FlagWord.h"
#include "model/text/NumberFormat.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/Edit.h"

#include <optional>

namespace {

double Typed(const CProp& prop, const std::string& text, NumberFormatKind kind)
{
    const double value = ParseAmountText(&prop, text, nullptr);
    return IsEvalValueValid(value) ? RoundToDecimals(value, prop.m_numberFormats[kind].m_byDecimals) : value;
}

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

void CDV_DBEItem::StoreAmounts(bool fromTotal)
{
    CProp* prop = GetProp();
    CDBEItem* entry = GetEntry();
    if (!prop || !entry || !(IsTyped(IDC_QUANTITY) || IsTyped(IDC_UNIT_PRICE) || IsTyped(IDC_TOTAL)))
        return;
    // A field left as shown keeps the entry's own value: the text shown is rounded, and in
    // alternate units converted, so reading it back would change the commitment.
    const std::optional<double> factor = ShownUnitFactor(*prop, *GetItem());
    const double quantity = IsTyped(IDC_QUANTITY)
                                ? InItemUnit(Typed(*prop, EditText(IDC_QUANTITY), NUMFMT_QUANTITY), factor, true)
                                : entry->m_dQuantity;
    const double price = IsTyped(IDC_UNIT_PRICE)
                             ? InItemUnit(Typed(*prop, EditText(IDC_UNIT_PRICE), NUMFMT_UNIT_PRICE), factor, false)
                             : entry->m_dUnitPrice;
    const double total = IsTyped(IDC_TOTAL) ? Typed(*prop, EditText(IDC_TOTAL), NUMFMT_AMOUNT) : entry->m_dExtension;
    entry->m_dUnitPrice = price;
    if (fromTotal) {
        entry->m_dExtension = total;
        const bool pricedAndValid = IsEvalValueValid(price) && IsEvalValueValid(total) && price != 0;
        entry->m_dQuantity = pricedAndValid ? total / price : 0;
    } else {
        entry->m_dQuantity = quantity;
        if (IsEvalValueValid(price))
            entry->m_dExtension = IsEvalValueValid(quantity) ? quantity * price : MakeEvalErrorValue();
    }
    MarkModified();
    AfterCommitmentChange();
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
    for (UINT id : kEdits) {
        if (!GetEntry() || !IsTyped(id))
            continue;
        if (id == IDC_NOTES)
            OnNotes();
        else
            StoreAmounts(id == IDC_TOTAL);
    }
    return true;
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

#include "app/views/DVDBEItem.h"

#include "app/doc/BidDoc.h"
#include "app/firms/DBEItemGrid.h"
#include "app/firms/DBEItemSplitter.h"
#include "app/firms/FirmItemEntries.h"
#include "app/tree/NodeRef.h"
#include "app/views/FormTemplates.h"
#include "app/views/MoneyField.h"
#include "controls/views/ControlLayout.h"
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
#include "platform/ui/controls/Static.h"

IMPLEMENT_DYNCREATE(CDV_DBEItem, CDV)
IMPLEMENT_DYNCREATE(CDV_MBEItem, CDV_DBEItem)
IMPLEMENT_DYNCREATE(CDV_WBEItem, CDV_DBEItem)

namespace {

using namespace dlg;

constexpr DWORD kValue = SS_NOPREFIX | SS_SUNKEN | SS_CENTERIMAGE | SS_LEFTNOWORDWRAP;
constexpr DWORD kLabel = SS_NOPREFIX | SS_CENTERIMAGE;
constexpr DWORD kNumberEdit = ES_AUTOHSCROLL | ES_RIGHT;

const DialogItemTemplate kItemForm[] = {
    AutoCheckBox("Assign this item to this DBE", CDV_DBEItem::IDC_ASSIGN, 8, 6, 150, 12),
    AutoCheckBox("Multiple Participants", CDV_DBEItem::IDC_MULTIPLE, 232, 6, 90, 12),
    LText("Firm:", 0, 8, 24, 48, 12, kLabel),
    LText("", CDV_DBEItem::IDC_FIRM, 58, 24, 264, 12, kValue),
    LText("Line:", 0, 8, 40, 48, 12, kLabel),
    LText("", CDV_DBEItem::IDC_LINE, 58, 40, 50, 12, kValue),
    LText("Item:", 0, 116, 40, 22, 12, kLabel),
    LText("", CDV_DBEItem::IDC_ITEM_NUMBER, 140, 40, 80, 12, kValue),
    LText("Alt:", 0, 228, 40, 18, 12, kLabel),
    LText("", CDV_DBEItem::IDC_ALT_CODE, 248, 40, 74, 12, kValue),
    LText("Description:", 0, 8, 56, 48, 12, kLabel),
    LText("", CDV_DBEItem::IDC_DESCRIPTION, 58, 56, 264, 24, SS_NOPREFIX | SS_SUNKEN),
    LText("Quantity:", 0, 8, 86, 48, 12, kLabel),
    EditText(CDV_DBEItem::IDC_QUANTITY, 58, 86, 80, 12, kNumberEdit),
    LText("Unit:", 0, 146, 86, 22, 12, kLabel),
    LText("", CDV_DBEItem::IDC_UNIT, 170, 86, 50, 12, kValue),
    LText("Unit Price:", 0, 8, 102, 48, 12, kLabel),
    EditText(CDV_DBEItem::IDC_UNIT_PRICE, 58, 102, 80, 12, kNumberEdit),
    LText("Total:", 0, 146, 102, 22, 12, kLabel),
    EditText(CDV_DBEItem::IDC_TOTAL, 170, 102, 90, 12, kNumberEdit),
    CText("<Over Committed>", CDV_DBEItem::IDC_OVER_COMMITTED, 232, 86, 90, 12),
    LText("Notes:", 0, 8, 118, 48, 12, kLabel),
    EditText(CDV_DBEItem::IDC_NOTES, 58, 118, 264, 26, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN),
};
const DialogTemplate kItemFormTemplate{CDV_DBEItem::kTemplate, nullptr, 330, 150, kFormFace, kFormPointSize, kItemForm,
                                       std::size(kItemForm)};

// Second proposal flag word: the agency lets several firms share one item.
constexpr int kMultipleParticipantsAllowed = 6;

std::string Amount(const CProp& prop, double value, NumberFormatKind kind)
{
    const CNumberFormat& format = prop.m_numberFormats[kind];
    return FormatAmount(value, format.m_byWidth, format.m_byDecimals, true, prop.GetCurrencySymbol(0));
}

std::string Quantity(const CProp& prop, double value)
{
    const CNumberFormat& format = prop.m_numberFormats[NUMFMT_QUANTITY];
    return FormatDollars(value, format.m_byWidth, format.m_byDecimals, true, false);
}

} // namespace

BEGIN_MESSAGE_MAP(CDV_DBEItem, CDV)
    ON_EN_KILLFOCUS(CDV_DBEItem::IDC_QUANTITY, OnQuantityOrPrice)
    ON_EN_KILLFOCUS(CDV_DBEItem::IDC_UNIT_PRICE, OnQuantityOrPrice)
    ON_EN_KILLFOCUS(CDV_DBEItem::IDC_TOTAL, OnTotal)
    ON_EN_KILLFOCUS(CDV_DBEItem::IDC_NOTES, OnNotes)
    ON_BN_CLICKED(CDV_DBEItem::IDC_ASSIGN, OnAssign)
    ON_BN_CLICKED(CDV_DBEItem::IDC_MULTIPLE, OnMultiple)
END_MESSAGE_MAP()

CDV_DBEItem::CDV_DBEItem() : CDV_DBEItem(FIRM_DBE) {}
CDV_MBEItem::CDV_MBEItem() : CDV_DBEItem(FIRM_MBE) {}
CDV_WBEItem::CDV_WBEItem() : CDV_DBEItem(FIRM_WBE) {}

CDV_DBEItem::CDV_DBEItem(int firmKind) : CDV(RegisterFormTemplate(kItemFormTemplate)), m_iFirmKind(firmKind)
{
    SetControlLayout(IDC_DESCRIPTION, LAYOUT_STRETCH_RIGHT);
    SetControlLayout(IDC_NOTES, LAYOUT_STRETCH_RIGHT | LAYOUT_STRETCH_DOWN);
}

CProp* CDV_DBEItem::GetProp() const
{
    const auto* doc = dynamic_cast<CBidDoc*>(GetDocument());
    return doc ? doc->GetProp() : nullptr;
}

const CItem* CDV_DBEItem::GetItem() const
{
    const CProp* prop = GetProp();
    return prop && IsCommittableItem(*prop, m_iItem) ? prop->m_items.GetAt(m_iItem) : nullptr;
}

CDBEItem* CDV_DBEItem::GetEntry() const
{
    const CProp* prop = GetProp();
    return prop && GetItem() ? FindFirmItemEntry(*prop, m_iFirmKind, m_iFirm, m_iItem) : nullptr;
}

CDBEItemGrid* CDV_DBEItem::SplitterGrid() const
{
    const auto* splitter = dynamic_cast<const CDBEItemSplitter*>(GetParent());
    return splitter ? splitter->GetFirmItemGrid() : nullptr;
}

void CDV_DBEItem::TakeNode()
{
    if (CDBEItemGrid* grid = SplitterGrid()) {
        m_iFirm = m_iNodeIndex;
        m_iItem = grid->GetDataSource().ItemOfRow(grid->GetCurrentRow());
        return;
    }
    // A firm item node of the tree: the firm and the position of its entry.
    m_iFirm = FirmOfFirmItem(m_iNodeIndex);
    const CRowData* row = GetProp() ? GetFirmRow(*GetProp(), m_iFirmKind, m_iFirm) : nullptr;
    const CDBEItem* entry = row ? row->m_dbeItems.GetAtOrNull(ItemOfFirmItem(m_iNodeIndex)) : nullptr;
    m_iItem = entry ? entry->m_iNumber : -1;
}

void CDV_DBEItem::OnInitialUpdate()
{
    InitLayout();
    CDV::OnInitialUpdate();
    LayOutToClient(*this);
    CProp* prop = GetProp();
    if (!prop)
        return;
    TakeNode();
    for (int kind : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
        RebuildFirmItemLines(*prop, kind);
    GetDlgItem(IDC_MULTIPLE)->ShowWindow(TestFlagBit(prop->m_wFlags2, kMultipleParticipantsAllowed) ? SW_SHOW : SW_HIDE);
    const std::string name(GetDbeTypeName(m_iFirmKind));
    GetDlgItem(IDC_ASSIGN)->SetWindowText("Assign this item to this " + name);
    RefreshFirmItem();
}

void CDV_DBEItem::ShowFirmItem(int item)
{
    const CProp* prop = GetProp();
    m_iItem = prop && IsCommittableItem(*prop, item) ? item : -1;
    if (CDBEItem* entry = GetEntry()) {
        FollowSharing(*prop, *GetItem(), *entry);
        UpdateFirmItemState(*prop, m_iFirmKind, *GetItem(), *entry);
    }
    RefreshFirmItem();
}

void CDV_DBEItem::RefreshFirmItem()
{
    const CProp* prop = GetProp();
    const CItem* item = GetItem();
    if (!prop || !item) {
        ClearFields();
        return;
    }
    const CWinMeta* form = prop->GetDbeForm(m_iFirmKind);
    const CCellData* firmName = form ? form->GetCellById(m_iFirm, 0) : nullptr;
    GetDlgItem(IDC_FIRM)->SetWindowText(firmName ? firmName->m_strText : std::string());
    ShowItemFields(*prop, *item);
    const CDBEItem* entry = GetEntry();
    static_cast<CButton*>(GetDlgItem(IDC_ASSIGN))->SetCheck(entry ? BST_CHECKED : BST_UNCHECKED);
    GetDlgItem(IDC_ASSIGN)->EnableWindow(true);
    ShowEntryValues(*prop, *item, entry);
    ShowOverCommitted(entry);
}

void CDV_DBEItem::ClearFields()
{
    for (UINT id : {IDC_FIRM, IDC_LINE, IDC_ITEM_NUMBER, IDC_ALT_CODE, IDC_DESCRIPTION, IDC_UNIT})
        GetDlgItem(id)->SetWindowText("");
    for (UINT id : kEdits)
        ShowEditText(id, "");
    static_cast<CButton*>(GetDlgItem(IDC_ASSIGN))->SetCheck(BST_UNCHECKED);
    for (UINT id : {IDC_ASSIGN, IDC_MULTIPLE, IDC_QUANTITY, IDC_UNIT_PRICE, IDC_TOTAL, IDC_NOTES})
        GetDlgItem(id)->EnableWindow(false);
    GetDlgItem(IDC_OVER_COMMITTED)->ShowWindow(SW_HIDE);
}

void CDV_DBEItem::ShowEditText(UINT id, const std::string& text)
{
    if (id == IDC_UNIT_PRICE || id == IDC_TOTAL)
        ShowMoney(GetDlgItem(id), text);
    else
        GetDlgItem(id)->SetWindowText(text);
    m_shownTexts[id] = text;
}

void CDV_DBEItem::ShowItemFields(const CProp&, const CItem& item)
{
    GetDlgItem(IDC_LINE)->SetWindowText(item.m_strLineNum);
    GetDlgItem(IDC_ITEM_NUMBER)->SetWindowText(item.m_strItemNum);
    GetDlgItem(IDC_ALT_CODE)->SetWindowText(item.m_strAltCode);
    GetDlgItem(IDC_DESCRIPTION)->SetWindowText(item.m_strLongDesc);
}

void CDV_DBEItem::ShowEntryValues(const CProp& prop, const CItem& item, const CDBEItem* entry)
{
    double quantity = entry ? entry->m_dQuantity : prop.GetUncommittedQuantity(&item, m_iFirmKind);
    double price = entry ? entry->m_dUnitPrice : item.m_fUnitPrice;
    const double total = entry ? entry->m_dExtension : item.m_fExtension;
    std::string unit = item.m_strUnit;
    if (TestFlagBit(prop.m_wFlags, PROP_SHOW_ALT_UNITS)) {
        double factor = MakeEvalErrorValue();
        unit = FindUnitConversion(&item, factor);
        const bool convertible = IsEvalValueValid(factor) && factor != 0;
        quantity = convertible && IsEvalValueValid(quantity) ? quantity * factor : MakeEvalErrorValue();
        price = convertible && IsEvalValueValid(price) ? price / factor : MakeEvalErrorValue();
    }
    GetDlgItem(IDC_UNIT)->SetWindowText(unit);
    ShowEditText(IDC_QUANTITY, Quantity(prop, quantity));
    ShowEditText(IDC_UNIT_PRICE, Amount(prop, price, NUMFMT_UNIT_PRICE));
    ShowEditText(IDC_TOTAL, Amount(prop, total, NUMFMT_AMOUNT));
    ShowEditText(IDC_NOTES, entry ? entry->m_strNote : std::string());
    for (UINT id : kEdits) {
        static_cast<CEdit*>(GetDlgItem(id))->SetReadOnly(!entry);
        GetDlgItem(id)->EnableWindow(true);
    }
    auto* multiple = static_cast<CButton*>(GetDlgItem(IDC_MULTIPLE));
    const bool shared = IsSharedAmongFirms(prop, item);
    multiple->SetCheck(shared ? BST_CHECKED : BST_UNCHECKED);
    multiple->EnableWindow(entry != nullptr);
}

void CDV_DBEItem::ShowOverCommitted(const CDBEItem* entry)
{
    CWnd* note = GetDlgItem(IDC_OVER_COMMITTED);
    const uint16_t flags = entry ? entry->m_wEntryFlags : 0;
    const char* text = TestFlagBit(flags, DBEITEM_INVALID_QUANTITY) ? "<invalid quantity>"
                       : TestFlagBit(flags, DBEITEM_OVERCOMMITTED) || TestFlagBit(flags, DBEITEM_SINGLE_FIRM_OVER)
                           ? "<Qty over committed>"
                           : "<Price over committed>";
    note->SetWindowText(text);
    const bool shown = TestFlagBit(flags, DBEITEM_OVERCOMMITTED) || TestFlagBit(flags, DBEITEM_AMOUNT_OVER) ||
                       TestFlagBit(flags, DBEITEM_INVALID_QUANTITY) || TestFlagBit(flags, DBEITEM_SINGLE_FIRM_OVER);
    note->ShowWindow(shown ? SW_SHOW : SW_HIDE);
}

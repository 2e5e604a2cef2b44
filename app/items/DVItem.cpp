#include "app/items/DVItem.h"

#include "app/doc/BidDoc.h"
#include "app/frame/MainFrame.h"
#include "app/grids/ItemDisplay.h"
#include "app/grids/Refusal.h"
#include "app/items/ItemForms.h"
#include "app/items/StoredChange.h"
#include "app/tree/BidTreeView.h"
#include "app/views/MoneyField.h"
#include "app/views/NodeViews.h"
#include "model/check/CheckBid.h"
#include "model/check/Recalc.h"
#include "model/records/Prop.h"
#include "model/text/AmountText.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/Edit.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CDV_Item, CDV)

BEGIN_MESSAGE_MAP(CDV_Item, CDV)
    ON_EN_KILLFOCUS(CDV_Item::IDC_UNIT_PRICE, OnChangePrice)
    ON_EN_KILLFOCUS(CDV_Item::IDC_QUANTITY, OnChangeQuantity)
    ON_BN_CLICKED(CDV_Item::IDC_USE_IT, OnUseIt)
    ON_BN_CLICKED(CDV_Item::IDC_NEXT_ITEM, OnNextItem)
    ON_BN_CLICKED(CDV_Item::IDC_PREV_ITEM, OnPrevItem)
END_MESSAGE_MAP()

namespace {

constexpr std::size_t kMostTypedCharacters = 4096;
// Bit 4 of the display-format flags: "Use It" only for the option items among fixed-price ones.
constexpr int kUseItForOptionsOnly = 4;

CRect ChildRect(const CWnd& parent, UINT id)
{
    CRect rect;
    if (CWnd* child = parent.GetDlgItem(id)) {
        child->GetWindowRect(&rect);
        parent.ScreenToClient(&rect);
    }
    return rect;
}

void SetEditable(CWnd* edit, bool editable)
{
    if (auto* control = dynamic_cast<CEdit*>(edit)) {
        control->EnableWindow(editable);
        control->SetReadOnly(!editable);
    }
}

} // namespace

CDV_Item::CDV_Item() : CDV((RegisterItemForms(), IDD)) {}

CProp* CDV_Item::GetProp() const
{
    const auto* doc = dynamic_cast<const CBidDoc*>(GetDocument());
    return doc ? doc->GetProp() : nullptr;
}

CItem* CDV_Item::GetItem() const
{
    const CProp* prop = GetProp();
    return prop ? prop->m_items.GetAtOrNull(m_iNodeIndex) : nullptr;
}

void CDV_Item::OnInitialUpdate()
{
    CDV::OnInitialUpdate();
    m_rcDescription = ChildRect(*this, IDC_DESCRIPTION);
    m_rcPrevItem = ChildRect(*this, IDC_PREV_ITEM);
    m_rcNextItem = ChildRect(*this, IDC_NEXT_ITEM);
    // The view got its size before the places above were known.
    CRect client;
    GetClientRect(&client);
    OnSize(SIZE_RESTORED, client.Width(), client.Height());
    const CProp* prop = GetProp();
    const CItem* item = GetItem();
    if (prop && item && IsFixedPrice(*item) &&
        !(TestFlagBit(prop->m_wDisplayFormatFlags, kUseItForOptionsOnly) && !TestFlagBit(item->m_wFlags, ITEM_IS_OPTION)))
        if (CWnd* useIt = GetDlgItem(IDC_USE_IT))
            useIt->ShowWindow(SW_SHOW);
    ShowItem();
}

void CDV_Item::OnUpdate(CView* sender, LPARAM hint, void* hintObject)
{
    CDV::OnUpdate(sender, hint, hintObject);
    ShowItem();
}

void CDV_Item::ShowItem()
{
    const CProp* prop = GetProp();
    const CItem* item = GetItem();
    if (!prop || !item)
        return;
    const auto show = [this](UINT id, const std::string& text) {
        if (CWnd* control = GetDlgItem(id))
            control->SetWindowText(text);
    };
    const bool fixedPrice = IsFixedPrice(*item);
    m_strShownQuantity = ShownQuantityText(*prop, *item);
    m_strShownPrice = ShownUnitPriceText(*prop, *item);
    show(IDC_LINE, item->m_strLineNum);
    show(IDC_ITEM_NUMBER, item->m_strItemNum);
    show(IDC_DESCRIPTION, item->m_strLongDesc);
    show(IDC_ALTERNATE, item->m_strAltCode);
    show(IDC_UNIT, ShowItemValues(*prop, *item).unit);
    show(IDC_QUANTITY, m_strShownQuantity);
    ShowMoney(GetDlgItem(IDC_EXTENSION), ExtensionText(*prop, item->m_fExtension));
    ShowMoney(GetDlgItem(IDC_UNIT_PRICE), m_strShownPrice);
    // The bidder gives a quantity only where the agency gave none or left it open.
    SetEditable(GetDlgItem(IDC_QUANTITY), !fixedPrice && (MayEnterQuantity(*item) || item->m_fQuan == 0));
    SetEditable(GetDlgItem(IDC_UNIT_PRICE), !fixedPrice);
    if (CWnd* label = GetDlgItem(IDC_FIXED_PRICE))
        label->ShowWindow(fixedPrice ? SW_SHOW : SW_HIDE);
    if (auto* useIt = dynamic_cast<CButton*>(GetDlgItem(IDC_USE_IT)))
        useIt->SetCheck(TestFlagBit(item->m_wFlags, ITEM_FIXED_COUNTS_PRICED) ? BST_CHECKED : BST_UNCHECKED);
    if (CWnd* previous = GetDlgItem(IDC_PREV_ITEM))
        previous->EnableWindow(FindNextItem(*prop, m_iNodeIndex, -1) >= 0);
    if (CWnd* next = GetDlgItem(IDC_NEXT_ITEM))
        next->EnableWindow(FindNextItem(*prop, m_iNodeIndex, 1) >= 0);
}

template <class Reader, class Field>
void CDV_Item::StoreEntry(UINT editId, const std::string& shown, Reader read, Field field)
{
    CProp* prop = GetProp();
    CItem* item = GetItem();
    CWnd* edit = GetDlgItem(editId);
    if (!prop || !item || !edit)
        return;
    const std::string text = edit->GetWindowText().substr(0, kMostTypedCharacters);
    // Passed through unchanged, the shown text would only round the value again.
    if (text == shown)
        return;
    const TypedEntry entry = read(*prop, *item, text);
    if (entry.Refused()) {
        ShowItem();
        ShowRefusal(entry);
        return;
    }
    double& value = item->*field;
    if (CompareAmounts(&value, &entry.value) != 1)
        MarkDocumentChanged(*this);
    value = entry.value;
    AfterChange();
}

void CDV_Item::OnChangePrice()
{
    StoreEntry(IDC_UNIT_PRICE, m_strShownPrice, ReadItemPrice, &CItem::m_fUnitPrice);
}

void CDV_Item::OnChangeQuantity()
{
    StoreEntry(IDC_QUANTITY, m_strShownQuantity, ReadItemQuantity, &CItem::m_fQuan);
}

void CDV_Item::OnUseIt()
{
    CItem* item = GetItem();
    const auto* useIt = dynamic_cast<CButton*>(GetDlgItem(IDC_USE_IT));
    if (!item || !useIt)
        return;
    ChangeFlagBit(&item->m_wFlags, ITEM_FIXED_COUNTS_PRICED, useIt->GetCheck() == BST_CHECKED ? 1 : 0);
    MarkDocumentChanged(*this);
    AfterChange();
}

void CDV_Item::AfterChange()
{
    CProp* prop = GetProp();
    RecalcBidTotals(prop);
    ShowBidTotal(*prop);
    CheckBid(prop, false);
    ShowItem();
    RepaintTreeNow();
}

void CDV_Item::SelectItemNode(int step)
{
    const CProp* prop = GetProp();
    CBidTreeView* tree = GetMainTreeView();
    CMainFrame* frame = GetMainFrame();
    const int next = prop ? FindNextItem(*prop, m_iNodeIndex, step) : -1;
    if (!tree || next < 0)
        return;
    // Selecting the node replaces this view: nothing of it is used after.
    tree->SelectNode({NODE_ITEM, next});
    if (frame)
        frame->SetActiveView(tree);
    tree->SetFocus();
}

void CDV_Item::OnNextItem()
{
    SelectItemNode(1);
}

void CDV_Item::OnPrevItem()
{
    SelectItemNode(-1);
}

void CDV_Item::StoreFocusedEntry()
{
    const CWnd* focus = GetFocus();
    if (focus && focus == GetDlgItem(IDC_UNIT_PRICE))
        OnChangePrice();
    else if (focus && focus == GetDlgItem(IDC_QUANTITY))
        OnChangeQuantity();
}

bool CDV_Item::OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo)
{
    if (code == CN_COMMAND && !handlerInfo && !ActsOnTypedText(id))
        StoreFocusedEntry();
    return CDV::OnCmdMsg(id, code, extra, handlerInfo);
}

void CDV_Item::OnSize(UINT type, int cx, int cy)
{
    CDV::OnSize(type, cx, cy);
    if (m_rcDescription.IsRectEmpty())
        return;
    const CSize form = GetTotalSize();
    const int right = std::max(cx, int(form.cx));
    const int bottom = std::max(cy, int(form.cy));
    // The buttons keep their distance from the bottom right corner.
    const CPoint shift(right - int(form.cx), bottom - int(form.cy));
    for (const auto& [id, rect] : {std::pair{IDC_PREV_ITEM, m_rcPrevItem}, std::pair{IDC_NEXT_ITEM, m_rcNextItem}})
        if (CWnd* button = GetDlgItem(id))
            button->MoveWindow(rect.left + shift.x, rect.top + shift.y, rect.Width(), rect.Height());
    if (CWnd* description = GetDlgItem(IDC_DESCRIPTION))
        description->MoveWindow(m_rcDescription.left, m_rcDescription.top, m_rcDescription.Width() + shift.x,
                                m_rcDescription.Height() + shift.y);
}

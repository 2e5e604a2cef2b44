#include "app/forms/DVFirmList.h"

#include "app/doc/BidDoc.h"
#include "app/forms/FirmSummary.h"
#include "app/forms/FormFont.h"
#include "app/forms/FormLayout.h"
#include "app/tree/FirmForms.h"
#include "app/views/FormTemplates.h"
#include "app/views/TreeCommands.h"
#include "app/views/ViewBackgrounds.h"
#include "model/check/Recalc.h"
#include "model/records/Prop.h"
#include "model/text/Dates.h"
#include "platform/ui/controls/Static.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CDV_DBEList, CDV)
IMPLEMENT_DYNCREATE(CDV_MBEList, CDV_DBEList)
IMPLEMENT_DYNCREATE(CDV_WBEList, CDV_DBEList)

BEGIN_MESSAGE_MAP(CDV_DBEList, CDV)
    ON_BN_CLICKED(CDV_DBEList::IDC_ADD, OnAdd)
END_MESSAGE_MAP()

namespace {

enum : UINT {
    IDC_CONTRACT_LABEL = 1201,
    IDC_CALL_ORDER_LABEL = 1202,
    IDC_LETTING_DATE_LABEL = 1203,
    IDC_CONTRACT_ID = 1015,
    IDC_CALL_ORDER = 1016,
    IDC_LETTING_DATE = 1018,
    IDC_ENTRIES_LABEL = 1111,
    IDC_ENTRIES = 1038,
};

// Label and value, row by row.
constexpr std::pair<UINT, UINT> kRows[] = {
    {IDC_CONTRACT_LABEL, IDC_CONTRACT_ID},
    {IDC_CALL_ORDER_LABEL, IDC_CALL_ORDER},
    {IDC_LETTING_DATE_LABEL, IDC_LETTING_DATE},
    {IDC_ENTRIES_LABEL, IDC_ENTRIES},
};

constexpr int kBlockWidthChars = 55;
constexpr int kButtonWidthChars = 14;

using namespace dlg;

const DialogItemTemplate kListItems[] = {
    LText("Contract ID:", IDC_CONTRACT_LABEL, 7, 7, 70, 10),
    LText("", IDC_CONTRACT_ID, 80, 7, 160, 10, SS_NOPREFIX),
    LText("Call Order:", IDC_CALL_ORDER_LABEL, 7, 21, 70, 10),
    LText("", IDC_CALL_ORDER, 80, 21, 160, 10, SS_NOPREFIX),
    LText("Letting Date:", IDC_LETTING_DATE_LABEL, 7, 35, 70, 10),
    LText("", IDC_LETTING_DATE, 80, 35, 160, 10, SS_NOPREFIX),
    LText("DBE entries:", IDC_ENTRIES_LABEL, 7, 49, 70, 10),
    LText("", IDC_ENTRIES, 80, 49, 160, 10, SS_NOPREFIX),
    PushButton("ADD DBE", CDV_DBEList::IDC_ADD, 7, 150, 70, 14),
};
const DialogTemplate kListForm{135, nullptr, 260, 170, kFormFace, kFormPointSize, kListItems, std::size(kListItems)};

} // namespace

CDV_DBEList::CDV_DBEList() : CDV(RegisterFormTemplate(kListForm)) {}
CDV_DBEList::~CDV_DBEList() = default;

CProp* CDV_DBEList::GetProp() const
{
    const auto* doc = dynamic_cast<CBidDoc*>(GetDocument());
    return doc ? doc->GetProp() : nullptr;
}

void CDV_DBEList::OnInitialUpdate()
{
    CDV::OnInitialUpdate();
    CProp* prop = GetProp();
    const CWinMeta* form = prop ? prop->GetDbeForm(GetFirmType()) : nullptr;
    if (!form)
        return;
    CreateFormFontOf(form, m_formFont, 0, 500);
    GetCharSize(this, &m_formFont, m_iCharWidth, m_iCharHeight);
    for (CWnd* child : GetChildWindows())
        child->SetFont(&m_formFont, false);
    SetFont(&m_formFont, false);
    ShowValues(*prop, *form);
    LayoutLabels();
    BuildFirmSummary(this, m_block, &m_formFont, m_iCharWidth, m_iCharHeight, GetFirmType(), prop);
    RefreshFirmSummary(this, prop, GetFirmType());
    CWnd* add = GetDlgItem(IDC_ADD);
    const std::string name = FormFirmName(*form).empty() ? std::string(GetDbeTypeName(GetFirmType())) : FormFirmName(*form);
    add->SetWindowText("ADD " + name);
    add->ShowWindow(IsBidderDbe(*prop, GetFirmType()) ? SW_HIDE : SW_SHOW);
    CRect client;
    GetClientRect(&client);
    LayoutBlock(client.Width());
    ApplyConfiguredBackground(*this, false, ConfiguredTopColor());
}

void CDV_DBEList::ShowFigures()
{
    RefreshFirmSummary(this, GetProp(), GetFirmType());
}

void CDV_DBEList::ShowValues(const CProp& prop, const CWinMeta& form)
{
    GetDlgItem(IDC_CONTRACT_ID)->SetWindowText(prop.m_strContractId);
    GetDlgItem(IDC_CALL_ORDER)->SetWindowText(prop.m_strCallOrder);
    GetDlgItem(IDC_LETTING_DATE)->SetWindowText(FormatDate(prop.m_iLettingDate, 0));
    const std::string& title = FormListTitle(form);
    GetDlgItem(IDC_ENTRIES_LABEL)->SetWindowText(title.empty() ? std::string(GetDbeTypeName(GetFirmType())) + " entries:"
                                                               : title + ":");
    GetDlgItem(IDC_ENTRIES)->SetWindowText(std::to_string(form.m_rows.GetSize()));
}

// Labels in one column, their values in the next, one row a line and a half apart.
void CDV_DBEList::LayoutLabels()
{
    const int margin = FormMargin();
    int labelWidth = 0;
    for (const auto& [label, value] : kRows)
        labelWidth = std::max(labelWidth, int(GetTextExtentInWindow(GetDlgItem(label), GetDlgItem(label)->GetWindowText()).cx));
    labelWidth += m_iCharWidth; // the label's own margins
    const int rowHeight = m_iCharHeight * 3 / 2;
    int y = margin;
    for (const auto& [label, value] : kRows) {
        GetDlgItem(label)->MoveWindow(margin, y, labelWidth, rowHeight);
        GetDlgItem(value)->MoveWindow(margin + labelWidth + m_iCharWidth, y, 40 * m_iCharWidth, rowHeight);
        y += m_iCharHeight * 7 / 4;
    }
    m_iLabelsBottom = y;
}

void CDV_DBEList::LayoutBlock(int width)
{
    CWnd* add = GetDlgItem(IDC_ADD);
    if (m_block.empty() || !add)
        return;
    const int blockWidth = kBlockWidthChars * m_iCharWidth;
    const CPoint scroll = GetScrollPosition();
    LayoutFirmSummary(this, m_iLabelsBottom + m_iCharHeight - scroll.y, width, blockWidth);
    const int frameWidth = std::max(width, blockWidth + FormMargin());
    const CSize button(kButtonWidthChars * m_iCharWidth, m_iCharHeight * 7 / 4);
    const int top = GetFirmSummaryBottom(this) + m_iCharHeight;
    add->MoveWindow((frameWidth - button.cx) / 2, top, button.cx, button.cy);
    SetScrollSizes(MM_TEXT, CSize(blockWidth + FormMargin(), top + button.cy + FormMargin() + scroll.y));
}

void CDV_DBEList::OnSize(UINT type, int cx, int cy)
{
    CDV::OnSize(type, cx, cy);
    LayoutBlock(cx);
}

void CDV_DBEList::OnAdd()
{
    RouteToTreeView(resources::ID_ADD_DBE + UINT(GetFirmType() - 1), CN_COMMAND, nullptr);
}

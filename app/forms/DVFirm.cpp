#include "app/forms/DVFirm.h"

#include "app/forms/FirmSummary.h"
#include "app/forms/FormFont.h"
#include "app/forms/FormLayout.h"
#include "app/frame/MainFrame.h"
#include "app/tree/BidTreeView.h"
#include "app/tree/FirmForms.h"
#include "app/views/NodeViews.h"
#include "app/views/ViewBackgrounds.h"
#include "model/check/FormChecks.h"
#include "model/check/Recalc.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/Static.h"

IMPLEMENT_DYNCREATE(CDV_DBE, CDV_Template)
IMPLEMENT_DYNCREATE(CDV_MBE, CDV_DBE)
IMPLEMENT_DYNCREATE(CDV_WBE, CDV_DBE)

BEGIN_MESSAGE_MAP(CDV_DBE, CDV_Template)
    ON_BN_CLICKED(CDV_DBE::IDC_PREV, OnPrev)
    ON_BN_CLICKED(CDV_DBE::IDC_NEXT, OnNext)
END_MESSAGE_MAP()

namespace {

constexpr int kBlockWidthChars = 55;
constexpr int kStatusWidthChars = 35;
constexpr int kButtonWidthChars = 12;
constexpr int kButtonsRightChars = 50;
constexpr int kBoldDelta = 2;
constexpr int kBoldWeight = 700;

} // namespace

void CDV_DBE::CreateFormFont(CFont& font, int sizeDelta, int weight)
{
    CreateFormFontOf(GetTemplate(), font, sizeDelta, weight);
}

bool CDV_DBE::RefreshRecordState()
{
    CProp* prop = GetProp();
    if (!prop || !GetTemplate())
        return false;
    const int metBefore = IsDbeGoalMet(prop, GetFirmType());
    CalcDbeCommitment(*prop, GetFirmType());
    RefreshFirmView();
    return IsDbeGoalMet(prop, GetFirmType()) != metBefore;
}

void CDV_DBE::OnInitialUpdate()
{
    CDV_Template::OnInitialUpdate();
    CWinMeta* form = GetTemplate();
    if (!GetProp() || !form)
        return;
    if (TestFlagBit(form->m_wFlags, FORM_ROWS_HAVE_FIRM_ITEMS))
        if (CWnd* amount = GetFieldControl(form->GetColumnOfField(FIRM_FIELD_AMOUNT)))
            amount->EnableWindow(false); // the sum of the firm's items
    m_iFormHeight = GetTotalSize().cy;
    CreatedWindows block;
    BuildFirmSummary(this, block, &m_formFont, m_iCharWidth, m_iCharHeight, GetFirmType(), GetProp());
    for (auto& window : block)
        Own(std::move(window));
    CreateFormFont(m_boldFont, kBoldDelta, kBoldWeight);
    auto status = std::make_unique<CStatic>();
    status->Create(nullptr, "", WS_CHILD | WS_VISIBLE | SS_CENTER,
                   CRect(0, 0, kStatusWidthChars * m_iCharWidth, m_iLineHeight), this, IDC_STATUS);
    status->SetFont(&m_boldFont, false);
    Own(std::move(status));
    RefreshRecordState();
    const std::string name = FormFirmName(*form).empty() ? std::string(GetDbeTypeName(GetFirmType())) : FormFirmName(*form);
    const CSize button(kButtonWidthChars * m_iCharWidth, m_iCharHeight * 7 / 4);
    for (const auto& [id, label] : {std::pair{IDC_PREV, "Prev "}, std::pair{IDC_NEXT, "Next "}}) {
        auto made = std::make_unique<CButton>();
        made->Create(nullptr, (label + name).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                     CRect(CPoint(0, 0), button), this, id);
        made->SetFont(&m_formFont, false);
        Own(std::move(made));
    }
    CRect client;
    GetClientRect(&client);
    LayoutBelowForm(client.Width());
    ApplyConfiguredBackground(*this, false, ConfiguredTopColor());
    SelectFirm(GetCurrentIndex());
}

// The block under the form, the status line under the block, the buttons under that.
void CDV_DBE::LayoutBelowForm(int width)
{
    CWnd* status = GetDlgItem(IDC_STATUS);
    CWnd* prev = GetDlgItem(IDC_PREV);
    if (!status || !prev)
        return;
    const CPoint scroll = GetScrollPosition();
    const int blockWidth = kBlockWidthChars * m_iCharWidth;
    LayoutFirmSummary(this, m_iFormHeight + m_iCharHeight - scroll.y, width, blockWidth);
    const int frameWidth = std::max(width, blockWidth + FormMargin());
    const CRect statusRect = ControlRect(this, status);
    const int statusTop = GetFirmSummaryBottom(this) + m_iCharHeight / 2;
    status->MoveWindow((frameWidth - statusRect.Width()) / 2, statusTop, statusRect.Width(), statusRect.Height());
    const int buttonsTop = statusTop + statusRect.Height() + m_iCharHeight / 2;
    LayoutFormButtons(this, IDC_PREV, IDC_NEXT, kButtonsRightChars * m_iCharWidth, buttonsTop, false);
    const int bottom = buttonsTop + ControlRect(this, prev).Height() + FormMargin() + scroll.y;
    SetScrollSizes(MM_TEXT, CSize(std::max(int(GetFormExtent().right), blockWidth + FormMargin()), bottom));
}

void CDV_DBE::OnSize(UINT type, int cx, int cy)
{
    CDV_Template::OnSize(type, cx, cy);
    LayoutBelowForm(cx);
}

void CDV_DBE::SelectFirm(int index)
{
    const CWinMeta* form = GetTemplate();
    if (index != -1) {
        m_iNodeIndex = index;
        RefreshTemplateControls();
    }
    if (CWnd* prev = GetDlgItem(IDC_PREV))
        prev->EnableWindow(m_iNodeIndex > 0);
    if (CWnd* next = GetDlgItem(IDC_NEXT))
        next->EnableWindow(form && m_iNodeIndex + 1 < form->m_rows.GetSize());
    RefreshFirmView();
}

void CDV_DBE::RefreshFirmView()
{
    Invalidate();
    RefreshFirmSummary(this, GetProp(), GetFirmType());
    UpdateFirmStatus();
}

void CDV_DBE::UpdateFirmStatus()
{
    CWnd* status = GetDlgItem(IDC_STATUS);
    const CWinMeta* form = GetTemplate();
    if (!status || !form)
        return;
    std::string text;
    if (!form->IsRowComplete(GetCurrentIndex())) {
        const std::string& name = FormFirmName(*form);
        text = "< " + (name.empty() ? std::string(GetDbeTypeName(GetFirmType())) : name) + " RECORD IS INCOMPLETE >";
    }
    status->SetWindowText(text);
}

void CDV_DBE::StepFirm(int step)
{
    CBidTreeView* tree = GetMainTreeView();
    if (!tree)
        return;
    tree->SelectNode({NODE_DBE_FIRM + GetFirmType() - 1, GetCurrentIndex() + step});
    if (CMainFrame* frame = GetMainFrame())
        frame->SetActiveView(tree);
}

void CDV_DBE::OnPrev()
{
    StepFirm(-1);
}

void CDV_DBE::OnNext()
{
    StepFirm(1);
}

#include "app/views/DVProposal.h"

#include "app/doc/BidDoc.h"
#include "app/views/FormTemplates.h"
#include "app/views/MoneyField.h"
#include "controls/views/ControlLayout.h"
#include "model/check/CheckBid.h"
#include "model/files/Checksum.h"
#include "model/records/Prop.h"
#include "model/text/Dates.h"
#include "model/text/FlagWord.h"
#include "model/text/NumberFormat.h"
#include "platform/ui/controls/Static.h"

#include <algorithm>
#include <cstdio>

IMPLEMENT_DYNCREATE(CDV_Proposal, CDV)

namespace {

using namespace dlg;

enum : UINT {
    IDC_AGENCY_LABEL = 1137,
    IDC_LETTING_DATE_LABEL = 1138,
    IDC_CALL_ORDER_LABEL = 1139,
    IDC_CONTRACT_LABEL = 1140,
    IDC_COUNTY_LABEL = 1141,
    IDC_BIDDER_LABEL = 1142,
    IDC_PROJECT_LABEL = 1143,
    IDC_AGENCY = 1043,
    IDC_LETTING_DATE = 1018,
    IDC_CALL_ORDER = 1016,
    IDC_CONTRACT = 1015,
    IDC_DATE_GENERATED = 1021,
    IDC_DATE_REVISED = 1022,
    IDC_PROJECT = 1020,
    IDC_AMENDMENTS = 1024,
    IDC_BID_TOTAL = 1033,
    IDC_ITEM_TOTAL_LABEL = 1012,
    IDC_ITEM_TOTAL = 1034,
    IDC_TIME_TOTAL_LABEL = 1127,
    IDC_TIME_TOTAL = 1128,
    IDC_BID_TOTAL_LABEL = 1065,
};

constexpr DWORD kValue = SS_NOPREFIX | SS_LEFTNOWORDWRAP;
constexpr DWORD kTotalLabel = SS_NOPREFIX | SS_RIGHT | SS_CENTERIMAGE;
constexpr DWORD kTotal = SS_NOPREFIX | SS_RIGHT | SS_SUNKEN | SS_CENTERIMAGE;

const DialogItemTemplate kProposalItems[] = {
    LText("Agency:", IDC_AGENCY_LABEL, 7, 8, 62, 9),
    LText("", IDC_AGENCY, 72, 8, 128, 9, kValue),
    LText("Letting Date:", IDC_LETTING_DATE_LABEL, 7, 22, 62, 9),
    LText("", IDC_LETTING_DATE, 72, 22, 128, 9, kValue),
    LText("Call Order:", IDC_CALL_ORDER_LABEL, 7, 36, 62, 9),
    LText("", IDC_CALL_ORDER, 72, 36, 128, 9, kValue),
    LText("Contract ID:", IDC_CONTRACT_LABEL, 7, 50, 62, 9),
    LText("", IDC_CONTRACT, 72, 50, 128, 9, kValue),
    LText("County:", IDC_COUNTY_LABEL, 7, 64, 62, 9),
    LText("", CDV_Proposal::IDC_COUNTY, 72, 64, 128, 9, kValue),
    LText("Project ID:", IDC_PROJECT_LABEL, 7, 78, 62, 9),
    LText("", IDC_PROJECT, 72, 78, 128, 9, kValue),
    LText("Bidder ID:", IDC_BIDDER_LABEL, 210, 8, 62, 9),
    LText("", CDV_Proposal::IDC_BIDDER_ID, 275, 8, 110, 9, kValue),
    LText("Date Generated:", 0, 210, 22, 62, 9),
    LText("", IDC_DATE_GENERATED, 275, 22, 110, 9, kValue),
    LText("Date Revised:", 0, 210, 36, 62, 9),
    LText("", IDC_DATE_REVISED, 275, 36, 110, 9, kValue),
    LText("Amendments:", 0, 210, 50, 62, 9),
    LText("", IDC_AMENDMENTS, 275, 50, 110, 9, kValue),
    LText("Joint Zod:", 0, 210, 64, 62, 9),
    LText("", CDV_Proposal::IDC_JOINT_BID, 275, 64, 110, 9, kValue),
    LText("Check:", 0, 210, 78, 62, 9),
    LText("", CDV_Proposal::IDC_CHECKSUM, 275, 78, 110, 9, kValue),
    LText("Description:", 0, 7, 98, 62, 9),
    LText("", CDV_Proposal::IDC_DESCRIPTION, 7, 110, 378, 50, SS_NOPREFIX | SS_SUNKEN),
    LText("Zod total:", IDC_BID_TOTAL_LABEL, 210, 170, 62, 12, kTotalLabel),
    LText("", IDC_BID_TOTAL, 275, 170, 110, 12, kTotal),
    LText("Item total:", IDC_ITEM_TOTAL_LABEL, 210, 186, 62, 12, kTotalLabel),
    LText("", IDC_ITEM_TOTAL, 275, 186, 110, 12, kTotal),
    LText("Time total:", IDC_TIME_TOTAL_LABEL, 210, 202, 62, 12, kTotalLabel),
    LText("", IDC_TIME_TOTAL, 275, 202, 110, 12, kTotal),
};
const DialogTemplate kProposalForm{129, nullptr, 392, 222, kFormFace, kFormPointSize, kProposalItems,
                                   std::size(kProposalItems)};

// Label id and the reference-data text (1 to 8) that names it when the agency gives one.
constexpr std::pair<UINT, int> kAgencyLabels[] = {
    {IDC_AGENCY_LABEL, 1}, {IDC_COUNTY_LABEL, 2},       {IDC_BIDDER_LABEL, 3}, {IDC_LETTING_DATE_LABEL, 5},
    {IDC_CONTRACT_LABEL, 6}, {IDC_CALL_ORDER_LABEL, 7}, {IDC_PROJECT_LABEL, 8},
};

constexpr int kDateStyle = 4;

std::string Total(const CProp& prop, double value)
{
    const CNumberFormat& format = prop.m_numberFormats[NUMFMT_AMOUNT];
    return FormatAmount(value, format.m_byWidth, format.m_byDecimals, true, prop.GetCurrencySymbol(0));
}

std::string CountyText(const CProp& prop)
{
    switch (prop.m_counties.GetSize()) {
    case 0: return {};
    case 1: return prop.m_counties.GetAt(0) ? prop.m_counties.GetAt(0)->m_strCountyName : std::string();
    default: return "Multiple";
    }
}

} // namespace

CDV_Proposal::CDV_Proposal() : CDV(RegisterFormTemplate(kProposalForm))
{
    // The totals stay at the view's bottom; the description follows its width (OnSize).
    for (const UINT id : {IDC_BID_TOTAL_LABEL, IDC_BID_TOTAL, IDC_ITEM_TOTAL_LABEL, IDC_ITEM_TOTAL, IDC_TIME_TOTAL_LABEL,
                          IDC_TIME_TOTAL})
        SetControlLayout(id, LAYOUT_MOVE_DOWN);
}

CProp* CDV_Proposal::GetProp() const
{
    const auto* doc = dynamic_cast<CBidDoc*>(GetDocument());
    return doc ? doc->GetProp() : nullptr;
}

void CDV_Proposal::OnInitialUpdate()
{
    CDV::OnInitialUpdate();
    InitLayout();
    LayOutToClient(*this);
    if (const CProp* prop = GetProp())
        ShowLabels(*prop);
}

void CDV_Proposal::ShowLabels(const CProp& prop)
{
    for (const auto& [id, text] : kAgencyLabels)
        if (const std::string& label = prop.m_strReferenceData[size_t(text - 1)]; !label.empty())
            GetDlgItem(id)->SetWindowText(label);
}

void CDV_Proposal::ShowValues(const CProp& prop)
{
    const CBidderInfo* bidder = prop.m_pBidder.get();
    GetDlgItem(IDC_AGENCY)->SetWindowText(bidder ? bidder->Get(BIDDER_AGENCY_CODE) : std::string());
    GetDlgItem(IDC_BIDDER_ID)->SetWindowText(bidder ? bidder->Get(BIDDER_ID) : std::string());
    GetDlgItem(IDC_CONTRACT)->SetWindowText(prop.m_strContractId);
    GetDlgItem(IDC_CALL_ORDER)->SetWindowText(prop.m_strCallOrder);
    GetDlgItem(IDC_LETTING_DATE)->SetWindowText(FormatDate(prop.m_iLettingDate, kDateStyle));
    GetDlgItem(IDC_DATE_GENERATED)->SetWindowText(FormatDate(prop.m_iDateGenerated, kDateStyle));
    GetDlgItem(IDC_DATE_REVISED)->SetWindowText(FormatDate(prop.m_iDateRevised, kDateStyle));
    GetDlgItem(IDC_COUNTY)->SetWindowText(CountyText(prop));
    const bool severalProjects = prop.m_strProjectIds.find_first_of("\r\n") != std::string::npos;
    GetDlgItem(IDC_PROJECT)->SetWindowText(severalProjects ? "Multiple" : prop.m_strProjectIds);
    GetDlgItem(IDC_AMENDMENTS)->SetWindowText(std::to_string(prop.m_iAmendmentCount));
    ShowJointBid(prop);
    char checksum[16];
    std::snprintf(checksum, sizeof checksum, "%8.8lX", static_cast<unsigned long>(prop.m_dwStoredChecksum));
    GetDlgItem(IDC_CHECKSUM)->SetWindowText(checksum);
    std::string description = prop.m_strDescription;
    std::replace_if(description.begin(), description.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    GetDlgItem(IDC_DESCRIPTION)->SetWindowText(description);
    ShowMoney(GetDlgItem(IDC_BID_TOTAL), Total(prop, prop.m_dProposalTotal));
    // The items and time totals only where the sites' time is part of the bid.
    const bool timeInBid = TestFlagBit(prop.m_wFlags2, PROP2_TIME_COSTS_IN_BID) && !prop.m_sites.IsEmpty();
    for (const UINT id : {IDC_ITEM_TOTAL_LABEL, IDC_ITEM_TOTAL, IDC_TIME_TOTAL_LABEL, IDC_TIME_TOTAL})
        GetDlgItem(id)->ShowWindow(timeInBid ? SW_SHOW : SW_HIDE);
    if (timeInBid) {
        ShowMoney(GetDlgItem(IDC_ITEM_TOTAL), Total(prop, prop.m_dItemsTotal));
        ShowMoney(GetDlgItem(IDC_TIME_TOTAL), Total(prop, prop.m_dTimeTotal));
    }
}

void CDV_Proposal::ShowJointBid(const CProp& prop)
{
    const char* text = TestFlagBit(prop.m_wFlags, JOINT_BID) ? "Yes" : "No";
    if (CWnd* joint = GetDlgItem(IDC_JOINT_BID); joint && joint->GetWindowText() != text)
        joint->SetWindowText(text);
}

// The checksum too is computed again: it covers the prices and totals that changed.
void CDV_Proposal::ShowFigures()
{
    CProp* prop = GetProp();
    if (!prop)
        return;
    CheckBid(prop, false);
    prop->m_dwStoredChecksum = ComputeProposalChecksum(prop);
    ShowValues(*prop);
}

void CDV_Proposal::OnPaint()
{
    if (const CProp* prop = GetProp())
        ShowJointBid(*prop);
    CDV::OnPaint();
}

void CDV_Proposal::OnSize(UINT type, int cx, int cy)
{
    CDV::OnSize(type, cx, cy);
    FitDescription(cx);
}

// The description spans the pane with the form's margin on either side, so that its text wraps
// inside what the pane shows, however narrow; never narrower than the header's left column.
void CDV_Proposal::FitDescription(int paneWidth)
{
    CWnd* description = GetDlgItem(IDC_DESCRIPTION);
    const CWnd* column = GetDlgItem(IDC_AGENCY);
    if (!description || !column)
        return;
    CRect box, columnBox;
    description->GetWindowRect(&box);
    ScreenToClient(&box);
    column->GetWindowRect(&columnBox);
    ScreenToClient(&columnBox);
    const int scrolled = GetScrollPosition().x;
    const int margin = box.left + scrolled;
    const int right = std::max(paneWidth - margin - scrolled, columnBox.right);
    description->MoveWindow(box.left, box.top, right - box.left, box.Height());
}

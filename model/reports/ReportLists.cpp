#include "model/reports/ReportBuilder.h"

#include "model/check/FirmCommitments.h"
#include "model/check/Recalc.h"
#include "model/check/RecalcItems.h"
#include "model/records/Prop.h"
#include "model/reports/ReportPagedList.h"
#include "model/reports/TemplateRunner.h"
#include "model/text/FlagWord.h"

#include <algorithm>

namespace {

// Bit 0 of the proposal's report layout flags: every section starts a new page.
constexpr int kLayoutSectionPerPage = 0;

bool HasText(const CReportState& state, std::string_view name)
{
    return !IsPlateEmpty(FindReportTemplate(*state.m_pProp, name));
}

CListFrame FrameOf(const CReportState& state, std::string_view header, std::string_view labels)
{
    return {ReportTemplateName(state, header), {}, ReportTemplateName(state, labels),
            ReportTemplateName(state, "Report Footer")};
}

// The template names of the schedule of items, in the report's own form.
struct ProposalNames {
    std::string m_strHead, m_strSectionHead, m_strItem, m_strSectionTail, m_strTail;
};

std::vector<CReportPart> ProposalParts(const CReportState& state, const ProposalNames& names)
{
    const CProp& prop = *state.m_pProp;
    const bool quote = (state.m_uFlags & REPORT_IS_QUOTE) != 0;
    const bool sectionHeadCounts = HasText(state, names.m_strSectionHead);
    const bool sectionPerPage = TestFlagBit(prop.m_wDisplayFormatFlags, kLayoutSectionPerPage) != 0;
    std::vector<CReportPart> parts;
    parts.push_back({names.m_strHead});
    CReportPart position;
    for (int index = 0; index < prop.m_items.GetSize(); ++index) {
        const CItem* row = prop.m_items.GetAtOrNull(index);
        if (!row)
            continue;
        if (row->IsSection()) {
            if (position.m_iSection >= 0)
                parts.push_back({names.m_strSectionTail, position.m_iSection, -1, position.m_iSectionOrdinal});
            position.m_iSection = index;
            ++position.m_iSectionOrdinal;
            parts.push_back({names.m_strSectionHead, index, -1, position.m_iSectionOrdinal});
            parts.back().m_bCounts = sectionHeadCounts;
            parts.back().m_bNewPage = sectionPerPage;
            continue;
        }
        ++position.m_iItemOrdinal;
        // Items before the first section row are printed all the same, without a section.
        if (quote && !IsItemPriced(*row))
            continue;
        parts.push_back({names.m_strItem, position.m_iSection, index, position.m_iSectionOrdinal, position.m_iItemOrdinal});
        parts.back().m_iIndex = index;
        parts.back().m_bCounts = true;
    }
    if (position.m_iSection >= 0)
        parts.push_back({names.m_strSectionTail, position.m_iSection, -1, position.m_iSectionOrdinal});
    parts.push_back({names.m_strTail});
    return parts;
}

std::string FirmTemplateName(int type, std::string_view part)
{
    std::string name = "Report ";
    name += GetDbeTypeName(type);
    if (!part.empty())
        name += " " + std::string(part);
    return name;
}

struct FirmNames {
    explicit FirmNames(int type)
        : m_strFirm(FirmTemplateName(type, "")), m_strItemHeader(FirmTemplateName(type, "Item Header")),
          m_strItem(FirmTemplateName(type, "Item")), m_strItemTotals(FirmTemplateName(type, "Item Totals")),
          m_strTotals(FirmTemplateName(type, "Totals"))
    {
    }
    std::string m_strFirm, m_strItemHeader, m_strItem, m_strItemTotals, m_strTotals;
};

// A firm item naming no item row prints no line.
std::vector<CReportPart> FirmParts(const CProp& prop, const CWinMeta& form, const FirmNames& names)
{
    std::vector<CReportPart> parts;
    for (int row = 0; row < form.m_rows.GetSize(); ++row) {
        const CRowData* data = form.m_rows.GetAtOrNull(row);
        if (!data)
            continue;
        const auto part = [&](std::string_view name, int firmItem) {
            CReportPart firmPart{name};
            firmPart.m_iRow = row;
            firmPart.m_iFirmItem = firmItem;
            firmPart.m_iIndex = row;
            return firmPart;
        };
        parts.push_back(part(names.m_strFirm, -1));
        parts.push_back(part(names.m_strItemHeader, -1));
        for (int entry = 0; entry < data->m_dbeItems.GetSize(); ++entry)
            if (const CDBEItem* firmItem = data->m_dbeItems.GetAt(entry); firmItem && CommittedItem(prop, *firmItem))
                parts.push_back(part(names.m_strItem, entry));
        parts.push_back(part(names.m_strItemTotals, -1));
    }
    parts.push_back({names.m_strTotals});
    return parts;
}

} // namespace

void PrintProposalList(CReportState& state)
{
    const ProposalNames names{ReportTemplateName(state, "Report Proposal Head"),
                              ReportTemplateName(state, "Report Section Head"), ReportTemplateName(state, "Report Item"),
                              ReportTemplateName(state, "Report Section Tail"),
                              ReportTemplateName(state, "Report Proposal Tail")};
    // The proposal's first display-format number is how many items a page takes.
    const int itemsPerPage = std::max(0, state.m_pProp->m_iDisplayFormatNumbers[0]);
    RunPagedList(state, FrameOf(state, "Report Header", "Report List Labels"), ProposalParts(state, names), itemsPerPage);
}

void PrintSiteList(CReportState& state)
{
    const std::string head = ReportTemplateName(state, "Report Site List Head");
    const std::string site = ReportTemplateName(state, "Report Site");
    const std::string tail = ReportTemplateName(state, "Report Site List Tail");
    std::vector<CReportPart> parts{{head}};
    for (int index = 0; index < state.m_pProp->m_sites.GetSize(); ++index) {
        parts.push_back({site});
        parts.back().m_iSite = parts.back().m_iIndex = index;
    }
    parts.push_back({tail});
    RunPagedList(state, FrameOf(state, "Report Site Header", "Report Site List Labels"), parts, 0);
}

void PrintDbeList(CReportState& state, int type)
{
    CWinMeta* form = GetPropDbeForm(*state.m_pProp, type);
    if (!form || !IsDbeTypeActive(*state.m_pProp, type) || IsReportPastTargetPage(state))
        return;
    const FirmNames names(type);
    CListFrame frame{FirmTemplateName(type, "Header"), FirmTemplateName(type, "Start"),
                     FirmTemplateName(type, "List Labels"), "Report Footer"};
    // A form without firms has no list to label.
    if (form->m_rows.IsEmpty())
        frame.m_strLabels.clear();
    state.ClearPosition();
    state.m_iDbeType = type;
    state.m_pDbeForm = form;
    RunPagedList(state, frame, FirmParts(*state.m_pProp, *form, names), 0);
}

void PrintQuickListing(CReportState& state)
{
    const CProp& prop = *state.m_pProp;
    RunTemplate(state, "Quick Header");
    for (int index = 0; index < prop.m_items.GetSize() && !IsReportPastTargetPage(state); ++index) {
        const CItem* row = prop.m_items.GetAtOrNull(index);
        if (!row)
            continue;
        if (row->IsSection()) {
            state.m_iSection = index;
            ++state.m_iSectionOrdinal;
            RunTemplate(state, "Quick Section");
        } else {
            state.m_iItem = state.m_iIndex = index;
            ++state.m_iItemOrdinal;
            RunTemplate(state, "Quick Item");
        }
    }
    state.ClearPosition();
    RunTemplate(state, "Quick Proposal");
}

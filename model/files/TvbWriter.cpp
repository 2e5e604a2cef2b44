#include "model/files/TvbWriter.h"

#include "model/files/TvbFields.h"
#include "model/files/TvbFormat.h"
#include "model/records/Prop.h"

#include <algorithm>

namespace {

using Writer = CTvbRecordWriter;

void WriteHeader(CPropHeader& header, Writer& out)
{
    out.Group(TVB_HEADER);
    VisitHeaderFields(header, out);
}

// Always written: without a bidder record, with empty texts.
void WriteBidder(CProp& prop, Writer& out)
{
    CBidderInfo none;
    out.Group(TVB_BIDDER);
    VisitBidderFields(prop.m_pBidder ? *prop.m_pBidder : none, out);
}

void WriteFormats(CPropHeader& header, Writer& out)
{
    out.Group(TVB_DISPLAY_FORMATS);
    VisitDisplayFormatFields(header, out);
    out.Group(TVB_NUMBER_FORMATS);
    VisitNumberFormatFields(header, out);
}

void WritePickLists(const CStringArrayMap& lists, Writer& out)
{
    out.Count(TVB_PICK_LIST_COUNT, std::size_t(lists.GetCount()));
    for (const auto& [name, list] : lists) {
        out.Group(TVB_PICK_LIST);
        out.Text(TVB_PICK_LIST_NAME, name);
        out.Count(TVB_PICK_LIST_COUNT_OF_ENTRIES, std::size_t(list->GetSize()));
        for (const std::string& entry : *list)
            out.Text(TVB_PICK_LIST_ENTRY, entry);
    }
}

// One group per rule: the reader finds the bid cap by name and fills the rule named.
void WriteBidCaps(const CDataMap<CBidCap>& caps, Writer& out)
{
    for (const auto& [name, cap] : caps) {
        const int rules = std::clamp(cap->m_iRuleCount, 0, CBidCap::kMaxRules);
        for (int rule = 0; rule < rules; ++rule) {
            out.Group(TVB_BID_CAP);
            out.Text(TVB_BID_CAP_NAME, name);
            out.Long(TVB_BID_CAP_RULE, rule);
            out.Long(TVB_BID_CAP_RULE_COUNT, cap->m_iRuleCount);
            const std::pair<uint16_t, const std::string&> texts[] = {
                {TVB_BID_CAP_MINIMUM, cap->m_strMinimum[size_t(rule)]},
                {TVB_BID_CAP_MAXIMUM, cap->m_strMaximum[size_t(rule)]},
                {TVB_BID_CAP_MESSAGE, cap->m_strMessage[size_t(rule)]}};
            for (const auto& [tag, text] : texts)
                if (!text.empty())
                    out.Text(tag, text);
        }
    }
}

// The count says how many plates have flag bit 0 clear; every plate is written.
void WritePlates(const CDataMap<CPlate>& plates, Writer& out)
{
    out.Count(TVB_PLATE_COUNT, std::size_t(std::count_if(plates.begin(), plates.end(), [](const auto& entry) {
                  return !TestFlagBit(entry.second->m_wFlags, 0);
              })));
    for (const auto& [name, plate] : plates) {
        out.Group(TVB_PLATE);
        out.Text(TVB_PLATE_NAME, name);
        out.Text(TVB_PLATE_TEXT, plate->m_strText);
    }
}

} // namespace

int WriteTvbStream(CProp& prop, CTvbOutput& output, std::string* overflow)
{
    Writer out(output);
    out.Raw(kTvbMagic);
    out.Word(TVB_VERSION, kTvbVersion);
    WriteHeader(prop, out);
    WriteTvbList(out, TVB_COUNTY_COUNT, TVB_COUNTY, prop.m_counties, VisitCountyFields<Writer>);
    WriteTvbList(out, TVB_SITE_COUNT, TVB_SITE, prop.m_sites, VisitSiteFields<Writer>);
    WriteTvbList(out, TVB_NOTE_COUNT, TVB_NOTE, prop.m_notes, VisitNoteFields<Writer>);
    WriteBidder(prop, out);
    WriteFormats(prop, out);
    WriteTvbList(out, TVB_ITEM_COUNT, TVB_ITEM, prop.m_items, VisitItemFields<Writer>);
    WriteTvbForms(prop, out);
    WritePickLists(prop.m_referenceLists, out);
    WriteTvbList(out, TVB_OTHER_REPORT_COUNT, TVB_OTHER_REPORT, prop.m_otherReports, VisitOtherReportFields<Writer>);
    WriteBidCaps(prop.m_bidCaps, out);
    WritePlates(prop.m_plates, out);
    out.Group(TVB_END);
    const int result = out.Finish();
    if (overflow)
        *overflow = out.Overflow();
    return result;
}

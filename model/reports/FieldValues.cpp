#include "model/reports/FieldValues.h"

#include "model/check/BidErrors.h"
#include "model/records/Prop.h"
#include "model/reports/ReportState.h"
#include "model/text/FlagWord.h"

namespace {

CFieldValue Flag(uint16_t word, int bit)
{
    return CFieldValue::Number(TestFlagBit(word, bit));
}

CFieldValue ProposalText(const CProp& p, int location)
{
    switch (location) {
    case LOC_LETTING_ID: return CFieldValue::Text(p.m_strLettingId);
    case LOC_CALL_ORDER: return CFieldValue::Text(p.m_strCallOrder);
    case LOC_CONTRACT_ID: return CFieldValue::Text(p.m_strContractId);
    case LOC_CONTRACT_TYPE: return CFieldValue::Text(p.m_strContractType);
    case LOC_PROPOSAL_TYPE: return CFieldValue::Text(p.m_strProposalType);
    case LOC_PROPOSAL_WORK_TYPE: return CFieldValue::Text(p.m_strProposalWorkType);
    case LOC_HIGHWAY_NUMBER: return CFieldValue::Text(p.m_strHighwayNumber);
    case LOC_SPEC_YEAR: return CFieldValue::Text(p.m_strSpecYear);
    case LOC_CONTROLLING_PROJECT: return CFieldValue::Text(p.m_strControllingProject);
    case LOC_CONTROLLING_ROUTE: return CFieldValue::Text(p.m_strControllingRoute);
    case LOC_CONTROLLING_PCN: return CFieldValue::Text(p.m_strControllingPcn);
    case LOC_FUND_TYPE: return CFieldValue::Text(p.m_strFundType);
    case LOC_ALT_CONTRACT_ID: return CFieldValue::Text(p.m_strAltContractId);
    case LOC_LOCATION: return CFieldValue::Text(p.m_strLocation);
    case LOC_DESCRIPTION: return CFieldValue::Text(p.m_strDescription);
    case LOC_PROJECT_IDS: return CFieldValue::Text(p.m_strProjectIds);
    case LOC_PROJECT_WORK_TYPE: return CFieldValue::Text(p.m_strProjectWorkType);
    case LOC_ROAD_NAME: return CFieldValue::Text(p.m_strRoadName);
    case LOC_ROUTE: return CFieldValue::Text(p.m_strRoute);
    case LOC_SERIAL_NUMBER: return CFieldValue::Text(p.m_strSerialNumber);
    case LOC_AGENCY_ID: return CFieldValue::Text(p.m_strAgencyId);
    default:
        if (location >= LOC_GENERIC_TEXT_1 && location <= LOC_GENERIC_TEXT_5)
            return CFieldValue::Text(p.m_strGenericTexts[std::size_t(location - LOC_GENERIC_TEXT_1)]);
        return CFieldValue::Missing();
    }
}

CFieldValue ProposalValue(const CProp& p, const CTemplateFieldDef& row)
{
    switch (row.m_iLocation) {
    case LOC_LETTING_DATE: return CFieldValue::Number(p.m_iLettingDate);
    case LOC_DATE_GENERATED: return CFieldValue::Number(p.m_iDateGenerated);
    case LOC_DATE_REVISED: return CFieldValue::Number(p.m_iDateRevised);
    case LOC_PROPOSAL_TOTAL: return CFieldValue::Number(p.m_dProposalTotal);
    case LOC_ITEMS_TOTAL: return CFieldValue::Number(p.m_dItemsTotal);
    case LOC_TIME_TOTAL: return CFieldValue::Number(p.m_dTimeTotal);
    case LOC_GENERIC_NUMBER_1:
    case LOC_GENERIC_NUMBER_2:
    case LOC_GENERIC_NUMBER_3:
        return CFieldValue::Number(p.m_dGenericNumbers[std::size_t(row.m_iLocation - LOC_GENERIC_NUMBER_1)]);
    case LOC_AMENDMENT_COUNT: return CFieldValue::Number(uint32_t(p.m_iAmendmentCount));
    // The bid checksum as the proposal stores it; a fresh computation belongs here once the
    // proposal checksum exists.
    case LOC_STORED_CHECKSUM: return CFieldValue::Number(p.m_dwStoredChecksum);
    case LOC_FLAGS: return Flag(p.m_wFlags, row.m_iExtra);
    case LOC_FLAGS2: return Flag(p.m_wFlags2, row.m_iExtra);
    case LOC_GENERIC_FLAGS: return Flag(p.m_wGenericFlags, row.m_iExtra);
    default: return ProposalText(p, row.m_iLocation);
    }
}

CFieldValue ItemValue(const CItem& item, const CTemplateFieldDef& row)
{
    switch (row.m_iLocation) {
    case LOC_LINE_NUMBER: return CFieldValue::Text(item.m_strLineNum);
    case LOC_ALT_CODE: return CFieldValue::Text(item.m_strAltCode);
    case LOC_ITEM_NUMBER: return CFieldValue::Text(item.m_strItemNum);
    case LOC_QUANTITY: return CFieldValue::Number(item.m_fQuan);
    case LOC_UNIT: return CFieldValue::Text(item.m_strUnit);
    case LOC_UNIT_PRICE: return CFieldValue::Number(item.m_fUnitPrice);
    case LOC_EXTENSION: return CFieldValue::Number(item.m_fExtension);
    case LOC_SHORT_DESC: return CFieldValue::Text(item.m_strShortDesc);
    case LOC_LONG_DESC: return CFieldValue::Text(item.m_strLongDesc);
    case LOC_ITEM_FLAGS: return Flag(item.m_wFlags, row.m_iExtra);
    default: return CFieldValue::Missing();
    }
}

CFieldValue SiteValue(const CSite& site, const CTemplateFieldDef& row)
{
    switch (row.m_iLocation) {
    case LOC_SITE_NUMBER: return CFieldValue::Text(site.m_strSiteNumber);
    case LOC_SITE_TYPE_DAYS: return CFieldValue::Text(site.m_strTypeOfDays);
    case LOC_SITE_DESCRIPTION: return CFieldValue::Text(site.m_strDescription);
    case LOC_SITE_START: return CFieldValue::Number(site.m_iStartDate);
    case LOC_SITE_END: return CFieldValue::Number(site.m_iEndDate);
    case LOC_SITE_DAMAGES: return CFieldValue::Number(site.m_dDamages);
    case LOC_SITE_ROAD_COST: return CFieldValue::Number(site.m_dRoadCostPerDay);
    case LOC_SITE_TOTAL: return CFieldValue::Number(site.m_dSiteTotal);
    case LOC_SITE_FLAGS: return Flag(site.m_wFlags, row.m_iExtra);
    default: return CFieldValue::Missing();
    }
}

CFieldValue NoteValue(const CNote& note, const CTemplateFieldDef& row)
{
    switch (row.m_iLocation) {
    case LOC_NOTE_NUMBER: return CFieldValue::Number(uint32_t(note.m_iAmendmentNumber));
    case LOC_NOTE_DATE: return CFieldValue::Number(note.m_iAmendmentDate);
    case LOC_NOTE_DESCRIPTION: return CFieldValue::Text(note.m_strDescription);
    default: return CFieldValue::Missing();
    }
}

CFieldValue CountyValue(const CCounty& county, const CTemplateFieldDef& row)
{
    return CFieldValue::Text(row.m_iLocation == LOC_COUNTY_ID ? county.m_strCountyId : county.m_strCountyName);
}

CFieldValue BidderValue(const CProp& prop, const CTemplateFieldDef& row)
{
    if (!prop.m_pBidder || row.m_iLocation < 0 || row.m_iLocation >= BIDDER_TEXT_COUNT)
        return CFieldValue::Missing();
    return CFieldValue::Text(prop.m_pBidder->Get(BidderText(row.m_iLocation)));
}

const CDBEItem* CurrentFirmItem(const CReportState& state)
{
    return state.m_pDbeForm ? state.m_pDbeForm->GetRowDbeItem(state.m_iRow, state.m_iFirmItem) : nullptr;
}

CFieldValue FirmItemValue(const CReportState& state, const CTemplateFieldDef& row)
{
    const CDBEItem* entry = CurrentFirmItem(state);
    if (!entry)
        return CFieldValue::Missing();
    switch (row.m_iLocation) {
    case LOC_FIRM_QUANTITY: return CFieldValue::Number(entry->m_dQuantity);
    case LOC_FIRM_UNIT_PRICE: return CFieldValue::Number(entry->m_dUnitPrice);
    case LOC_FIRM_EXTENSION: return CFieldValue::Number(entry->m_dExtension);
    case LOC_FIRM_NOTE: return CFieldValue::Text(entry->m_strNote);
    default: break;
    }
    // The item's own fields come from the proposal item it names (an index from the file).
    const CItem* item = GetReportRow(state, entry->m_iNumber, false);
    return item ? ItemValue(*item, row) : CFieldValue::Missing();
}

bool IsSiteComputed(int id)
{
    return id == FIELD_SITE_NUMBER_DAYS || id == FIELD_SITE_ESTIMATED_DAYS;
}

} // namespace

CFieldValue CFieldValue::Text(std::string_view text)
{
    CFieldValue value;
    value.m_bPresent = true;
    value.m_text = text;
    return value;
}

CFieldValue CFieldValue::OwnedText(std::string text)
{
    CFieldValue value;
    value.m_bPresent = true;
    value.m_bOwned = true;
    value.m_strOwned = std::move(text);
    return value;
}

CFieldValue CFieldValue::Number(double number)
{
    CFieldValue value;
    value.m_bPresent = true;
    value.m_dNumber = number;
    return value;
}

const CItem* GetReportRow(const CReportState& state, int index, bool section)
{
    const CItem* row = state.m_pProp ? state.m_pProp->m_items.GetAtOrNull(index) : nullptr;
    return row && row->IsSection() == section ? row : nullptr;
}

// The report's current site, else record `record` of the list.
const CSite* GetReportSite(const CReportState& state, int record)
{
    return state.m_pProp ? state.m_pProp->m_sites.GetAtOrNull(state.m_iSite >= 0 ? state.m_iSite : record) : nullptr;
}

int GetFieldRecordCount(const CReportState& state, const CTemplateFieldDef& row, int id, int firmType)
{
    if (!state.m_pProp)
        return -1;
    const CProp& prop = *state.m_pProp;
    if (row.m_iKind == FK_SITE || IsSiteComputed(id))
        return state.m_iSite >= 0 ? -1 : prop.m_sites.GetSize();
    switch (row.m_iKind) {
    case FK_AMENDMENT: return prop.m_notes.GetSize();
    case FK_COUNTY: return prop.m_counties.GetSize();
    case FK_ERROR_LINE: return int(GetBidErrorList().size());
    case FK_FIRM_FORM: {
        const CWinMeta* form = FirmFormOfField(state, firmType);
        return state.m_iRow >= 0 || !form ? -1 : form->m_rows.GetSize();
    }
    default: return -1;
    }
}

CFieldValue FetchFieldValue(const CReportState& state, const CTemplateFieldDef& row, int id, int firmType,
                            int record)
{
    if (!state.m_pProp)
        return CFieldValue::Missing();
    const CProp& prop = *state.m_pProp;
    switch (row.m_iKind) {
    case FK_PROPOSAL: return ProposalValue(prop, row);
    case FK_BIDDER: return BidderValue(prop, row);
    case FK_SECTION: {
        const CItem* section = GetReportRow(state, state.m_iSection, true);
        return section ? ItemValue(*section, row) : CFieldValue::Missing();
    }
    case FK_ITEM: {
        const CItem* item = GetReportRow(state, state.m_iItem, false);
        return item ? ItemValue(*item, row) : CFieldValue::Missing();
    }
    case FK_SITE: {
        const CSite* site = GetReportSite(state, record);
        return site ? SiteValue(*site, row) : CFieldValue::Missing();
    }
    case FK_AMENDMENT: {
        const CNote* note = prop.m_notes.GetAtOrNull(record);
        return note ? NoteValue(*note, row) : CFieldValue::Missing();
    }
    case FK_COUNTY: {
        const CCounty* county = prop.m_counties.GetAtOrNull(record);
        return county ? CountyValue(*county, row) : CFieldValue::Missing();
    }
    case FK_FIRM_ITEM: return FirmItemValue(state, row);
    case FK_ERROR_LINE: {
        const std::vector<CBidError>& errors = GetBidErrorList();
        if (record < 0 || std::size_t(record) >= errors.size())
            return CFieldValue::Missing();
        return CFieldValue::Text(errors[std::size_t(record)].m_strText);
    }
    case FK_COMPUTED: return FetchComputedValue(state, id, record);
    default: return FetchFormFieldValue(state, row, id, firmType, record);
    }
}

#include "model/amend/AmendmentResult.h"
#include "model/amend/ChangeLog.h"
#include "model/amend/FieldExchange.h"
#include "model/amend/FirmItemFollower.h"
#include "model/amend/FormAmendment.h"
#include "model/amend/ItemPlacement.h"
#include "model/amend/RemovedEntries.h"
#include "model/amend/StagedChange.h"
#include "model/records/Prop.h"
#include "model/records/RecordText.h"
#include "model/text/Dates.h"
#include "model/text/FlagWord.h"

#include <string>
#include <vector>

namespace {

constexpr const char* kContractIdMatch = "ContID";
// The proposal flags that hold the bidder's answers, not the agency's.
constexpr int kBidderFlagBits[] = {JOINT_BID, PROP_SHOW_ALT_UNITS};

unsigned ExchangeLabelled(std::string& mine, std::string& theirs, const char* label)
{
    return SwapAndLogString(mine, theirs, LOG_PROPOSAL_DATA, label);
}

} // namespace

int CheckAmendmentFits(const CProp& prop, const CProp& amendment)
{
    if (amendment.m_iAmendmentCount == 0 || !TestFlagBit(amendment.m_wFlags, PROP_IS_AMENDMENT))
        return AMEND_NOT_AN_AMENDMENT;
    const bool sameProposal =
        prop.m_strAmendmentMatchKey == kContractIdMatch
            ? prop.m_strContractId == amendment.m_strContractId
            : prop.m_strCallOrder == amendment.m_strCallOrder &&
                  DaysBetween(prop.m_iLettingDate, amendment.m_iLettingDate, false) == 0;
    if (!sameProposal)
        return AMEND_OTHER_PROPOSAL;
    // 64 bits: a count from a file may sit at the top of its range.
    const int64_t expected = int64_t(prop.m_iAmendmentCount) + 1;
    if (expected > amendment.m_iAmendmentCount)
        return AMEND_ALREADY_APPLIED;
    if (expected < amendment.m_iAmendmentCount)
        return AMEND_OUT_OF_ORDER;
    return AMEND_NO_ERROR;
}

namespace {

void ExchangeHeaderNumbersAndTexts(CProp& p, CProp& a)
{
    ExchangeAndLogInt(p.m_iProposalNumber, a.m_iProposalNumber);
    for (size_t i = 0; i < p.m_iHeaderNumbers.size(); ++i)
        ExchangeAndLogInt(p.m_iHeaderNumbers[i], a.m_iHeaderNumbers[i]);
    ExchangeAndLogInt(p.m_iAmendmentCount, a.m_iAmendmentCount);
    ExchangeAndLogDouble(p.m_dBondAmount, a.m_dBondAmount, LOG_PROPOSAL_DATA, "Bond Amount");
    for (size_t i = 0; i < p.m_dGenericNumbers.size(); ++i)
        ExchangeAndLogDouble(p.m_dGenericNumbers[i], a.m_dGenericNumbers[i]);
    ExchangeAndLogInt(p.m_iLettingDate, a.m_iLettingDate, LOG_PROPOSAL_DATA, "Letting Date");
    ExchangeLabelled(p.m_strLettingId, a.m_strLettingId, "Letting ID");
    ExchangeLabelled(p.m_strCallOrder, a.m_strCallOrder, "Call Order");
    ExchangeLabelled(p.m_strAltContractId, a.m_strAltContractId, "Alt Contract ID");
    ExchangeLabelled(p.m_strLocation, a.m_strLocation, "Location");
    ExchangeLabelled(p.m_strShortDescription, a.m_strShortDescription, "Short Description");
    ExchangeLabelled(p.m_strDescription, a.m_strDescription, "Description");
    ExchangeLabelled(p.m_strContractType, a.m_strContractType, "Contract Type");
    ExchangeLabelled(p.m_strProposalType, a.m_strProposalType, "Type");
    ExchangeLabelled(p.m_strHighwayNumber, a.m_strHighwayNumber, "Highway Number");
    SwapAndLogString(p.m_strControllingProject, a.m_strControllingProject);
    SwapAndLogString(p.m_strControllingRoute, a.m_strControllingRoute);
    SwapAndLogString(p.m_strFundType, a.m_strFundType);
    ExchangeLabelled(p.m_strProjectIds, a.m_strProjectIds, "Project ID's");
    ExchangeLabelled(p.m_strRoadName, a.m_strRoadName, "Road Name");
    ExchangeLabelled(p.m_strRoute, a.m_strRoute, "Route");
    ExchangeLabelled(p.m_strSerialNumber, a.m_strSerialNumber, "Serial Number");
    ExchangeLabelled(p.m_strAgencyId, a.m_strAgencyId, "Agency ID");
    static const char* const submitLabels[] = {"Submit URL", "Submit URL #2", "Submit URL #3", "Submit URL #4"};
    for (size_t i = 0; i < p.m_strSubmitUrls.size(); ++i)
        ExchangeLabelled(p.m_strSubmitUrls[i], a.m_strSubmitUrls[i], submitLabels[i]);
    static const char* const bondLabels[] = {"Bond Check URL", "Bond Check URL #2"};
    for (size_t i = 0; i < p.m_strBondCheckUrls.size(); ++i)
        ExchangeLabelled(p.m_strBondCheckUrls[i], a.m_strBondCheckUrls[i], bondLabels[i]);
    for (size_t i = 0; i < p.m_iDisplayFormatNumbers.size(); ++i)
        ExchangeAndLogInt(p.m_iDisplayFormatNumbers[i], a.m_iDisplayFormatNumbers[i]);
    ExchangeAndLogInt(p.m_iMaxAttachmentSize, a.m_iMaxAttachmentSize, LOG_PROPOSAL_DATA,
                      "Maximum Attachment Size");
    ExchangeAndLogInt(p.m_iMaxTotalAttachmentSize, a.m_iMaxTotalAttachmentSize, LOG_PROPOSAL_DATA,
                      "Maximum Total Attachment Size");
}

void ExchangeFormats(CProp& p, CProp& a)
{
    unsigned numberFormats = 0;
    for (size_t i = 0; i < p.m_numberFormats.size(); ++i) {
        numberFormats += ExchangeAndLogByte(p.m_numberFormats[i].m_byWidth, a.m_numberFormats[i].m_byWidth);
        numberFormats += ExchangeAndLogByte(p.m_numberFormats[i].m_byDecimals, a.m_numberFormats[i].m_byDecimals);
    }
    LogIfChanged(numberFormats, "Number Formats");

    ExchangeAndLogWord(p.m_wDisplayFormatNumber, a.m_wDisplayFormatNumber);
    ExchangeAndLogWord(p.m_wDisplayFormatFlags, a.m_wDisplayFormatFlags);
    ExchangeAndLogWord(p.m_wNumberFormatFlags, a.m_wNumberFormatFlags);
    unsigned displayFormats = 0;
    for (size_t i = 0; i < p.m_strDisplayFormats.size(); ++i)
        displayFormats += SwapAndLogString(p.m_strDisplayFormats[i], a.m_strDisplayFormats[i]);
    LogIfChanged(displayFormats, "Display Formats");
}

void ExchangeFlagsAndReferenceTexts(CProp& p, CProp& a)
{
    ExchangeAndLogWord(p.m_wFlags, a.m_wFlags);
    // Swapping the bits back leaves the proposal with the bidder's answers.
    for (int bit : kBidderFlagBits)
        ExchangeAndLogFlag(p.m_wFlags, a.m_wFlags, bit);
    ExchangeAndLogWord(p.m_wFlags2, a.m_wFlags2);
    ExchangeAndLogWord(p.m_wGenericFlags, a.m_wGenericFlags);
    // Reference text 1 is the bidder's side of the data and stays.
    for (int text : {7, 5, 6, 8, 2, 3, 4})
        SwapAndLogString(p.m_strReferenceData[size_t(text - 1)], a.m_strReferenceData[size_t(text - 1)]);
    for (auto [mine, theirs] : {std::pair{&p.m_strControllingPcn, &a.m_strControllingPcn},
                                {&p.m_strSpecYear, &a.m_strSpecYear},
                                {&p.m_strAfterSpecYear, &a.m_strAfterSpecYear},
                                {&p.m_strProposalWorkType, &a.m_strProposalWorkType},
                                {&p.m_strProjectWorkType, &a.m_strProjectWorkType}})
        SwapAndLogString(*mine, *theirs);
    for (size_t i = 0; i < p.m_strGenericTexts.size(); ++i)
        SwapAndLogString(p.m_strGenericTexts[i], a.m_strGenericTexts[i]);
    for (size_t i = 0; i < p.m_strFurtherReferences.size(); ++i)
        SwapAndLogString(p.m_strFurtherReferences[i], a.m_strFurtherReferences[i]);
    ChangeFlagBit(&p.m_wFlags, PROP_IS_AMENDMENT, 0);
    ChangeFlagBit(&p.m_wFlags, PROP_CHANGED, 0);
}

void ExchangeReferenceLists(CProp& p, CProp& a)
{
    p.m_referenceLists.SwapContents(a.m_referenceLists);
    p.m_referenceLists.StripUnchangedMarkers();
    if (p.m_referenceLists.HasDifferences(a.m_referenceLists))
        LogAmendmentChange("Reference Data", LOG_PROPOSAL_DATA);
}

void ExchangeLists(CProp& p, CProp& a)
{
    LogIfChanged(p.m_counties.ExchangeWithLog(a.m_counties), "County Information");
    const std::vector<BidderSiteDays> siteDays = TakeBidderSiteDays(p.m_sites);
    LogIfChanged(p.m_sites.ExchangeWithLog(a.m_sites), "Site Information");
    LogReplacedSiteDays(siteDays, p.m_sites);
    LogIfChanged(p.m_notes.ExchangeWithLog(a.m_notes), "Addendum Note Information");
    LogIfChanged(p.m_otherReports.ExchangeWithLog(a.m_otherReports), "Report Formats");
    LogIfChanged(p.m_bidCaps.ExchangeWithLog(a.m_bidCaps), "Zod Caps");
    LogIfChanged(p.m_plates.ExchangeWithLog(a.m_plates), "Report Formats");
}

// What an addendum note says; a note counts as brought by an amendment when this changes.
struct NoteText {
    int32_t m_iNumber = 0;
    int32_t m_iDate = 0;
    std::string m_strDescription;

    bool operator==(const NoteText&) const = default;
};

std::vector<NoteText> NoteTexts(const CDataArray<CNote>& notes)
{
    std::vector<NoteText> texts;
    for (const auto& note : notes)
        texts.push_back(note ? NoteText{note->m_iAmendmentNumber, note->m_iAmendmentDate, note->m_strDescription}
                             : NoteText{});
    return texts;
}

// Only the notes this amendment added or changed, last first: the notes of earlier amendments
// stay in the list but were shown when those were applied, in this batch or an earlier one.
void LogAddendumNotes(const CProp& p, const std::vector<NoteText>& before)
{
    const std::vector<NoteText> after = NoteTexts(p.m_notes);
    for (size_t i = after.size(); i-- > 0;) {
        const NoteText& note = after[i];
        if (!note.m_strDescription.empty() && (i >= before.size() || before[i] != note))
            LogAmendmentChange(FormatDate(note.m_iDate, 4) + ": " + note.m_strDescription, LOG_ADDENDUM_NOTES);
    }
}

// The marks with which the amendment flagged its changed sites and forms are the amendment's
// own; left on the proposal they would make the next amendment report them as changed again.
void ClearChangeMarks(CProp& p)
{
    for (const auto& site : p.m_sites)
        if (site)
            ChangeFlagBit(&site->m_wFlags, SITE_CHANGED, 0);
    for (CWinMeta* form : {p.m_pDbeForm.get(), p.m_pMbeForm.get(), p.m_pWbeForm.get(), p.m_pBondForm.get()})
        if (form)
            ChangeFlagBit(&form->m_wFlags, FORM_FIELDS_CHANGED, 0);
    for (const auto& form : p.m_miscForms)
        if (form)
            ChangeFlagBit(&form->m_wFlags, FORM_FIELDS_CHANGED, 0);
}

void ApplyAmendment(CProp& p, CProp& a)
{
    ExchangeHeaderNumbersAndTexts(p, a);
    ExchangeFormats(p, a);
    ExchangeFlagsAndReferenceTexts(p, a);
    ExchangeReferenceLists(p, a);
    p.m_iDateRevised = a.m_iDateRevised != 0 ? a.m_iDateRevised : a.m_iDateGenerated;
    ExchangeAgencyForms(p, a);
    CFirmItemFollower follower(p);
    p.m_items.ApplyItemChanges(a.m_items, &follower);
    const std::vector<NoteText> notesBefore = NoteTexts(p.m_notes);
    ExchangeLists(p, a);
    ClearChangeMarks(p);
    LogAddendumNotes(p, notesBefore);
}

} // namespace

unsigned CProp::ExchangeWithLog(CProp& amendment)
{
    if (&amendment == this)
        return AMEND_ALREADY_APPLIED;
    if (const int refusal = CheckAmendmentFits(*this, amendment))
        return unsigned(refusal);
    // The one way a fitting amendment fails, found before the first change: then applying in
    // place cannot leave the proposal half amended.
    if (!CanPlaceNewRows(m_items, amendment.m_items))
        throw CAmendmentError(kNoInsertPosition);
    ApplyAmendment(*this, amendment);
    return AMEND_NO_ERROR;
}

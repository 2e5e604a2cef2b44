#include "model/amend/AmendmentResult.h"
#include "model/text/Dates.h"
#include "model/text/FatalError.h"
#include "model/amend/FieldExchange.h"
#include "model/text/FlagWord.h"
#include "model/records/Prop.h"
#include "model/text/TextUtil.h"

#include <initializer_list>

namespace {

constexpr const char* kContractIdMatch = "ContID";

unsigned ReduceHeaderTexts(CProp& p, const CProp& o)
{
    unsigned count = 0;
    for (auto [mine, theirs] :
         {std::pair{&p.m_strLettingId, &o.m_strLettingId}, {&p.m_strAltContractId, &o.m_strAltContractId},
          {&p.m_strLocation, &o.m_strLocation}, {&p.m_strShortDescription, &o.m_strShortDescription},
          {&p.m_strDescription, &o.m_strDescription}, {&p.m_strContractType, &o.m_strContractType},
          {&p.m_strProposalType, &o.m_strProposalType}, {&p.m_strHighwayNumber, &o.m_strHighwayNumber},
          {&p.m_strControllingProject, &o.m_strControllingProject},
          {&p.m_strControllingRoute, &o.m_strControllingRoute}, {&p.m_strFundType, &o.m_strFundType},
          {&p.m_strProjectIds, &o.m_strProjectIds}, {&p.m_strRoadName, &o.m_strRoadName},
          {&p.m_strRoute, &o.m_strRoute}, {&p.m_strSerialNumber, &o.m_strSerialNumber}})
        count += MarkUnchanged(*mine, *theirs);
    for (size_t i = 0; i < p.m_strSubmitUrls.size(); ++i)
        count += MarkUnchanged(p.m_strSubmitUrls[i], o.m_strSubmitUrls[i]);
    for (size_t i = 0; i < p.m_strBondCheckUrls.size(); ++i)
        count += MarkUnchanged(p.m_strBondCheckUrls[i], o.m_strBondCheckUrls[i]);
    return count;
}

unsigned CountFormatDifferences(const CProp& p, const CProp& o)
{
    unsigned count = p.m_wNumberFormatFlags != o.m_wNumberFormatFlags;
    for (size_t i = 0; i < p.m_numberFormats.size(); ++i) {
        count += p.m_numberFormats[i].m_byWidth != o.m_numberFormats[i].m_byWidth;
        count += p.m_numberFormats[i].m_byDecimals != o.m_numberFormats[i].m_byDecimals;
    }
    count += p.m_iMaxTotalAttachmentSize != o.m_iMaxTotalAttachmentSize;
    count += p.m_iMaxAttachmentSize != o.m_iMaxAttachmentSize;
    for (size_t i = 0; i < p.m_iDisplayFormatNumbers.size(); ++i)
        count += p.m_iDisplayFormatNumbers[i] != o.m_iDisplayFormatNumbers[i];
    count += p.m_wDisplayFormatFlags != o.m_wDisplayFormatFlags;
    count += p.m_wDisplayFormatNumber != o.m_wDisplayFormatNumber;
    return count;
}

unsigned ReduceFurtherTexts(CProp& p, const CProp& o)
{
    unsigned count = 0;
    for (size_t i = 0; i < p.m_strDisplayFormats.size(); ++i)
        count += MarkUnchanged(p.m_strDisplayFormats[i], o.m_strDisplayFormats[i]);
    for (int text : {7, 5, 6, 8, 2, 3, 4})
        count += MarkUnchanged(p.m_strReferenceData[size_t(text - 1)], o.m_strReferenceData[size_t(text - 1)]);
    for (auto [mine, theirs] : {std::pair{&p.m_strControllingPcn, &o.m_strControllingPcn},
                                {&p.m_strSpecYear, &o.m_strSpecYear},
                                {&p.m_strAfterSpecYear, &o.m_strAfterSpecYear},
                                {&p.m_strProposalWorkType, &o.m_strProposalWorkType},
                                {&p.m_strProjectWorkType, &o.m_strProjectWorkType}})
        count += MarkUnchanged(*mine, *theirs);
    for (size_t i = 0; i < p.m_strGenericTexts.size(); ++i)
        count += MarkUnchanged(p.m_strGenericTexts[i], o.m_strGenericTexts[i]);
    for (size_t i = 0; i < p.m_strFurtherReferences.size(); ++i)
        count += MarkUnchanged(p.m_strFurtherReferences[i], o.m_strFurtherReferences[i]);
    if (MarkUnchanged(p.m_strAgencyId, o.m_strAgencyId)) {
        Warning("Amendment changing AgencyID to %s.", p.m_strAgencyId.c_str());
        count += 2;
    }
    return count;
}

unsigned CompareAgencyKeys(const CProp& p, const CProp& o)
{
    const CPlate* olderKey = o.FindPlate(kAgencyPublicKeyPlate);
    if (!olderKey)
        return 0;
    const CPlate* newerKey = p.FindPlate(kAgencyPublicKeyPlate);
    unsigned count = 0;
    if (newerKey && newerKey->m_strText != olderKey->m_strText) {
        Warning("Amendment changing Agency Public Key.");
        ++count;
    }
    if (!IsBlankString(olderKey->m_strText) && (!newerKey || IsBlankString(newerKey->m_strText))) {
        Warning("Amendment removing Agency Public Key.");
        ++count;
    }
    return count;
}

unsigned ReduceForm(CWinMeta* mine, const CWinMeta* older)
{
    if (mine)
        return mine->ReduceToChanges(older);
    return older ? 1 : 0;
}

unsigned ReduceForms(CProp& p, const CProp& o)
{
    unsigned count = 0;
    const struct { int bit; int type; } firmForms[] = {
        {PROP_HAS_DBE_FORM, FIRM_DBE}, {PROP_HAS_MBE_FORM, FIRM_MBE}, {PROP_HAS_WBE_FORM, FIRM_WBE}};
    for (const auto& form : firmForms)
        if (TestFlagBit(p.m_wFlags, form.bit) || TestFlagBit(o.m_wFlags, form.bit))
            count += ReduceForm(p.GetDbeForm(form.type), o.GetDbeForm(form.type));
    if (TestFlagBit(p.m_wFlags, PROP_HAS_MISC_FORMS)) {
        if (p.m_miscForms.GetSize() != o.m_miscForms.GetSize())
            ++count;
        else
            for (int i = 0; i < p.m_miscForms.GetSize(); ++i)
                count += ReduceForm(p.m_miscForms.GetAt(i), o.m_miscForms.GetAt(i));
    }
    if (TestFlagBit(p.m_wFlags2, PROP2_HAS_BOND_FORM))
        count += ReduceForm(p.m_pBondForm.get(), o.m_pBondForm.get());
    return count;
}

unsigned CountFlagDifferences(const CProp& p, const CProp& o)
{
    unsigned count = 0;
    for (int bit : std::initializer_list<int>{INFORMATIONAL, PROP_ALT_ITEMS_BY_CODE, PROP_ALT_SECTIONS_BY_CODE, 11, 15})
        count += FlagDiffers(p.m_wFlags, o.m_wFlags, bit);
    for (int bit : std::initializer_list<int>{6, 7, PROP2_HAS_BOND_FORM, PROP2_TIME_COSTS_IN_BID, 10})
        count += FlagDiffers(p.m_wFlags2, o.m_wFlags2, bit);
    for (int bit = 0; bit < 5; ++bit)
        count += FlagDiffers(p.m_wGenericFlags, o.m_wGenericFlags, bit);
    return count;
}

} // namespace

unsigned CProp::ReduceToChanges(const CProp* older)
{
    if (!older)
        return AMEND_OTHER_PROPOSAL;
    const bool matchByContract = m_strAmendmentMatchKey == kContractIdMatch;
    if (!m_strAmendmentMatchKey.empty() && !matchByContract &&
        (m_strCallOrder != older->m_strCallOrder ||
         DaysBetween(m_iLettingDate, older->m_iLettingDate, false) != 0))
        return AMEND_ALREADY_APPLIED;

    unsigned count = m_dBondAmount != older->m_dBondAmount;
    for (size_t i = 0; i < m_dGenericNumbers.size(); ++i)
        count += m_dGenericNumbers[i] != older->m_dGenericNumbers[i];
    if (matchByContract) {
        count += m_iLettingDate != older->m_iLettingDate;
        count += MarkUnchanged(m_strCallOrder, older->m_strCallOrder);
    }
    count += ReduceHeaderTexts(*this, *older);
    count += CountFormatDifferences(*this, *older);
    count += ReduceFurtherTexts(*this, *older);
    count += CompareAgencyKeys(*this, *older);
    count += ReduceForms(*this, *older);
    count += m_items.ReduceItemsToChanges(older->m_items);
    count += m_counties.ReduceToChanges(older->m_counties);
    count += m_sites.ReduceToChanges(older->m_sites);
    count += m_notes.ReduceToChanges(older->m_notes);
    count += m_otherReports.ReduceToChanges(older->m_otherReports);
    count += m_plates.ReduceToChanges(older->m_plates);
    count += m_bidCaps.ReduceToChanges(older->m_bidCaps);
    count += m_referenceLists.HasDifferences(older->m_referenceLists);
    count += CountFlagDifferences(*this, *older);
    if (count == 0)
        return AMEND_ALREADY_APPLIED;
    m_iAmendmentCount = older->m_iAmendmentCount + 1;
    ChangeFlagBit(&m_wFlags, PROP_IS_AMENDMENT, 1);
    return AMEND_NO_ERROR;
}

#include "model/records/PropHeader.h"

#include "model/records/RecordText.h"

namespace {

template <size_t N>
void StripAll(std::array<std::string, N>& texts)
{
    for (std::string& text : texts)
        StripUnchangedMarker(text);
}

} // namespace

void CPropHeader::StripUnchangedMarkers()
{
    for (std::string* text :
         {&m_strLettingId, &m_strCallOrder, &m_strContractId, &m_strAltContractId, &m_strLocation,
          &m_strShortDescription, &m_strDescription, &m_strContractType, &m_strProposalType,
          &m_strHighwayNumber, &m_strControllingProject, &m_strControllingRoute, &m_strControllingPcn,
          &m_strFundType, &m_strProjectIds, &m_strRoadName, &m_strRoute, &m_strSerialNumber,
          &m_strAfterSerialNumber, &m_strAgencyId, &m_strSpecYear, &m_strAfterSpecYear,
          &m_strProposalWorkType, &m_strProjectWorkType, &m_strAmendmentMatchKey})
        StripUnchangedMarker(*text);
    StripAll(m_strReferenceData);
    StripAll(m_strGenericTexts);
    StripAll(m_strFurtherReferences);
    StripAll(m_strSubmitUrls);
    StripAll(m_strBondCheckUrls);
    StripAll(m_strDisplayFormats);
}

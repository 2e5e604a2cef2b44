#include "bench/generator/DifferenceList.h"

namespace proposal_differences {

void CompareHeader(Differences d, const CPropHeader& a, const CPropHeader& b)
{
    d.Field("flags", a.m_wFlags, b.m_wFlags);
    d.Field("second flags", a.m_wFlags2, b.m_wFlags2);
    d.Field("proposal number", a.m_iProposalNumber, b.m_iProposalNumber);
    d.Field("header numbers", a.m_iHeaderNumbers, b.m_iHeaderNumbers);
    d.Field("amendment count", a.m_iAmendmentCount, b.m_iAmendmentCount);
    d.Field("proposal total", a.m_dProposalTotal, b.m_dProposalTotal);
    d.Field("second bid total", a.m_dSecondBidTotal, b.m_dSecondBidTotal);
    d.Field("items total", a.m_dItemsTotal, b.m_dItemsTotal);
    d.Field("second items total", a.m_dSecondItemsTotal, b.m_dSecondItemsTotal);
    d.Field("time total", a.m_dTimeTotal, b.m_dTimeTotal);
    d.Field("bond amount", a.m_dBondAmount, b.m_dBondAmount);
    d.Field("generic numbers", a.m_dGenericNumbers, b.m_dGenericNumbers);
    d.Field("stored checksum", a.m_dwStoredChecksum, b.m_dwStoredChecksum);
    d.Field("further number", a.m_iFurtherNumber, b.m_iFurtherNumber);
    d.Field("letting date", a.m_iLettingDate, b.m_iLettingDate);
    d.Field("date generated", a.m_iDateGenerated, b.m_iDateGenerated);
    d.Field("date revised", a.m_iDateRevised, b.m_iDateRevised);
    d.Field("letting ID", a.m_strLettingId, b.m_strLettingId);
    d.Field("call order", a.m_strCallOrder, b.m_strCallOrder);
    d.Field("contract ID", a.m_strContractId, b.m_strContractId);
    d.Field("alternate contract ID", a.m_strAltContractId, b.m_strAltContractId);
    d.Field("location", a.m_strLocation, b.m_strLocation);
    d.Field("short description", a.m_strShortDescription, b.m_strShortDescription);
    d.Field("description", a.m_strDescription, b.m_strDescription);
    d.Field("contract type", a.m_strContractType, b.m_strContractType);
    d.Field("proposal type", a.m_strProposalType, b.m_strProposalType);
    d.Field("highway number", a.m_strHighwayNumber, b.m_strHighwayNumber);
    d.Field("controlling project", a.m_strControllingProject, b.m_strControllingProject);
    d.Field("controlling route", a.m_strControllingRoute, b.m_strControllingRoute);
    d.Field("controlling PCN", a.m_strControllingPcn, b.m_strControllingPcn);
    d.Field("fund type", a.m_strFundType, b.m_strFundType);
    d.Field("project IDs", a.m_strProjectIds, b.m_strProjectIds);
    d.Field("road name", a.m_strRoadName, b.m_strRoadName);
    d.Field("route", a.m_strRoute, b.m_strRoute);
    d.Field("serial number", a.m_strSerialNumber, b.m_strSerialNumber);
    d.Field("after serial number", a.m_strAfterSerialNumber, b.m_strAfterSerialNumber);
    d.Field("agency ID", a.m_strAgencyId, b.m_strAgencyId);
    d.Field("reference data", a.m_strReferenceData, b.m_strReferenceData);
    d.Field("spec year", a.m_strSpecYear, b.m_strSpecYear);
    d.Field("after spec year", a.m_strAfterSpecYear, b.m_strAfterSpecYear);
    d.Field("proposal work type", a.m_strProposalWorkType, b.m_strProposalWorkType);
    d.Field("project work type", a.m_strProjectWorkType, b.m_strProjectWorkType);
    d.Field("generic texts", a.m_strGenericTexts, b.m_strGenericTexts);
    d.Field("further references", a.m_strFurtherReferences, b.m_strFurtherReferences);
    d.Field("amendment match key", a.m_strAmendmentMatchKey, b.m_strAmendmentMatchKey);
    d.Field("generic flags", a.m_wGenericFlags, b.m_wGenericFlags);
    d.Field("submit URLs", a.m_strSubmitUrls, b.m_strSubmitUrls);
    d.Field("bond check URLs", a.m_strBondCheckUrls, b.m_strBondCheckUrls);
    d.Field("display format number", a.m_wDisplayFormatNumber, b.m_wDisplayFormatNumber);
    d.Field("display format flags", a.m_wDisplayFormatFlags, b.m_wDisplayFormatFlags);
    d.Field("display format numbers", a.m_iDisplayFormatNumbers, b.m_iDisplayFormatNumbers);
    d.Field("max attachment size", a.m_iMaxAttachmentSize, b.m_iMaxAttachmentSize);
    d.Field("cell data blocks", a.m_iCellDataBlocks, b.m_iCellDataBlocks);
    d.Field("max total attachment size", a.m_iMaxTotalAttachmentSize, b.m_iMaxTotalAttachmentSize);
    d.Field("third attachment limit", a.m_iThirdAttachmentLimit, b.m_iThirdAttachmentLimit);
    d.Field("number formats", a.m_numberFormats, b.m_numberFormats);
    d.Field("number format flags", a.m_wNumberFormatFlags, b.m_wNumberFormatFlags);
    d.Field("display formats", a.m_strDisplayFormats, b.m_strDisplayFormats);
}

} // namespace proposal_differences

#pragma once

#include "model/files/TvbFormat.h"
#include "model/records/BidderInfo.h"
#include "model/records/DataFilter.h"
#include "model/records/FieldInfo.h"
#include "model/records/FormRows.h"
#include "model/records/Item.h"
#include "model/records/PropHeader.h"
#include "model/records/Site.h"
#include "model/records/SmallRecords.h"
#include "model/records/WinMeta.h"

// The tag and type of every plain field of each record kind, in the order the writer emits them.
// The writer walks these lists with a visitor that writes, the reader with one that fills the
// field whose tag it holds, so the two cannot disagree. A visitor offers, per value encoding:
// Word (u16), Short (i16), Long (i32), Narrow (a 32-bit field stored as u16), Double, Pair (two
// bytes of one field pair) and Text.

template <class Visitor>
void VisitHeaderFields(CPropHeader& h, Visitor& v)
{
    v.Narrow(0x0201, h.m_iProposalNumber);
    v.Narrow(0x0202, h.m_iAmendmentCount);
    v.Word(0x0203, h.m_wFlags);
    v.Word(0x022B, h.m_wFlags2);
    v.Double(0x0204, h.m_dProposalTotal);
    v.Double(0x0205, h.m_dSecondBidTotal);
    v.Long(0x0206, h.m_iLettingDate);
    v.Long(0x0207, h.m_iDateGenerated);
    v.Long(0x0208, h.m_iDateRevised);
    v.Text(0x0209, h.m_strLettingId);
    v.Text(0x020A, h.m_strCallOrder);
    v.Text(0x020B, h.m_strContractId);
    v.Text(0x020C, h.m_strAltContractId);
    v.Text(0x020D, h.m_strLocation);
    v.Text(0x020E, h.m_strShortDescription);
    v.Text(0x020F, h.m_strDescription);
    v.Text(0x0210, h.m_strContractType);
    v.Text(0x0211, h.m_strProposalType);
    v.Text(0x0212, h.m_strHighwayNumber);
    v.Text(0x0213, h.m_strControllingProject);
    v.Text(0x0214, h.m_strControllingRoute);
    v.Text(0x0215, h.m_strFundType);
    v.Text(0x0216, h.m_strProjectIds);
    v.Text(0x0217, h.m_strRoadName);
    v.Text(0x0218, h.m_strRoute);
    v.Text(0x0219, h.m_strSerialNumber);
    v.Text(0x021A, h.m_strAfterSerialNumber);
    v.Text(0x021B, h.m_strAgencyId);
    v.Text(0x021D, h.m_strSubmitUrls[0]);
    v.Text(0x021E, h.m_strSubmitUrls[1]);
    v.Text(0x022C, h.m_strSubmitUrls[2]);
    v.Text(0x022D, h.m_strSubmitUrls[3]);
    v.Text(0x022E, h.m_strBondCheckUrls[0]);
    v.Text(0x022F, h.m_strBondCheckUrls[1]);
    v.Text(0x0226, h.m_strDisplayFormats[0]);
    v.Text(0x0227, h.m_strDisplayFormats[1]);
    v.Text(0x0228, h.m_strDisplayFormats[2]);
    v.Text(0x0229, h.m_strDisplayFormats[3]);
    v.Double(0x022A, h.m_dBondAmount);
    // The reference-data texts are stored in the order of their fields 1, 5, 7, 6, 2, 3, 8, 4.
    v.Text(0x0230, h.m_strReferenceData[0]);
    v.Text(0x0231, h.m_strReferenceData[4]);
    v.Text(0x0232, h.m_strReferenceData[6]);
    v.Text(0x0233, h.m_strReferenceData[5]);
    v.Text(0x0234, h.m_strReferenceData[1]);
    v.Text(0x0235, h.m_strReferenceData[2]);
    v.Text(0x0236, h.m_strReferenceData[7]);
    v.Text(0x0237, h.m_strReferenceData[3]);
    v.Text(0x024F, h.m_strAmendmentMatchKey);
    v.Double(0x0238, h.m_dTimeTotal);
    v.Word(0x0239, h.m_wDisplayFormatNumber);
    v.Text(0x023A, h.m_strControllingPcn);
    v.Text(0x023B, h.m_strSpecYear);
    v.Text(0x023C, h.m_strAfterSpecYear);
    v.Text(0x023D, h.m_strProposalWorkType);
    v.Text(0x023E, h.m_strProjectWorkType);
    v.Text(0x023F, h.m_strFurtherReferences[0]);
    v.Text(0x0240, h.m_strFurtherReferences[1]);
    v.Word(0x0241, h.m_wGenericFlags);
    v.Double(0x0242, h.m_dGenericNumbers[0]);
    v.Double(0x0243, h.m_dGenericNumbers[1]);
    v.Double(0x0244, h.m_dGenericNumbers[2]);
    v.Text(0x0245, h.m_strGenericTexts[0]);
    v.Text(0x0246, h.m_strGenericTexts[1]);
    v.Text(0x0247, h.m_strGenericTexts[2]);
    v.Text(0x0248, h.m_strGenericTexts[3]);
    v.Text(0x024E, h.m_strGenericTexts[4]);
    v.Long(0x0249, h.m_iMaxAttachmentSize);
    v.Long(0x024C, h.m_iMaxTotalAttachmentSize);
    v.Long(0x024D, h.m_iThirdAttachmentLimit);
}

template <class Visitor>
void VisitDisplayFormatFields(CPropHeader& h, Visitor& v)
{
    v.Word(0x0801, h.m_wDisplayFormatFlags);
    v.Narrow(0x0802, h.m_iDisplayFormatNumbers[0]);
    v.Narrow(0x0803, h.m_iDisplayFormatNumbers[1]);
    v.Narrow(0x0804, h.m_iDisplayFormatNumbers[2]);
}

template <class Visitor>
void VisitNumberFormatFields(CPropHeader& h, Visitor& v)
{
    for (uint16_t kind = 0; kind < NUMFMT_COUNT; ++kind) {
        CNumberFormat& format = h.m_numberFormats[kind];
        v.Pair(uint16_t(0x0901 + kind), format.m_byWidth, format.m_byDecimals);
    }
    v.Word(0x0904, h.m_wNumberFormatFlags);
}

template <class Visitor>
void VisitCountyFields(CCounty& county, Visitor& v)
{
    v.Text(0x0401, county.m_strCountyId);
    v.Text(0x0402, county.m_strCountyName);
}

template <class Visitor>
void VisitSiteFields(CSite& site, Visitor& v)
{
    v.Long(0x0501, site.m_iStartDate);
    v.Long(0x0502, site.m_iEndDate);
    v.Narrow(0x0503, site.m_iNumberOfDays);
    v.Double(0x0504, site.m_dDamages);
    v.Text(0x0505, site.m_strTypeOfDays);
    v.Text(0x0506, site.m_strDescription);
    v.Text(0x0507, site.m_strSiteNumber);
    v.Double(0x0508, site.m_dRoadCostPerDay);
    v.Double(0x0509, site.m_dSiteTotal);
    v.Word(0x050A, site.m_wFlags);
}

template <class Visitor>
void VisitNoteFields(CNote& note, Visitor& v)
{
    v.Narrow(0x0601, note.m_iAmendmentNumber);
    v.Long(0x0602, note.m_iAmendmentDate);
    v.Text(0x0603, note.m_strDescription);
}

// The bidder's first text (the agency of the open proposal) is not stored.
template <class Visitor>
void VisitBidderFields(CBidderInfo& bidder, Visitor& v)
{
    for (int text = BIDDER_ID; text < BIDDER_TEXT_COUNT; ++text)
        v.Text(uint16_t(0x0700 + text), bidder.m_texts[size_t(text)]);
}

template <class Visitor>
void VisitItemFields(CItem& item, Visitor& v)
{
    v.Word(0x0301, item.m_wFlags);
    v.Double(0x0302, item.m_fQuan);
    v.Double(0x0303, item.m_fUnitPrice);
    v.Text(0x0304, item.m_strLineNum);
    v.Text(0x0305, item.m_strAltCode);
    v.Text(0x0306, item.m_strItemNum);
    v.Text(0x0307, item.m_strUnit);
    v.Text(0x0308, item.m_strShortDesc);
    v.Text(0x0309, item.m_strLongDesc);
}

template <class Visitor>
void VisitOtherReportFields(COtherRpt& report, Visitor& v)
{
    v.Word(0x0A01, report.m_wNumber);
    v.Text(0x0A02, report.m_strName);
    v.Text(0x0A03, report.m_strText);
}

// The form's header; its id-to-column table (TVB_FORM_COLUMN_TABLE) follows these.
template <class Visitor>
void VisitFormFields(CWinMeta& form, Visitor& v)
{
    v.Word(0x0C06, form.m_wFlags);
    v.Word(0x0C20, form.m_wSecondWord);
    v.Double(0x0C08, form.m_dGoal);
    v.Double(0x0C09, form.m_dSecondNumber);
    v.Pair(0x0C07, form.m_bytePair[0], form.m_bytePair[1]);
    v.Short(0x0C16, form.m_iGeometry[0]);
    v.Short(0x0C17, form.m_iGeometry[1]);
    v.Short(0x0C18, form.m_iGeometry[2]);
    v.Short(0x0C19, form.m_iGeometry[3]);
    v.Text(0x0C1A, form.m_strFirstText);
    v.Short(0x0C14, form.m_iFontSize);
    v.Text(0x0C13, form.m_strFontFace);
    // Texts 3 to 9 go by their own numbers, not in tag order.
    v.Text(0x0C0C, form.m_strFurtherTexts[0]);
    v.Text(0x0C0E, form.m_strFurtherTexts[1]);
    v.Text(0x0C1B, form.m_strFurtherTexts[2]);
    v.Text(0x0C1C, form.m_strFurtherTexts[5]);
    v.Text(0x0C1D, form.m_strFurtherTexts[6]);
    v.Text(0x0C1E, form.m_strFurtherTexts[3]);
    v.Text(0x0C1F, form.m_strFurtherTexts[4]);
}

// The field's data block (TVB_FIELD_DATA_LENGTH, TVB_FIELD_DATA) follows these.
template <class Visitor>
void VisitFieldInfoFields(CFieldInfo& field, Visitor& v)
{
    v.Word(0x0F01, field.m_wFlags);
    v.Narrow(0x0F02, field.m_iWidth);
    v.Narrow(0x0F0C, field.m_iHeight);
    v.Narrow(0x0F03, field.m_iKind);
    v.Narrow(0x0F04, field.m_iAlignment);
    v.Narrow(0x0F05, field.m_iLastColumn);
    v.Narrow(0x0F06, field.m_iY);
    v.Narrow(0x0F07, field.m_iX);
    v.Narrow(0x0F08, field.m_iRequirement);
    v.Text(0x0F09, field.m_strName);
    v.Text(0x0F0A, field.m_strText);
    v.Text(0x0F0B, field.m_strHelp);
}

template <class Visitor>
void VisitRowFields(CRowData& row, Visitor& v)
{
    v.Word(TVB_ROW_FLAGS, row.m_wFlags);
}

// The second text and the data block follow these, when the proposal stores them.
template <class Visitor>
void VisitCellFields(CCellData& cell, Visitor& v)
{
    v.Short(0x1002, cell.m_iSelection);
    v.Word(0x1003, cell.m_wFlags);
    v.Text(0x1004, cell.m_strText);
}

template <class Visitor>
void VisitFirmItemFields(CDBEItem& entry, Visitor& v)
{
    v.Short(0x1202, entry.m_iNumber);
    v.Double(0x1203, entry.m_dQuantity);
    v.Double(0x1204, entry.m_dUnitPrice);
    v.Double(0x1205, entry.m_dExtension);
    v.Text(0x1206, entry.m_strNote);
    v.Word(0x1207, entry.m_wEntryFlags);
}

template <class Visitor>
void VisitFilterFields(CDataFilter& filter, Visitor& v)
{
    v.Narrow(0x1302, filter.m_iStartColumn);
    v.Narrow(0x1303, filter.m_iEndColumn);
    for (uint16_t pattern = 0; pattern < CDataFilter::kPatternCount; ++pattern)
        v.Text(uint16_t(0x1304 + pattern), filter.m_strPatterns[pattern]);
}

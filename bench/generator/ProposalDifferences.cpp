#include "bench/generator/ProposalDifferences.h"

#include "bench/generator/DifferenceList.h"

namespace proposal_differences {
namespace {

void CompareItem(Differences d, const CItem& a, const CItem& b)
{
    d.Field("flags", a.m_wFlags, b.m_wFlags);
    d.Field("check word", a.m_wCheck, b.m_wCheck);
    d.Field("number", a.m_iNumber, b.m_iNumber);
    d.Field("line", a.m_strLineNum, b.m_strLineNum);
    d.Field("alternate", a.m_strAltCode, b.m_strAltCode);
    d.Field("item number", a.m_strItemNum, b.m_strItemNum);
    d.Field("quantity", a.m_fQuan, b.m_fQuan);
    d.Field("unit price", a.m_fUnitPrice, b.m_fUnitPrice);
    d.Field("extension", a.m_fExtension, b.m_fExtension);
    d.Field("unit price 2", a.m_fUnitPrice2, b.m_fUnitPrice2);
    d.Field("extension 2", a.m_fExtension2, b.m_fExtension2);
    d.Field("unit", a.m_strUnit, b.m_strUnit);
    d.Field("short description", a.m_strShortDesc, b.m_strShortDesc);
    d.Field("long description", a.m_strLongDesc, b.m_strLongDesc);
}

void CompareSite(Differences d, const CSite& a, const CSite& b)
{
    d.Field("flags", a.m_wFlags, b.m_wFlags);
    d.Field("start", a.m_iStartDate, b.m_iStartDate);
    d.Field("end", a.m_iEndDate, b.m_iEndDate);
    d.Field("days", a.m_iNumberOfDays, b.m_iNumberOfDays);
    d.Field("damages", a.m_dDamages, b.m_dDamages);
    d.Field("road cost", a.m_dRoadCostPerDay, b.m_dRoadCostPerDay);
    d.Field("total", a.m_dSiteTotal, b.m_dSiteTotal);
    d.Field("number", a.m_strSiteNumber, b.m_strSiteNumber);
    d.Field("type of days", a.m_strTypeOfDays, b.m_strTypeOfDays);
    d.Field("description", a.m_strDescription, b.m_strDescription);
}

void CompareCounty(Differences d, const CCounty& a, const CCounty& b)
{
    d.Field("flags", a.m_wFlags, b.m_wFlags);
    d.Field("id", a.m_strCountyId, b.m_strCountyId);
    d.Field("name", a.m_strCountyName, b.m_strCountyName);
}

void CompareNote(Differences d, const CNote& a, const CNote& b)
{
    d.Field("flags", a.m_wFlags, b.m_wFlags);
    d.Field("number", a.m_iAmendmentNumber, b.m_iAmendmentNumber);
    d.Field("date", a.m_iAmendmentDate, b.m_iAmendmentDate);
    d.Field("description", a.m_strDescription, b.m_strDescription);
}

void CompareReport(Differences d, const COtherRpt& a, const COtherRpt& b)
{
    d.Field("flags", a.m_wFlags, b.m_wFlags);
    d.Field("name", a.m_strName, b.m_strName);
    d.Field("text", a.m_strText, b.m_strText);
    d.Field("number", a.m_wNumber, b.m_wNumber);
}

void ComparePlate(Differences d, const CPlate& a, const CPlate& b)
{
    d.Field("flags", a.m_wFlags, b.m_wFlags);
    d.Field("text", a.m_strText, b.m_strText);
    d.Field("value", a.m_dwValue, b.m_dwValue);
    d.Field("number", a.m_wNumber, b.m_wNumber);
}

void CompareBidCap(Differences d, const CBidCap& a, const CBidCap& b)
{
    d.Field("flags", a.m_wFlags, b.m_wFlags);
    d.Field("rule index", a.m_iRuleIndex, b.m_iRuleIndex);
    d.Field("rule count", a.m_iRuleCount, b.m_iRuleCount);
    d.Field("name", a.m_strName, b.m_strName);
    d.Field("minimum", a.m_strMinimum, b.m_strMinimum);
    d.Field("maximum", a.m_strMaximum, b.m_strMaximum);
    d.Field("message", a.m_strMessage, b.m_strMessage);
}

void CompareLists(Differences d, const CStringArrayMap& a, const CStringArrayMap& b)
{
    const auto texts = [](const CSAStringArray* list) {
        return list ? std::vector<std::string>(list->begin(), list->end()) : std::vector<std::string>{};
    };
    for (const auto& [name, list] : a)
        d.Field(("[" + Show(name) + "]").c_str(), texts(list.get()), texts(b.Lookup(name)));
    for (const auto& [name, list] : b)
        if (!a.Lookup(name))
            d.Field(("[" + Show(name) + "] only in the second").c_str(), std::vector<std::string>{}, texts(list.get()));
}

} // namespace
} // namespace proposal_differences

std::vector<std::string> ListProposalDifferences(const CProp& a, const CProp& b)
{
    using namespace proposal_differences;
    std::vector<std::string> found;
    Differences d(found, "");
    CompareHeader(d.Within("header"), a, b);
    d.Pair("DBE form", a.m_pDbeForm.get(), b.m_pDbeForm.get(), CompareForm);
    d.Pair("MBE form", a.m_pMbeForm.get(), b.m_pMbeForm.get(), CompareForm);
    d.Pair("WBE form", a.m_pWbeForm.get(), b.m_pWbeForm.get(), CompareForm);
    d.List("misc forms", a.m_miscForms, b.m_miscForms, CompareForm);
    d.Pair("bond form", a.m_pBondForm.get(), b.m_pBondForm.get(), CompareForm);
    d.Pair("bidder", a.m_pBidder.get(), b.m_pBidder.get(),
           [](Differences within, const CBidderInfo& x, const CBidderInfo& y) { within.Field("texts", x.m_texts, y.m_texts); });
    d.List("items", a.m_items, b.m_items, CompareItem);
    d.List("counties", a.m_counties, b.m_counties, CompareCounty);
    d.List("sites", a.m_sites, b.m_sites, CompareSite);
    d.List("notes", a.m_notes, b.m_notes, CompareNote);
    d.List("other reports", a.m_otherReports, b.m_otherReports, CompareReport);
    d.Map("bid caps", a.m_bidCaps, b.m_bidCaps, CompareBidCap);
    d.Map("plates", a.m_plates, b.m_plates, ComparePlate);
    d.Map("default templates", a.m_defaultTemplates, b.m_defaultTemplates, ComparePlate);
    CompareLists(d.Within("pick lists"), a.m_referenceLists, b.m_referenceLists);
    CompareLists(d.Within("second pick lists"), a.m_secondLists, b.m_secondLists);
    d.Field("file path", a.m_strFilePath, b.m_strFilePath);
    return found;
}

#include "bench/generator/ProposalGenerator.h"

#include "bench/generator/AgencyKey.h"
#include "bench/generator/AgencyTemplates.h"
#include "bench/generator/FormGenerator.h"
#include "bench/generator/GeneratorRandom.h"
#include "bench/generator/RoadCatalogue.h"
#include "bench/generator/ScheduleGenerator.h"
#include "model/check/Recalc.h"
#include "model/files/TvbWriter.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"

#include <string>

namespace {

constexpr int32_t kFirstLettingDate = 1773154800; // Tuesday 10 March 2026, 10:00 central daylight time
constexpr int32_t kDay = 86400;
constexpr int32_t kWeek = 7 * kDay;

class Generator {
public:
    explicit Generator(const ProposalShape& shape) : m_shape(shape), m_random(shape.m_seed) {}

    std::unique_ptr<CProp> Build()
    {
        auto prop = std::make_unique<CProp>();
        SetHeader(*prop);
        AddSchedule(*prop, m_shape, m_random);
        AddSites(*prop);
        AddCounties(*prop);
        AddAgencyForms(*prop, m_shape, m_random);
        AddReports(*prop);
        Settle(*prop);
        return prop;
    }

private:
    // As the program leaves a proposal after the bidder's entries: the firm rows' amounts come
    // from their firm items, and a row is complete only once its amount is there.
    static void Settle(CProp& prop)
    {
        RecalcBidTotals(&prop);
        for (CWinMeta* form : AllFormsOf(prop))
            form->CheckRowsComplete(-1);
        RecalcBidTotals(&prop);
    }

    void SetHeader(CProp& prop)
    {
        const int route = m_random.Pick(2, 99);
        const std::string routeText = std::to_string(route);
        const std::string project = "NH-" + std::string(routeText.size() < 2 ? "00" : "0") + routeText + "(" +
                                    std::to_string(m_random.Pick(10, 199)) + ")";
        prop.m_iLettingDate = kFirstLettingDate + int32_t(m_shape.m_seed % kLettingsPerYear) * kWeek;
        prop.m_iDateGenerated = prop.m_iLettingDate - 5 * kWeek;
        prop.m_strAgencyId = "DOT";
        prop.m_strLettingId = "L" + std::to_string(20260310 + m_shape.m_seed % kLettingsPerYear);
        prop.m_strCallOrder = std::string(m_shape.m_seed % 90 < 9 ? "00" : "0") + std::to_string(m_shape.m_seed % 90 + 1);
        prop.m_strContractId = "C" + std::to_string(41000 + m_shape.m_seed % 1000);
        prop.m_strProjectIds = project;
        prop.m_strControllingProject = project;
        prop.m_strHighwayNumber = "US " + routeText;
        prop.m_strRoute = routeText;
        prop.m_strRoadName = "PRAIRIE TRAIL HIGHWAY";
        prop.m_strLocation = "FROM 2.1 MI W OF JCT SH 14 EASTERLY";
        prop.m_strShortDescription = "GRADING, BASE, ASPHALT, GUARDRAIL AND SIGNING";
        prop.m_strDescription = "GRADING, AGGREGATE BASE, HOT MIX ASPHALT SURFACING, DRAINAGE, GUARDRAIL AND "
                                "SIGNING ON US " + routeText + " FROM 2.1 MI W OF JCT SH 14 EASTERLY 6.4 MI";
        prop.m_strContractType = "CONSTRUCTION";
        prop.m_strProposalType = "LOW BID";
        prop.m_strFundType = "FEDERAL AID";
        prop.m_strSerialNumber = "26-" + std::to_string(1000 + m_shape.m_seed % 9000);
        prop.m_strSpecYear = "2024";
        prop.m_strProposalWorkType = "GRADING AND PAVING";
        prop.m_strProjectWorkType = "RECONSTRUCTION";
        prop.m_strSubmitUrls[0] = "https://bids.dot.example.gov/zod/submit";
        prop.m_strBondCheckUrls[0] = "https://bonds.dot.example.gov/verify";
        prop.m_dBondAmount = 0; // a bid bond of a share of the bid, set on the bond form
        prop.m_numberFormats[NUMFMT_QUANTITY] = {10, 3};
        prop.m_numberFormats[NUMFMT_UNIT_PRICE] = {10, 2};
        prop.m_numberFormats[NUMFMT_AMOUNT] = {12, 2};
        ChangeFlagBit(&prop.m_wFlags, PROP_ITEMS_IN_BID, 1);
        ChangeFlagBit(&prop.m_wFlags2, PROP2_IDENTICAL_ITEM_RULE, 1);
        ChangeFlagBit(&prop.m_wFlags2, PROP2_TIME_COSTS_IN_BID, 1);
        prop.m_pBidder = std::make_unique<CBidderInfo>();
        prop.m_pBidder->Set(BIDDER_ID, "B0042");
        prop.m_pBidder->Set(BIDDER_NAME, "HIGH PLAINS PAVING AND GRADING INC");
        prop.m_pBidder->Set(BIDDER_CITY, "RED WILLOW");
        prop.m_pBidder->Set(BIDDER_STATE, "NE");
    }

    void AddSites(CProp& prop)
    {
        int32_t station = 120;
        for (int s = 0; s < m_shape.m_sites; ++s) {
            auto site = std::make_unique<CSite>();
            ChangeFlagBit(&site->m_wFlags, SITE_BIDDABLE, 1);
            const int32_t length = m_random.Pick(20, 140);
            site->m_strSiteNumber = std::to_string(s + 1);
            site->m_strDescription = "STA. " + std::to_string(station) + "+00 TO " + std::to_string(station + length) + "+50";
            site->m_strTypeOfDays = s % 2 ? "WORKING DAYS" : "CALENDAR DAYS";
            site->m_iStartDate = prop.m_iLettingDate + (30 + 20 * s) * kDay;
            site->m_iEndDate = site->m_iStartDate + m_random.Pick(60, 200) * kDay;
            site->m_dDamages = m_random.Uniform(1500, 4500, 100);
            site->m_dRoadCostPerDay = m_random.Uniform(1000, 4000, 100);
            site->m_iNumberOfDays = 20 + s; // as the bidder entered them
            prop.m_sites.Add(std::move(site));
            station += length + 1;
        }
    }

    void AddCounties(CProp& prop)
    {
        const auto names = CountyNames();
        const int first = m_random.Pick(0, int(names.size()) - 1);
        for (int c = 0; c < m_shape.m_counties; ++c) {
            const CountyName& name = names[size_t(first + c) % names.size()];
            auto county = std::make_unique<CCounty>();
            county->m_strCountyId = name.m_id;
            county->m_strCountyName = name.m_name;
            prop.m_counties.Add(std::move(county));
        }
    }

    void AddReports(CProp& prop)
    {
        auto report = std::make_unique<COtherRpt>();
        report->m_wNumber = 1;
        report->m_strName = "Bid Summary";
        report->m_strText = "{AGENCY} LETTING {LETTING_ID}   CALL {CALL_ORDER}   CONTRACT {CONTRACT_ID}\n"
                            "{PROPOSAL_DESCRIPTION,SIZE=78,REPEAT}\nBID TOTAL {PROPOSAL_TOTAL}\n";
        prop.m_otherReports.Add(std::move(report));
        InstallAgencyTemplates(prop);
        prop.SetPlate(kAgencyPublicKeyPlate, AgencyKeyBlock());
    }

    const ProposalShape& m_shape;
    CGeneratorRandom m_random;
};

} // namespace

std::unique_ptr<CProp> GenerateProposal(const ProposalShape& shape)
{
    return Generator(shape).Build();
}

#include "bench/generator/ProposalGenerator.h"
#include "tests/model/flat/FlatTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct RoundTripCase {
    const char* code;
    bool labels;
};

class FlatRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {
protected:
    void SetUp() override
    {
        FreeEvaluatorSymbols();
        ProposalShape shape;
        shape.m_items = 300;
        m_prop = GenerateProposal(shape);
        int n = 0;
        for (const auto& row : m_prop->m_items) {
            if (row->IsSection())
                continue;
            // Texts that need quoting in every format that quotes.
            if (++n % 3 == 0)
                row->m_strShortDesc = "Pipe 12\", \"class\" A, B";
            if (n % 7 == 0)
                row->m_strAltCode = "";
            if (n % 11 == 0) { // the agency's price, the bidder's quantity
                ChangeFlagBit(&row->m_wFlags, ITEM_FIXED_PRICE, 1);
                ChangeFlagBit(&row->m_wFlags, ITEM_FIXED_FULLY_BID, 1);
            }
        }
    }

    std::vector<std::pair<double, double>> PricesAndQuantities() const
    {
        std::vector<std::pair<double, double>> values;
        for (const auto& row : m_prop->m_items)
            values.emplace_back(row->m_fUnitPrice, row->m_fQuan);
        return values;
    }

    // Every item's unit price and quantity changed to something else; fixed prices stay.
    void Scramble()
    {
        for (const auto& row : m_prop->m_items) {
            if (row->IsSection())
                continue;
            if (!TestFlagBit(row->m_wFlags, ITEM_FIXED_PRICE))
                row->m_fUnitPrice = 777;
            if (TestFlagBit(row->m_wFlags, ITEM_FIXED_FULLY_BID))
                row->m_fQuan = 555;
        }
    }

    std::unique_ptr<CProp> m_prop;
};

int ItemCount(const CProp& prop)
{
    int count = 0;
    for (const auto& row : prop.m_items)
        count += !row->IsSection();
    return count;
}

int FixedPriceCount(const CProp& prop)
{
    int count = 0;
    for (const auto& row : prop.m_items)
        count += !row->IsSection() && TestFlagBit(row->m_wFlags, ITEM_FIXED_PRICE);
    return count;
}

TEST_P(FlatRoundTripTest, ExportThenImportGivesTheSamePricesAndQuantities)
{
    const FlatFileFormat& format = Format(GetParam().code);
    const FlatFieldList fields = DefaultFlatFields();
    const FlatFieldList widths = DefaultFlatWidths(fields);
    FlatFileJob job;
    job.m_pProp = m_prop.get();
    job.m_bLabels = GetParam().labels;
    job.m_exportFields = fields;
    job.m_exportWidths = widths;
    std::string bytes = ExportBytes(format.m_pExport, job);
    const auto before = PricesAndQuantities();

    for (const bool windowsLineEnds : {true, false}) {
        Scramble();
        const CFlatImportReport report = ImportBytes(format.m_pImport, *m_prop, fields, bytes, widths);
        EXPECT_EQ(report.m_iLines, ItemCount(*m_prop));
        EXPECT_EQ(report.m_iFixedPriceRows, FixedPriceCount(*m_prop));
        EXPECT_EQ(report.m_iPricesLoaded + report.m_iFixedPriceRows, report.m_iLines);
        EXPECT_TRUE(report.m_problems.empty()) << report.m_problems.front();
        EXPECT_EQ(report.m_strError, "");
        const auto after = PricesAndQuantities();
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i) {
            EXPECT_EQ(std::bit_cast<uint64_t>(after[i].first), std::bit_cast<uint64_t>(before[i].first)) << i;
            EXPECT_EQ(after[i].second, before[i].second) << i;
        }
        if (windowsLineEnds && !format.m_bBinary) { // the same file as written on Linux tools
            std::erase(bytes, '\r');
            continue;
        }
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, FlatRoundTripTest, ::testing::Values(
    RoundTripCase{"CSV", true}, RoundTripCase{"CSV", false}, RoundTripCase{"CS2", true}, RoundTripCase{"CS2", false},
    RoundTripCase{"TAB", false}, RoundTripCase{"DIF", false}, RoundTripCase{"COL", false},
    RoundTripCase{"WK1", true}, RoundTripCase{"WK1", false}),
    [](const auto& info) { return std::string(info.param.code) + (info.param.labels ? "Labels" : ""); });

} // namespace

// Firm items as a file may hold them that name no item row (a section row, an index outside the
// item list): they count in no total, print no line and Check Zod says nothing of them.
#include "model/check/BidErrors.h"
#include "model/check/CheckBid.h"
#include "model/check/FirmCommitments.h"
#include "tests/model/reports/ReportTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The report proposal's rows: sections at 0 and 4, the paving item at 5, nine rows in all.
constexpr int kFirstSection = 0;
constexpr int kSecondSection = 4;
constexpr int kRowCount = 9;

struct StrayCase {
    const char* name;
    int index;
};

void PrintTo(const StrayCase& c, std::ostream* out) { *out << c.name; }

class StrayFirmItems : public ::testing::TestWithParam<StrayCase> {
protected:
    void SetUp() override { ASSERT_EQ(m_prop->m_items.GetSize(), kRowCount); }

    CWinMeta& Form() const { return *m_prop->m_pDbeForm; }
    CRowData& Firm() const { return *Form().m_rows[0]; }

    void AddStray() const
    {
        auto entry = std::make_unique<CDBEItem>();
        entry->m_iNumber = int16_t(GetParam().index);
        entry->m_dQuantity = 50;
        entry->m_dUnitPrice = 10;
        entry->m_dExtension = 500;
        Firm().m_dbeItems.Add(std::move(entry));
    }

    std::vector<std::string> CheckMessages() const
    {
        CheckBid(m_prop.get(), true);
        std::vector<std::string> texts;
        for (const CBidError& error : GetBidErrorList())
            texts.push_back(error.m_strText);
        return texts;
    }

    std::unique_ptr<CProp> m_prop = MakeReportProp();
};

} // namespace

TEST_P(StrayFirmItems, CountInNoTotalAndBringNoMessage)
{
    // The firm's amount is the sum of its items.
    ChangeFlagBit(&Form().m_wFlags, FORM_ROWS_HAVE_FIRM_ITEMS, 1);
    RecalcBidTotals(m_prop.get());
    const std::string amount = Firm().m_cells[1]->m_strText;
    const double commitment = GetFormCommitment(Form());
    const std::vector<std::string> messages = CheckMessages();

    AddStray();
    RecalcBidTotals(m_prop.get());
    EXPECT_EQ(Firm().m_cells[1]->m_strText, amount);
    EXPECT_DOUBLE_EQ(GetFormCommitment(Form()), commitment);
    EXPECT_EQ(GetItemCommittedQuantity(*m_prop, GetParam().index), 0);
    EXPECT_EQ(CFirmCommitments(*m_prop).GetCommittedQuantity(GetParam().index), 0);
    EXPECT_EQ(CheckMessages(), messages);
}

TEST_P(StrayFirmItems, PrintNoLineInTheBid)
{
    InstallAgencyTemplates(*m_prop);
    const std::string bid = ReportText(*m_prop, REPORT_PROPOSAL);
    ASSERT_NE(bid.find("DBE COMMITMENTS"), std::string::npos);
    AddStray();
    EXPECT_EQ(ReportText(*m_prop, REPORT_PROPOSAL), bid);
}

INSTANTIATE_TEST_SUITE_P(Entries, StrayFirmItems,
                         ::testing::Values(StrayCase{"FirstSectionRow", kFirstSection},
                                           StrayCase{"SectionRowAfterItems", kSecondSection},
                                           StrayCase{"NoItem", -1}, StrayCase{"Negative", -300},
                                           StrayCase{"JustPastTheList", kRowCount},
                                           StrayCase{"LargestIndex", 32767}),
                         [](const auto& info) { return std::string(info.param.name); });

#include "model/eval/Evaluator.h"
#include "model/files/Checksum.h"
#include "model/files/PackCrc.h"
#include "model/records/Prop.h"

#include "tests/model/files/TvbTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::string Le(uint64_t value, int bytes) { return TvbStream::Le(value, bytes); }
std::string LeDouble(double value) { return Le(std::bit_cast<uint64_t>(value), 8); }

// A proposal with one section row and one item, and the bytes its header folds.
std::unique_ptr<CProp> BaseProposal()
{
    auto prop = std::make_unique<CProp>();
    prop->m_iAmendmentCount = 0x10002;
    prop->m_iLettingDate = 0x01020304;
    prop->m_iDateGenerated = 5;
    prop->m_strLettingId = "L";
    prop->m_strCallOrder = "C";
    prop->m_strContractId = "K";
    prop->m_strSerialNumber = "S";
    prop->m_pBidder = std::make_unique<CBidderInfo>();
    prop->m_pBidder->Set(BIDDER_AGENCY_CODE, "not folded");
    prop->m_pBidder->Set(BIDDER_ID, "B");
    prop->m_pBidder->Set(BIDDER_PAGER, "P");
    auto section = std::make_unique<CItem>();
    ChangeFlagBit(&section->m_wFlags, ITEM_IS_SECTION, 1);
    section->m_strLineNum = "0001";
    section->m_strLongDesc = "Grading";
    prop->m_items.Add(std::move(section));
    auto item = std::make_unique<CItem>();
    ChangeFlagBit(&item->m_wFlags, ITEM_FIXED_PRICE, 1);
    item->m_strLineNum = "0002";
    item->m_strAltCode = "A1";
    item->m_strItemNum = "201";
    item->m_strUnit = "CY";
    item->m_fQuan = 3;
    MakeEvalErrorValue(&item->m_fUnitPrice);
    prop->m_items.Add(std::move(item));
    return prop;
}

const std::string kHeaderBytes = Le(2, 2) + Le(0x01020304, 4) + Le(5, 4) + Le(2, 2) + "LCK" + "B" + "P" + "S";

struct FoldCase {
    const char* name;
    std::function<void(CProp&)> arrange;
    std::string folded; // the bytes after the header's
};

const FoldCase kFoldCases[] = {
    {"HeaderOnly", [](CProp&) {}, ""},
    // The unit price is not entered, so only the quantity's 8 bytes are folded.
    {"Items", [](CProp& p) { ChangeFlagBit(&p.m_wFlags, PROP_ITEMS_IN_BID, 1); },
     "0001" "0002" "A1" "201" "CY" + LeDouble(3) + "3" + "6"},
    {"Sites",
     [](CProp& p) {
         ChangeFlagBit(&p.m_wFlags2, PROP2_TIME_COSTS_IN_BID, 1);
         CSite& site = *p.m_sites.Add(std::make_unique<CSite>());
         site.m_strSiteNumber = "7";
         site.m_dRoadCostPerDay = 1500;
         site.m_iNumberOfDays = -1;
     },
     "7" + LeDouble(1500) + "\xFF\xFF"},
    // Columns without a cell fold nothing; the firm items follow each row's cells.
    {"Forms",
     [](CProp& p) {
         ChangeFlagBit(&p.m_wFlags, PROP_HAS_WBE_FORM, 1);
         ChangeFlagBit(&p.m_wFlags, PROP_HAS_DBE_FORM, 1);
         for (auto* slot : {&p.m_pDbeForm, &p.m_pWbeForm}) {
             CWinMeta& form = *(*slot = std::make_unique<CWinMeta>());
             form.m_fields.Add(std::make_unique<CFieldInfo>());
             form.m_fields.Add(std::make_unique<CFieldInfo>());
             form.AddRow(-1, 1)->m_cells[0]->m_strText = slot == &p.m_pDbeForm ? "D" : "W";
         }
         ChangeFlagBit(&p.m_pDbeForm->m_wFlags, FORM_ROWS_HAVE_FIRM_ITEMS, 1);
         CDBEItem& entry = *p.m_pDbeForm->m_rows[0]->m_dbeItems.Add(std::make_unique<CDBEItem>());
         entry.m_iNumber = 1;
         entry.m_dQuantity = 2;
         entry.m_strNote = "n";
         p.m_pMbeForm = std::make_unique<CWinMeta>(); // present but its flag bit is clear
         p.m_pMbeForm->AddRow(-1, 0);
     },
     "D" + Le(0xFFFF, 2) + Le(0, 2) + Le(1, 2) + LeDouble(2) + LeDouble(0) + LeDouble(0) + "n" + "W" +
         Le(0xFFFF, 2) + Le(0, 2)},
};

class ChecksumFoldTest : public testing::TestWithParam<FoldCase> {};

TEST_P(ChecksumFoldTest, FoldsExactlyTheseBytesInThisOrder)
{
    auto prop = BaseProposal();
    GetParam().arrange(*prop);
    const std::string bytes = kHeaderBytes + GetParam().folded;
    EXPECT_EQ(ComputeProposalChecksum(prop.get()), PackCrcUpdate(0, bytes.data(), bytes.size()));
}

INSTANTIATE_TEST_SUITE_P(Parts, ChecksumFoldTest, testing::ValuesIn(kFoldCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Checksum, IsZeroWithoutABidderId)
{
    EXPECT_EQ(ComputeProposalChecksum(nullptr), 0u);
    auto prop = BaseProposal();
    prop->m_pBidder->Set(BIDDER_ID, "");
    EXPECT_EQ(ComputeProposalChecksum(prop.get()), 0u);
    prop->m_pBidder.reset();
    EXPECT_EQ(ComputeProposalChecksum(prop.get()), 0u);
}

TEST(Checksum, FollowsWhatTheBidIsMadeOf)
{
    auto prop = BaseProposal();
    CItem& item = *prop->m_items[1];
    const auto changes = [&](const std::function<void()>& edit) {
        const uint32_t before = ComputeProposalChecksum(prop.get());
        edit();
        return ComputeProposalChecksum(prop.get()) != before;
    };
    EXPECT_FALSE(changes([&] { item.m_fUnitPrice = 4; }));   // items are not part of this bid
    ChangeFlagBit(&prop->m_wFlags, PROP_ITEMS_IN_BID, 1);
    EXPECT_TRUE(changes([&] { item.m_fUnitPrice = 5; }));
    EXPECT_TRUE(changes([&] { MakeEvalErrorValue(&item.m_fUnitPrice); }));
    EXPECT_FALSE(changes([&] { prop->m_items[0]->m_strLongDesc = "Paving"; }));
    EXPECT_FALSE(changes([&] { prop->m_pBidder->Set(BIDDER_AGENCY_CODE, "other"); }));
    EXPECT_TRUE(changes([&] { prop->m_pBidder->Set(BIDDER_PAGER, "Q"); }));
}

} // namespace

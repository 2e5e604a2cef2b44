#include "model/files/BidRefPrice.h"

#include "tests/model/support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class BidRefPriceTest : public testing::Test {
protected:
    TempFolder m_bidFolder;
    TempFolder m_tvbFolder;
    ScopedEnvironment m_bid{"TVB_BID", m_bidFolder.Path()};
    ScopedEnvironment m_tvb{"TVB", m_tvbFolder.Path()};

    static int Lookup(const std::string& itemNumber, double quantity, double* price)
    {
        const BidRefItem item{itemNumber, quantity, false};
        return LookupBidRefPrice(&item, price);
    }
};

TEST_F(BidRefPriceTest, EvaluatesTheFormulaOfTheFirstMatchingLine)
{
    m_bidFolder.Write("ZOD.REF", "100-05 12.75\r\n2010 @QUAN*2\n201 99\n");
    double price = 0;
    EXPECT_EQ(Lookup("100-05", 4, &price), kBidRefPriceSet);
    EXPECT_DOUBLE_EQ(price, 12.75);
    // The item number is compared over its own length: the line of 2010 serves 201.
    EXPECT_EQ(Lookup("201", 3.5, &price), kBidRefPriceSet);
    EXPECT_DOUBLE_EQ(price, 7);
}

TEST_F(BidRefPriceTest, FallsBackFromTvbBidToTvb)
{
    m_tvbFolder.Write("ZOD.REF", "7 3\n");
    double price = 0;
    {
        ScopedEnvironment noBid("TVB_BID", std::nullopt);
        EXPECT_EQ(Lookup("7", 1, &price), kBidRefPriceSet);
        EXPECT_DOUBLE_EQ(price, 3);
        ScopedEnvironment emptyBid("TVB_BID", "");
        EXPECT_EQ(Lookup("7", 1, &price), kBidRefPriceSet);
    }
    // With TVB_BID naming a folder that lacks the file, TVB is not tried.
    EXPECT_EQ(Lookup("7", 1, &price), kBidRefNoFile);
    ScopedEnvironment noBid("TVB_BID", std::nullopt);
    ScopedEnvironment noTvb("TVB", std::nullopt);
    EXPECT_EQ(Lookup("7", 1, &price), kBidRefNoFile); // not beside the test program either
}

TEST_F(BidRefPriceTest, LinesAcrossBlocksAndLongerThanABlock)
{
    std::string file;
    file += "; " + std::string(20000, 'c') + "\n"; // longer than two blocks
    while (file.size() < 3 * 8192 - 5)
        file += "000 1\n";
    file.resize(3 * 8192 - 5);
    file += "\n555-10 @QUAN*0.5\n"; // crosses the third block's end
    file += "ZZZ 1";                // the last line has no line feed
    m_bidFolder.Write("ZOD.REF", file);
    double price = 0;
    EXPECT_EQ(Lookup("555-10", 8, &price), kBidRefPriceSet);
    EXPECT_DOUBLE_EQ(price, 4);
    EXPECT_EQ(Lookup("ZZZ", 1, &price), kBidRefPriceSet);
    EXPECT_EQ(Lookup("; ccc", 1, &price), kBidRefBadFormula); // found, but no formula
    EXPECT_EQ(Lookup("556", 1, &price), kBidRefItemNotFound);
}

TEST_F(BidRefPriceTest, RefusesWhatCannotGiveAPrice)
{
    m_bidFolder.Write("ZOD.REF", "1 \r\n2 2*(3\n3\n4 4\n" + std::string(2 << 20, 'x') + "\n5 5\n");
    double price = -1;
    EXPECT_EQ(Lookup("1", 1, &price), kBidRefBadFormula); // empty formula is no price
    EXPECT_EQ(Lookup("2", 1, &price), kBidRefBadFormula);
    EXPECT_EQ(Lookup("3", 1, &price), kBidRefBadFormula);
    EXPECT_EQ(price, -1);
    EXPECT_EQ(Lookup("", 1, &price), kBidRefItemNotFound);
    EXPECT_EQ(Lookup("xx", 1, &price), kBidRefItemNotFound); // the overlong line is passed over
    EXPECT_EQ(Lookup("5", 1, &price), kBidRefPriceSet);

    const BidRefItem section{"4", 1, true};
    EXPECT_EQ(LookupBidRefPrice(&section, &price), kBidRefNotPriced);
    EXPECT_EQ(LookupBidRefPrice(nullptr, &price), kBidRefNoItem);
    EXPECT_EQ(LookupBidRefPrice(&section, nullptr), kBidRefNoItem);
}

TEST_F(BidRefPriceTest, AFileThatCannotBeOpened)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the super-user";
    const std::string path = m_bidFolder.Write("ZOD.REF", "1 1\n");
    chmod(path.c_str(), 0);
    double price = 0;
    EXPECT_EQ(Lookup("1", 1, &price), kBidRefCannotOpen);
}

TEST(BidRefPriceText, EveryCodeHasItsOwnText)
{
    std::set<std::string> texts;
    for (int code = 0; code <= 6; ++code)
        texts.insert(GetBidRefPriceErrorText(code));
    EXPECT_EQ(texts.size(), 7u);
    EXPECT_FALSE(texts.count(GetBidRefPriceErrorText(7)));
}

} // namespace

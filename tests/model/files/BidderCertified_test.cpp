#include "tests/model/support/PickLists.h"

#include "model/check/FormChecks.h"
#include "model/text/FlagWord.h"

namespace {

class BidderCertifiedTest : public PickListTest {
protected:
    void SetUp() override
    {
        PickListTest::SetUp();
        ChangeFlagBit(&m_prop.m_wFlags, PROP_HAS_FIRM_FORMS, 1);
        m_prop.m_pBidder = std::make_unique<CBidderInfo>();
        m_prop.m_pBidder->Set(BIDDER_ID, "ABC");
    }

    // A firm form whose first field lists firms from a file, the firm ID in columns 1 to 5.
    CWinMeta& AddForm(std::unique_ptr<CWinMeta>& slot, const std::string& listFile, int kind = 6)
    {
        slot = std::make_unique<CWinMeta>();
        CFieldInfo& field = AddListField(*slot, listFile, kind);
        field.m_iAlignment = 1;
        field.m_iLastColumn = 5;
        return *slot;
    }
};

TEST_F(BidderCertifiedTest, BidderIdInTheFirmIdColumnsMatches)
{
    m_folder.Write("dbe.txt", "XYZ  Other Firm\n  ABC Acme Paving\n");
    AddForm(m_prop.m_pDbeForm, "dbe.txt");
    EXPECT_EQ(IsBidderCertified(&m_prop, FIRM_DBE, nullptr), 1);
    m_prop.m_pBidder->Set(BIDDER_ID, "AB");
    EXPECT_EQ(IsBidderCertified(&m_prop, FIRM_DBE, nullptr), 0);
}

TEST_F(BidderCertifiedTest, NeedsTheFirmFormsFlagAFirmListFieldAndABidderId)
{
    m_folder.Write("dbe.txt", "  ABC Acme Paving\n      blank ID columns\n");
    AddForm(m_prop.m_pDbeForm, "dbe.txt");
    ChangeFlagBit(&m_prop.m_wFlags, PROP_HAS_FIRM_FORMS, 0);
    EXPECT_EQ(IsBidderCertified(&m_prop, FIRM_DBE, nullptr), 0);
    ChangeFlagBit(&m_prop.m_wFlags, PROP_HAS_FIRM_FORMS, 1);
    m_prop.m_pBidder->Set(BIDDER_ID, "");
    EXPECT_EQ(IsBidderCertified(&m_prop, FIRM_DBE, nullptr), 0);
    m_prop.m_pBidder->Set(BIDDER_ID, "ABC");
    AddForm(m_prop.m_pDbeForm, "dbe.txt", 1);
    EXPECT_EQ(IsBidderCertified(&m_prop, FIRM_DBE, nullptr), 0);
    EXPECT_EQ(IsBidderCertified(&m_prop, FIRM_WBE, nullptr), 0);
}

TEST_F(BidderCertifiedTest, EitherMbeOrWbeCounts)
{
    m_folder.Write("mbe.txt", "  XYZ\n");
    m_folder.Write("wbe.txt", "  ABC\n");
    AddForm(m_prop.m_pMbeForm, "mbe.txt", 7);
    EXPECT_EQ(IsBidderCertified(&m_prop, FIRM_MBE_OR_WBE, nullptr), 0);
    AddForm(m_prop.m_pWbeForm, "wbe.txt", 7);
    EXPECT_EQ(IsBidderCertified(&m_prop, FIRM_MBE_OR_WBE, nullptr), 1);
}

TEST_F(BidderCertifiedTest, FlagsFollowTheListsAndAMissingListIsReported)
{
    m_folder.Write("dbe.txt", "  ABC\n");
    m_folder.Write("mbe.txt", "  XYZ\n");
    CWinMeta& dbe = AddForm(m_prop.m_pDbeForm, "dbe.txt");
    CWinMeta& mbe = AddForm(m_prop.m_pMbeForm, "mbe.txt");
    CWinMeta& wbe = AddForm(m_prop.m_pWbeForm, "gone.txt");
    ChangeFlagBit(&mbe.m_wFlags, FORM_BIDDER_IS_CERTIFIED, 1);
    ChangeFlagBit(&wbe.m_wFlags, FORM_BIDDER_IS_CERTIFIED, 1);
    std::string error;
    m_prop.UpdateBidderIsDbeFlags(&error);
    EXPECT_EQ(TestFlagBit(dbe.m_wFlags, FORM_BIDDER_IS_CERTIFIED), 1);
    EXPECT_EQ(TestFlagBit(mbe.m_wFlags, FORM_BIDDER_IS_CERTIFIED), 0);
    EXPECT_EQ(TestFlagBit(wbe.m_wFlags, FORM_BIDDER_IS_CERTIFIED), 0);
    EXPECT_EQ(error, "Cannot open the file 'gone.txt'");
}

} // namespace

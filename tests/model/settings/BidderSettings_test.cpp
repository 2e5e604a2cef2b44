#include "model/settings/BidderIds.h"
#include "tests/model/settings/SettingsTestSupport.h"

using Values = std::vector<std::pair<std::string, std::string>>;

namespace {

class BidderSettings : public SettingsTest {};

TEST_F(BidderSettings, AStoredCompanyIsReadWithoutAgencyOrId)
{
    {
        CProfileStore store;
        OpenSettingsGroup(store, kBidderGroup);
        store.WriteProfileStringValue("Name", "Acme Paving");
        store.WriteProfileStringValue("Email", "bids@acme.example");
    }
    CProfileStore store;
    LoadBidderInfo(store, DefaultsPolicy::Write);
    const CBidderInfo* info = GetBidderInfo();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Get(BIDDER_NAME), "Acme Paving");
    EXPECT_EQ(info->Get(BIDDER_EMAIL), "bids@acme.example");
    EXPECT_EQ(info->Get(BIDDER_CITY), "");
    EXPECT_EQ(info->Get(BIDDER_AGENCY_CODE), "");
    EXPECT_EQ(StoredGroup("Bidder").size(), 2u); // nothing written
}

TEST_F(BidderSettings, WithoutANameTheCompanyIsUnknownAndOnlyAWritingLoadStoresIt)
{
    CProfileStore store;
    LoadBidderInfo(store, DefaultsPolicy::InMemory);
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_NAME), "Unknown");
    EXPECT_TRUE(StoredGroup("Bidder").empty());
    LoadBidderInfo(store, DefaultsPolicy::Write);
    EXPECT_EQ(StoredGroup("Bidder").front(), (std::pair<std::string, std::string>{"Name", "Unknown"}));
    EXPECT_EQ(StoredGroup("Bidder").size(), 10u);
}

TEST_F(BidderSettings, IdsAreStoredInCapitalsAndLookedUpByAgency)
{
    CProfileStore store;
    EXPECT_TRUE(SaveBidderIDs(store, "IDOT", "ab12x"));
    EXPECT_EQ(LookupBidderID(store, "IDOT"), "AB12X");
    EXPECT_EQ(LookupBidderID(store, "idot"), "AB12X");
    EXPECT_EQ(LookupBidderID(store, "MODOT"), std::nullopt);
    EXPECT_FALSE(SaveBidderIDs(store, "BAD=NAME", "1"));
    SaveBidderIDs(store, "EMPTY", "");
    EXPECT_EQ(LookupBidderID(store, "EMPTY"), std::nullopt);
}

TEST_F(BidderSettings, ASavedListReplacesTheStoredOneWhole)
{
    CProfileStore store;
    SaveBidderIDs(store, "OLD", "1");
    CBidderIdList list;
    for (int i = 0; i < 250; ++i)
        list.emplace_back("AGENCY" + std::to_string(i), "id" + std::to_string(i));
    SaveBidderIDList(store, list);
    const CBidderIdList read = ReadBidderIDValues(store);
    ASSERT_EQ(read.size(), 250u);
    EXPECT_EQ(read.front(), (std::pair<std::string, std::string>{"AGENCY0", "ID0"}));
    EXPECT_EQ(read.back(), (std::pair<std::string, std::string>{"AGENCY249", "ID249"}));
    EXPECT_TRUE(DeleteBidderIDs(store));
    EXPECT_TRUE(ReadBidderIDValues(store).empty());
}

} // namespace

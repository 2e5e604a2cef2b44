#include "model/records/Prop.h"
#include "model/settings/ServerUrls.h"
#include "tests/model/settings/SettingsTestSupport.h"

using Urls = std::vector<std::string>;
using Values = std::vector<std::pair<std::string, std::string>>;

namespace {

class NetworkSettings : public SettingsTest {
protected:
    CProfileStore m_store;
};

struct ProxyCase {
    const char* name;
    const char* mode;
    const char* port;
    CProxySettings expected;
};

class ProxyCases : public NetworkSettings, public ::testing::WithParamInterface<ProxyCase> {};

TEST_P(ProxyCases, ValuesOutOfRangeReadAsDirectAndNoPort)
{
    const ProxyCase& c = GetParam();
    StoreGroup("Proxy", {{"UseProxy", c.mode}, {"Address", "proxy.local"}, {"Port", c.port}});
    LoadProxySettings(m_store);
    EXPECT_EQ(GetProxySettings(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProxyCases,
    ::testing::Values(ProxyCase{"Manual", "1", "8080", {PROXY_MANUAL, "proxy.local", 8080}},
                      ProxyCase{"System", "2", "0", {PROXY_SYSTEM, "proxy.local", 0}},
                      ProxyCase{"ModeSeven", "7", "8080", {PROXY_DIRECT, "proxy.local", 8080}},
                      ProxyCase{"ModeNegative", "-2", "8080", {PROXY_DIRECT, "proxy.local", 8080}},
                      ProxyCase{"PortMissing", "1", "", {PROXY_MANUAL, "proxy.local", 0}},
                      ProxyCase{"PortMinusOne", "1", "-1", {PROXY_MANUAL, "proxy.local", 0}},
                      ProxyCase{"PortTooLarge", "1", "65536", {PROXY_MANUAL, "proxy.local", 0}},
                      ProxyCase{"PortHuge", "1", "99999999999", {PROXY_MANUAL, "proxy.local", 0}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BidUrlCase {
    const char* name;
    Values stored;
    bool withProposal;
    Urls expected;
};

class BidUrlCases : public NetworkSettings, public ::testing::WithParamInterface<BidUrlCase> {};

TEST_P(BidUrlCases, OverrideThenProposalThenStoredList)
{
    const BidUrlCase& c = GetParam();
    StoreGroup("URL", c.stored);
    CProp prop;
    prop.m_strSubmitUrls = {"http://a/1", " ", "", "http://a/4"};
    EXPECT_EQ(GetBidServerURLs(m_store, c.withProposal ? &prop : nullptr), c.expected);
}

const Values kStoredList = {{"URL2", "http://s/2"}, {"URL0", "http://s/0"}, {"URL7", "http://s/7"},
                            {"URL8", "http://s/8"}, {"URL1", "  "}};

INSTANTIATE_TEST_SUITE_P(
    Precedence, BidUrlCases,
    ::testing::Values(
        BidUrlCase{"Url99Wins", {{"URL99", "http://o/99"}, {"URL509", "http://o/509"}}, true, {"http://o/99"}},
        BidUrlCase{"Url509WhenUrl99Empty", {{"URL99", ""}, {"URL509", "http://o/509"}}, true, {"http://o/509"}},
        BidUrlCase{"OverrideWithoutProposal", {{"URL509", "http://o/509"}}, false, {"http://o/509"}},
        BidUrlCase{"ProposalNotStored", kStoredList, true, {"http://a/1", "http://a/4"}},
        BidUrlCase{"StoredInNumberOrder", kStoredList, false, {"http://s/0", "http://s/2", "http://s/7"}},
        BidUrlCase{"NothingStored", {}, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NetworkSettings, AProposalWithoutSubmitUrlsHasNoBidServer)
{
    StoreGroup("URL", {{"URL0", "http://s/0"}});
    CProp prop;
    EXPECT_EQ(GetBidServerURLs(m_store, &prop), Urls{});
}

TEST_F(NetworkSettings, BondUrlsEndWithTheDefaultServerUnlessOverridden)
{
    CProp prop;
    prop.m_strBondCheckUrls = {"http://b/1", ""};
    EXPECT_EQ(GetBondServerURLs(m_store, &prop), (Urls{"http://b/1", kDefaultBondServerUrl}));
    EXPECT_EQ(GetBondServerURLs(m_store, nullptr), Urls{});
    StoreGroup("URL", {{"URL88", "http://o/88"}});
    EXPECT_EQ(GetBondServerURLs(m_store, &prop), Urls{"http://o/88"});
    EXPECT_EQ(GetBondServerURLs(m_store, nullptr), Urls{"http://o/88"});
}

TEST_F(NetworkSettings, TheDefaultBidServerIsStoredOnlyWhenNoneIs)
{
    InitServerURLs(m_store);
    EXPECT_EQ(StoredGroup("URL"), (Values{{"URL0", kDefaultBidServerUrl}}));
    StoreGroup("URL", {{"URL0", ""}, {"URL3", "http://s/3"}});
    InitServerURLs(m_store);
    EXPECT_EQ(StoredGroup("URL"), (Values{{"URL0", ""}, {"URL3", "http://s/3"}}));
}

} // namespace

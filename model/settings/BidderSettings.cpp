#include "model/settings/BidderSettings.h"

#include "platform/core/SettingsStore.h"

#include <string_view>
#include <utility>

namespace {

struct BidderValue {
    std::string_view name;
    BidderText text;
};

// The agency code and the bidder ID are not kept here: they belong to the open proposal.
constexpr BidderValue kBidderValues[] = {
    {"Name", BIDDER_NAME},   {"Addr1", BIDDER_ADDRESS1}, {"Addr2", BIDDER_ADDRESS2},
    {"City", BIDDER_CITY},   {"State", BIDDER_STATE},    {"Zip", BIDDER_ZIP},
    {"Phone", BIDDER_PHONE}, {"Fax", BIDDER_FAX},        {"Pager", BIDDER_PAGER},
    {"Email", BIDDER_EMAIL},
};

constexpr std::string_view kUnknownBidder = "Unknown";

std::unique_ptr<CBidderInfo>& BidderRecord()
{
    static std::unique_ptr<CBidderInfo> record;
    return record;
}

} // namespace

CBidderInfo* GetBidderInfo()
{
    return BidderRecord().get();
}

void SetBidderInfo(std::unique_ptr<CBidderInfo> info)
{
    BidderRecord() = std::move(info);
}

void LoadBidderInfo(CProfileStore& store, DefaultsPolicy defaults)
{
    auto info = std::make_unique<CBidderInfo>();
    OpenSettingsGroup(store, kBidderGroup);
    const bool named = store.GetProfileStringValue("Name").has_value();
    if (named)
        for (const BidderValue& value : kBidderValues)
            info->Set(value.text, store.GetProfileStringValue(value.name).value_or(""));
    store.CloseProfileKey();
    SetBidderInfo(std::move(info));
    if (named)
        return;
    if (defaults == DefaultsPolicy::Write)
        SaveDefaultBidderInfo(store);
    else
        GetBidderInfo()->Set(BIDDER_NAME, std::string(kUnknownBidder));
}

void SaveBidderInfo(CProfileStore& store)
{
    const CBidderInfo* info = GetBidderInfo();
    if (info == nullptr)
        return;
    OpenSettingsGroup(store, kBidderGroup);
    for (const BidderValue& value : kBidderValues)
        store.WriteProfileStringValue(value.name, info->Get(value.text));
    store.CloseProfileKey();
}

void SaveDefaultBidderInfo(CProfileStore& store)
{
    if (GetBidderInfo() == nullptr)
        SetBidderInfo(std::make_unique<CBidderInfo>());
    GetBidderInfo()->Set(BIDDER_NAME, std::string(kUnknownBidder));
    SaveBidderInfo(store);
}

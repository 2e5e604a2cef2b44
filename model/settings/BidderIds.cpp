#include "model/settings/BidderIds.h"

#include "model/settings/SettingsGroups.h"
#include "model/text/CharClass.h"
#include "platform/core/SettingsStore.h"

std::optional<std::string> LookupBidderID(CProfileStore& store, std::string_view agency)
{
    OpenSettingsGroup(store, kBidderIdsGroup);
    std::optional<std::string> id = ReadNonEmptyValue(store, agency);
    store.CloseProfileKey();
    return id;
}

bool SaveBidderIDs(CProfileStore& store, std::string_view agency, std::string_view bidderId)
{
    std::string upper(bidderId);
    for (char& c : upper)
        c = AsciiToUpper(c);
    OpenSettingsGroup(store, kBidderIdsGroup);
    const bool written = store.WriteProfileStringValue(agency, upper);
    store.CloseProfileKey();
    return written;
}

bool DeleteBidderIDs(CProfileStore& store)
{
    OpenSettingsGroup(store, kBidderGroup);
    const bool deleted = store.DeleteProfileSection(kBidderIdsKey);
    store.CloseProfileKey();
    return deleted;
}

CBidderIdList ReadBidderIDValues(CProfileStore& store)
{
    CBidderIdList pairs;
    OpenSettingsGroup(store, kBidderIdsGroup);
    store.EnumProfileValues(pairs);
    store.CloseProfileKey();
    return pairs;
}

void SaveBidderIDList(CProfileStore& store, const CBidderIdList& pairs)
{
    CProfileBatch batch(store);
    DeleteBidderIDs(store);
    for (const auto& [agency, id] : pairs)
        SaveBidderIDs(store, agency, id);
}

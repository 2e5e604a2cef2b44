#include "model/settings/ServerUrls.h"

#include "model/records/Prop.h"
#include "model/settings/SettingsGroups.h"
#include "model/text/TextUtil.h"
#include "platform/core/SettingsStore.h"

#include <optional>

namespace {

constexpr int kStoredBidUrls = 8; // "URL0" to "URL7"

// A stored address that is blank is no address.
std::optional<std::string> ReadUrl(CProfileStore& store, const std::string& name)
{
    OpenSettingsGroup(store, kUrlGroup);
    std::optional<std::string> url = store.GetProfileStringValue(name);
    store.CloseProfileKey();
    if (url && IsBlankString(*url))
        return std::nullopt;
    return url;
}

template <class Urls>
void AppendNotBlank(std::vector<std::string>& list, const Urls& urls)
{
    for (const std::string& url : urls)
        if (!IsBlankString(url))
            list.push_back(url);
}

} // namespace

std::vector<std::string> GetBidServerURLs(CProfileStore& store, const CProp* prop)
{
    for (const char* overrideName : {"URL99", "URL509"})
        if (std::optional<std::string> url = ReadUrl(store, overrideName))
            return {*url};
    std::vector<std::string> list;
    if (prop != nullptr) {
        AppendNotBlank(list, prop->m_strSubmitUrls);
        return list;
    }
    for (int i = 0; i < kStoredBidUrls; ++i)
        if (std::optional<std::string> url = ReadUrl(store, "URL" + std::to_string(i)))
            list.push_back(std::move(*url));
    return list;
}

std::vector<std::string> GetBondServerURLs(CProfileStore& store, const CProp* prop)
{
    if (std::optional<std::string> url = ReadUrl(store, "URL88"))
        return {*url};
    std::vector<std::string> list;
    if (prop == nullptr)
        return list;
    AppendNotBlank(list, prop->m_strBondCheckUrls);
    list.emplace_back(kDefaultBondServerUrl);
    return list;
}

void InitServerURLs(CProfileStore& store)
{
    if (!GetBidServerURLs(store, nullptr).empty())
        return;
    OpenSettingsGroup(store, kUrlGroup);
    store.WriteProfileStringValue("URL0", kDefaultBidServerUrl);
    store.CloseProfileKey();
}

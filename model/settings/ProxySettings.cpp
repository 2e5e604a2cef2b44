#include "model/settings/ProxySettings.h"

#include "model/settings/SettingsGroups.h"
#include "platform/core/SettingsStore.h"

namespace {

constexpr int kMaxPort = 65535;

} // namespace

CProxySettings& GetProxySettings()
{
    static CProxySettings settings;
    return settings;
}

void LoadProxySettings(CProfileStore& store)
{
    CProxySettings& proxy = GetProxySettings();
    OpenSettingsGroup(store, kProxyGroup);
    const int mode = store.GetProfileIntValue("UseProxy");
    proxy.m_iMode = mode >= PROXY_DIRECT && mode <= PROXY_SYSTEM ? mode : PROXY_DIRECT;
    proxy.m_strAddress = store.GetProfileStringValue("Address").value_or("");
    const int port = store.GetProfileIntValue("Port");
    proxy.m_iPort = port >= 0 && port <= kMaxPort ? port : 0;
    store.CloseProfileKey();
}

void SaveProxySettings(CProfileStore& store)
{
    const CProxySettings& proxy = GetProxySettings();
    CProfileBatch batch(store);
    OpenSettingsGroup(store, kProxyGroup);
    store.WriteProfileIntValue("UseProxy", proxy.m_iMode);
    store.WriteProfileStringValue("Address", proxy.m_strAddress);
    store.WriteProfileIntValue("Port", proxy.m_iPort);
    store.CloseProfileKey();
}

#include "model/settings/OptionSettings.h"

#include "model/settings/BidderSettings.h"
#include "model/settings/FileTypes.h"
#include "model/settings/IOFormatSettings.h"
#include "model/settings/ProxySettings.h"
#include "model/settings/ServerUrls.h"
#include "model/settings/UnitTable.h"
#include "platform/core/Environment.h"
#include "platform/core/Files.h"
#include "platform/core/SettingsStore.h"

#include <memory>

namespace {

// The store a load reads: the program's own, or the file being imported, which must exist (the
// store would create a missing one) and be readable (else it would fall back on the registry).
std::unique_ptr<CProfileStore> OpenSource(const std::string& iniFile)
{
    if (iniFile.empty())
        return std::make_unique<CProfileStore>();
    if (!platform::FileExists(iniFile))
        return nullptr;
    auto store = std::make_unique<CProfileStore>(iniFile);
    return store->IsIniMode() ? std::move(store) : nullptr;
}

void LoadGroups(CProfileStore& store, DefaultsPolicy defaults)
{
    LoadBidderInfo(store, defaults);
    LoadIOFormats(store, defaults);
    LoadUnits(store, defaults);
    LoadProxySettings(store);
    if (defaults == DefaultsPolicy::Write)
        InitServerURLs(store);
    RegisterFileTypes();
    if (defaults == DefaultsPolicy::Write)
        LoadDirectories(store);
}

} // namespace

std::string GetProgramPath()
{
    return platform::ExecutablePath();
}

void LoadDirectories(CProfileStore& store)
{
    OpenSettingsGroup(store, kDirectoriesGroup);
    if (!ReadNonEmptyValue(store, "InstallDir"))
        store.WriteProfileStringValue("InstallDir", platform::ExecutableDirectory() + "/");
    store.CloseProfileKey();
}

int LoadOptionSettings(const std::string& iniFile, CProfileStore* destination)
{
    const std::unique_ptr<CProfileStore> source = OpenSource(iniFile);
    if (!source)
        return 0;
    const DefaultsPolicy defaults = iniFile.empty() ? DefaultsPolicy::Write : DefaultsPolicy::InMemory;
    source->BeginBatch();
    LoadGroups(*source, defaults);
    if (!source->EndBatch())
        return 0;
    if (destination == nullptr)
        return 1;
    return SaveOptionSettings(*destination, ReadBidderIDValues(*source));
}

int SaveOptionSettings(CProfileStore& store, const CBidderIdList& pairs)
{
    store.BeginBatch();
    SaveBidderInfo(store);
    SaveIOFormats(store, 1);
    SaveIOFormats(store, 0);
    DeleteUnitRows(store);
    SaveUnitRows(store);
    SaveBidderIDList(store, pairs);
    SaveProxySettings(store);
    return store.EndBatch() ? 1 : 0;
}

bool ExportConfiguration(CProfileStore& running, const std::string& path, std::string* error)
{
    const CBidderIdList pairs = ReadBidderIDValues(running);
    CProfileStore gathered{CProfileStore::InMemory{}};
    return SaveOptionSettings(gathered, pairs) == 1 && platform::WriteFileAtomically(path, gathered.Text(), error);
}

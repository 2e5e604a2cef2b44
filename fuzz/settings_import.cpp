// Configuration import over any bytes: the file is never written, every record stays within what
// the program can use, and what was imported is what the program's own settings read back.
#include "model/settings/BidderSettings.h"
#include "model/settings/IOFormatSettings.h"
#include "model/settings/OptionSettings.h"
#include "model/settings/ProxySettings.h"
#include "model/settings/UnitTable.h"
#include "platform/core/Files.h"
#include "platform/core/IniLine.h"
#include "platform/core/SettingsStore.h"

#include "fuzz/support/ScratchFolder.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool SidesInRange(const CIOFormatSettings& formats)
{
    for (const CIOFormatSide* side : {&formats.m_import, &formats.m_export}) {
        if (side->m_iFormat < 0 || side->m_iFormat >= kFlatFileFormatCount)
            return false;
        for (std::size_t i = 0; i < side->FieldCount(); ++i)
            if (side->m_iSizes[i] < 1 || side->m_iSizes[i] > kMaxFlatFieldSize)
                return false;
    }
    return true;
}

bool UnitsStorable(const std::vector<CUnitRow>& rows)
{
    for (const CUnitRow& row : rows)
        if (!platform::IsStorableIniValue(FormatUnitRow(row.m_strUnit, row.m_strAlternateUnit,
                                                        row.m_strConversion, row.m_strDescription)))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const std::string folder = FuzzScratchFolder("settings_import");
    setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
    CProfileStore::SetMessageHandler([](const std::string&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    static const std::string file = std::string(FuzzScratchFolder("settings_import")) + "/import.ini";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;

    CProfileStore running(CProfileStore::UserRegistry{});
    Check(LoadOptionSettings(file, &running) == 1);
    Check(platform::ReadWholeFile(file) == bytes);
    Check(GetBidderInfo() != nullptr && GetIOFormatSettings() != nullptr);
    Check(SidesInRange(*GetIOFormatSettings()));
    Check(!GetUnitList().empty() && GetUnitList().size() <= std::size_t(kMaxUnitRows));
    const CProxySettings proxy = GetProxySettings();
    Check(proxy.m_iMode >= PROXY_DIRECT && proxy.m_iMode <= PROXY_SYSTEM);
    Check(proxy.m_iPort >= 0 && proxy.m_iPort <= 65535);

    CIOFormatSettings imported = *GetIOFormatSettings();
    const std::vector<CUnitRow> units = GetUnitList();
    Check(LoadOptionSettings() == 1);
    // The import side's labels flag is only ever read, never saved.
    imported.m_import.m_bLabels = GetIOFormatSettings()->m_import.m_bLabels;
    Check(*GetIOFormatSettings() == imported);
    if (UnitsStorable(units))
        Check(GetUnitList().size() == units.size());
    return 0;
}

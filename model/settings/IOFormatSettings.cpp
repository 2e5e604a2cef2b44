#include "model/settings/IOFormatSettings.h"

#include "model/records/ItemColumns.h"
#include "model/text/TextUtil.h"
#include "platform/core/SettingsStore.h"

#include <string>
#include <vector>

namespace {

constexpr int32_t kDefaultFields[] = {ITEM_COL_LINE_NUMBER, ITEM_COL_ALT_CODE,
                                      ITEM_COL_ITEM_NUMBER, ITEM_COL_QUANTITY,
                                      ITEM_COL_UNIT,        ITEM_COL_UNIT_PRICE,
                                      ITEM_COL_SHORT_DESC};

std::unique_ptr<CIOFormatSettings>& FormatRecord()
{
    static std::unique_ptr<CIOFormatSettings> record;
    return record;
}

std::vector<int> ReadIntList(CProfileStore& store, std::string_view name)
{
    std::vector<int> values;
    ParseIntList(values, store.GetProfileStringValue(name).value_or(""), kMaxFlatFileFields);
    return values;
}

// The ids up to the first 0 (which ends the list), then a width for each.
void ReadFields(CProfileStore& store, CIOFormatSide& side)
{
    const std::vector<int> fields = ReadIntList(store, "Fields");
    const std::vector<int> sizes = ReadIntList(store, "FieldSizes");
    for (std::size_t i = 0; i < fields.size() && fields[i] != 0; ++i) {
        side.m_iFields[i] = fields[i];
        const bool sized = i < sizes.size() && sizes[i] > 0 && sizes[i] <= kMaxFlatFieldSize;
        side.m_iSizes[i] = sized ? sizes[i] : GetItemColumnDefaultSize(fields[i]);
    }
}

CIOFormatSide ReadSide(CProfileStore& store, std::string_view group)
{
    CIOFormatSide side;
    OpenSettingsGroup(store, group);
    ReadFields(store, side);
    const int format = store.GetProfileIntValue("Format");
    side.m_iFormat = format >= 0 && format < kFlatFileFormatCount ? format : kCsvFormatIndex;
    side.m_bLabels = store.GetProfileIntValue("Labels") != 0;
    store.CloseProfileKey();
    return side;
}

void WriteSide(CProfileStore& store, std::string_view group, const CIOFormatSide& side,
               bool withLabels)
{
    const std::size_t count = side.FieldCount();
    OpenSettingsGroup(store, group);
    store.WriteProfileIntValue("Format", side.m_iFormat);
    const std::vector<int> fields(side.m_iFields.begin(), side.m_iFields.end());
    const std::vector<int> sizes(side.m_iSizes.begin(), side.m_iSizes.end());
    store.WriteProfileStringValue("Fields", FormatIntList(fields, 0));
    // Counted, not ended by the first 0: a width of 0 must not cut off the widths after it.
    store.WriteProfileStringValue("FieldSizes", FormatIntList(sizes, count));
    if (withLabels)
        store.WriteProfileIntValue("Labels", side.m_bLabels);
    store.CloseProfileKey();
}

} // namespace

std::size_t CIOFormatSide::FieldCount() const
{
    std::size_t count = 0;
    while (count < kMaxFlatFileFields && m_iFields[count] != 0)
        ++count;
    return count;
}

CIOFormatSettings* GetIOFormatSettings()
{
    return FormatRecord().get();
}

void SetIOFormatSettings(std::unique_ptr<CIOFormatSettings> settings)
{
    FormatRecord() = std::move(settings);
}

CIOFormatSettings DefaultIOFormatSettings()
{
    CIOFormatSide side;
    for (std::size_t i = 0; i < std::size(kDefaultFields); ++i) {
        side.m_iFields[i] = kDefaultFields[i];
        side.m_iSizes[i] = GetItemColumnDefaultSize(kDefaultFields[i]);
    }
    return {side, side};
}

void LoadIOFormats(CProfileStore& store, DefaultsPolicy defaults)
{
    OpenSettingsGroup(store, kExportFormatGroup);
    const bool stored = store.GetProfileStringValue("Fields").has_value();
    store.CloseProfileKey();
    if (!stored) {
        WriteDefaultIOFormats(store, defaults);
        return;
    }
    auto settings = std::make_unique<CIOFormatSettings>();
    settings->m_export = ReadSide(store, kExportFormatGroup);
    settings->m_import = ReadSide(store, kImportFormatGroup);
    SetIOFormatSettings(std::move(settings));
}

void SaveIOFormats(CProfileStore& store, int side)
{
    const CIOFormatSettings* settings = GetIOFormatSettings();
    if (settings == nullptr)
        return;
    CProfileBatch batch(store);
    if (side == 1)
        WriteSide(store, kExportFormatGroup, settings->m_export, true);
    WriteSide(store, kImportFormatGroup, settings->m_import, false);
}

void WriteDefaultIOFormats(CProfileStore& store, DefaultsPolicy defaults)
{
    SetIOFormatSettings(std::make_unique<CIOFormatSettings>(DefaultIOFormatSettings()));
    if (defaults == DefaultsPolicy::Write)
        SaveIOFormats(store, 1);
}

#include "model/settings/UnitTable.h"

#include "model/eval/Evaluator.h"
#include "model/settings/DefaultUnitRows.h"
#include "model/text/TextUtil.h"
#include "platform/core/SettingsStore.h"

#include <cstdio>
#include <string>

namespace {

std::vector<CUnitRow>& UnitList()
{
    static std::vector<CUnitRow> rows;
    return rows;
}

std::string UnitValueName(int index)
{
    char name[16];
    std::snprintf(name, sizeof name, "Unit%2.2d", index);
    return name;
}

// The text after the first `count` fields, for a description that holds unquoted commas.
std::string_view TextAfterFields(std::string_view text, int count)
{
    std::string ignored;
    for (int i = 0; i < count; ++i)
        NextToken(text, ignored, nullptr, ",", true, true);
    return text;
}

std::vector<CUnitRow> ReadUnitRows(CProfileStore& store)
{
    std::vector<CUnitRow> rows;
    OpenSettingsGroup(store, kUnitsGroup);
    for (int index = 0; index < kMaxUnitRows; ++index) {
        const std::optional<std::string> text = store.GetProfileStringValue(UnitValueName(index));
        if (!text)
            break;
        if (std::optional<CUnitRow> row = ParseUnitRow(*text))
            rows.push_back(std::move(*row));
    }
    store.CloseProfileKey();
    return rows;
}

std::vector<CUnitRow> ParsedDefaultRows()
{
    std::vector<CUnitRow> rows;
    for (std::string_view text : DefaultUnitRows())
        if (std::optional<CUnitRow> row = ParseUnitRow(text))
            rows.push_back(std::move(*row));
    return rows;
}

} // namespace

const std::vector<CUnitRow>& GetUnitList()
{
    return UnitList();
}

void SetUnitList(std::vector<CUnitRow> rows)
{
    UnitList() = std::move(rows);
}

void ClearUnitList()
{
    UnitList().clear();
}

void FreeUnitList()
{
    std::vector<CUnitRow>().swap(UnitList());
}

std::optional<CUnitRow> ParseUnitRow(std::string_view text)
{
    std::vector<std::string> fields = SplitToList(text, ",", true, true);
    if (fields.size() < 3)
        return std::nullopt;
    CUnitRow row;
    row.m_strUnit = std::move(fields[0]);
    row.m_strAlternateUnit = std::move(fields[1]);
    row.m_strConversion = std::move(fields[2]);
    if (fields.size() == 4) {
        row.m_strDescription = std::move(fields[3]);
    } else if (fields.size() > 4) {
        row.m_strDescription = TextAfterFields(text, 3);
        TrimLeftChars(row.m_strDescription, " \t");
        TrimRightChars(row.m_strDescription, " \t");
    }
    row.m_dFactor = EvaluateExpression(row.m_strConversion.c_str());
    return row;
}

std::string FormatUnitRow(std::string_view unit, std::string_view alternateUnit,
                          std::string_view conversion, std::string_view description)
{
    return QuoteCsvField(unit) + ',' + QuoteCsvField(alternateUnit) + ',' +
           QuoteCsvField(conversion) + ',' + QuoteCsvField(description);
}

bool WriteUnitRow(CProfileStore& store, int index, std::string_view unit,
                  std::string_view alternateUnit, std::string_view conversion,
                  std::string_view description)
{
    if (index < 0 || index >= kMaxUnitRows)
        return false;
    return store.WriteProfileStringValue(UnitValueName(index),
                                         FormatUnitRow(unit, alternateUnit, conversion, description));
}

int LoadUnits(CProfileStore& store, DefaultsPolicy defaults)
{
    std::vector<CUnitRow> rows = ReadUnitRows(store);
    if (rows.empty()) {
        if (defaults == DefaultsPolicy::InMemory)
            rows = ParsedDefaultRows();
        else if (WriteDefaultUnits(store) > 0)
            rows = ReadUnitRows(store);
    }
    if (rows.empty())
        return 1;
    SetUnitList(std::move(rows));
    return 0;
}

int WriteDefaultUnits(CProfileStore& store)
{
    CProfileBatch batch(store);
    OpenSettingsGroup(store, kUnitsGroup);
    int written = 0;
    for (std::string_view text : DefaultUnitRows())
        if (written < kMaxUnitRows && store.WriteProfileStringValue(UnitValueName(written), text))
            ++written;
    store.CloseProfileKey();
    return written;
}

int SaveUnitRows(CProfileStore& store)
{
    CProfileBatch batch(store);
    OpenSettingsGroup(store, kUnitsGroup);
    int written = 0;
    for (const CUnitRow& row : GetUnitList())
        if (WriteUnitRow(store, written, row.m_strUnit, row.m_strAlternateUnit,
                         row.m_strConversion, row.m_strDescription))
            ++written;
    store.CloseProfileKey();
    return written;
}

bool DeleteUnitRows(CProfileStore& store)
{
    OpenSettingsGroup(store, {});
    const bool deleted = store.DeleteProfileSection(kUnitsGroup);
    store.CloseProfileKey();
    return deleted;
}

bool WriteUnitRowToStore(int index, std::string_view unit, std::string_view alternateUnit,
                         std::string_view conversion, std::string_view description)
{
    CProfileStore store;
    OpenSettingsGroup(store, kUnitsGroup);
    return WriteUnitRow(store, index, unit, alternateUnit, conversion, description);
}

void ReloadUnits()
{
    ClearUnitList();
    CProfileStore store;
    LoadUnits(store, DefaultsPolicy::Write);
}

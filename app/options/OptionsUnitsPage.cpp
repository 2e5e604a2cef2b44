#include "app/options/OptionsUnitsPage.h"

#include "model/settings/SettingsGroups.h"
#include "model/settings/UnitTable.h"
#include "platform/core/SettingsStore.h"

namespace {

enum : std::size_t { kUnit, kAlternateUnit, kConversion, kDescription };

// Replaces the stored rows by these, numbered from 0.
void StoreUnitRows(const std::vector<std::vector<std::string>>& rows)
{
    CProfileStore store;
    CProfileBatch batch(store);
    DeleteUnitRows(store);
    OpenSettingsGroup(store, kUnitsGroup);
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const std::vector<std::string>& row = rows[index];
        WriteUnitRow(store, int(index), row[kUnit], row[kAlternateUnit], row[kConversion], row[kDescription]);
    }
    store.CloseProfileKey();
}

} // namespace

COptionsUnitsPage::COptionsUnitsPage() : COptionsGridPage(IDD, "Units") {}

void COptionsUnitsPage::FillControls()
{
    m_grid.SetColumns({{"Unit", 10}, {"Alt Unit", 14}, {"Conversion", 35}, {"Description", 36}});
    std::vector<std::vector<std::string>> rows;
    for (const CUnitRow& row : GetUnitList())
        rows.push_back({row.m_strUnit, row.m_strAlternateUnit, row.m_strConversion, row.m_strDescription});
    m_grid.FillRows(rows, kMaxUnitRows);
}

std::optional<std::string> COptionsUnitsPage::ProblemWithRows()
{
    // The store numbers its rows with two digits: rows past the hundredth would be lost.
    const std::size_t count = GetUnitRows().size();
    if (count <= std::size_t(kMaxUnitRows))
        return std::nullopt;
    return "At most " + std::to_string(kMaxUnitRows) + " unit rows can be kept; the table has " +
           std::to_string(count) + ". Delete the rows that are not needed.";
}

std::vector<std::vector<std::string>> COptionsUnitsPage::GetUnitRows()
{
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < m_grid.GetRowCount(); ++row) {
        std::vector<std::string> texts = m_grid.RowTexts(row);
        if (!texts[kUnit].empty() && !texts[kAlternateUnit].empty() && !texts[kConversion].empty())
            rows.push_back(std::move(texts));
    }
    return rows;
}

void COptionsUnitsPage::OnOK()
{
    const std::vector<std::vector<std::string>> rows = GetUnitRows();
    StoreUnitRows(rows);
    // With no row left the defaults come back.
    if (rows.empty()) {
        ReloadUnits();
        return;
    }
    // Taken as stored, but from the page: settings that could not be written still hold for the run.
    std::vector<CUnitRow> table;
    for (const std::vector<std::string>& row : rows)
        if (std::optional<CUnitRow> unit = ParseUnitRow(
                FormatUnitRow(row[kUnit], row[kAlternateUnit], row[kConversion], row[kDescription])))
            table.push_back(std::move(*unit));
    SetUnitList(std::move(table));
}

#pragma once

#include "model/records/BidderInfo.h"
#include "model/settings/SettingsGroups.h"

#include <optional>
#include <string_view>
#include <vector>

class CProfileStore;

// "Unit00" to "Unit99" of the "Units" group.
inline constexpr int kMaxUnitRows = 100;

// The program-wide unit conversion table, in stored order, which is the search order.
const std::vector<CUnitRow>& GetUnitList();
void SetUnitList(std::vector<CUnitRow> rows);
void ClearUnitList();
// Empties the table and gives back its memory (at exit).
void FreeUnitList();

// "unit,alternate unit,conversion[,description]": fields trimmed, a field in double quotes may
// hold commas. Fewer than three fields: nothing. The factor is the conversion evaluated (the
// evaluator's invalid value when it cannot be). A description with unquoted commas is kept whole.
std::optional<CUnitRow> ParseUnitRow(std::string_view text);
// The stored text of a row: each field quoted where it needs it.
std::string FormatUnitRow(std::string_view unit, std::string_view alternateUnit,
                          std::string_view conversion, std::string_view description);

// Writes "Unit%2.2d" into the open "Units" group; false for an index outside 0..99.
bool WriteUnitRow(CProfileStore& store, int index, std::string_view unit,
                  std::string_view alternateUnit, std::string_view conversion,
                  std::string_view description);

// Reads the rows up to the first missing index; rows that do not parse are left out. When none
// are there the default rows are taken (and with DefaultsPolicy::Write written first). 0 when
// the table was replaced, 1 when no row could be had.
int LoadUnits(CProfileStore& store, DefaultsPolicy defaults);
int WriteDefaultUnits(CProfileStore& store);
// The table's rows as "Unit00" onwards; the number written (at most 100).
int SaveUnitRows(CProfileStore& store);
bool DeleteUnitRows(CProfileStore& store);
// One row into the program's own settings.
bool WriteUnitRowToStore(int index, std::string_view unit, std::string_view alternateUnit,
                         std::string_view conversion, std::string_view description);
// The table again from the program's own settings.
void ReloadUnits();

#pragma once

#include "model/settings/SettingsGroups.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

class CProfileStore;

inline constexpr std::size_t kMaxFlatFileFields = 30;
// The flat-file formats in the order of their table: CSV, CS2, TAB, DIF, COL, WK1, DAT.
inline constexpr int kFlatFileFormatCount = 7;
inline constexpr int kCsvFormatIndex = 0;
// The longest line a fixed-column import reads; no column is wider.
inline constexpr int kMaxFlatFieldSize = 4096;

// One direction of flat-file import or export.
struct CIOFormatSide {
    int32_t m_iFormat = kCsvFormatIndex; // index into the flat-file format table
    int32_t m_bLabels = 1;               // a first row of field names
    std::array<int32_t, kMaxFlatFileFields + 1> m_iFields{}; // item column ids, ended by 0
    std::array<int32_t, kMaxFlatFileFields + 1> m_iSizes{};  // column widths, parallel to the ids

    std::size_t FieldCount() const;

    bool operator==(const CIOFormatSide&) const = default;
};

// The program-wide flat-file settings.
struct CIOFormatSettings {
    CIOFormatSide m_import;
    CIOFormatSide m_export;

    bool operator==(const CIOFormatSettings&) const = default;
};

// Null before the settings are loaded.
CIOFormatSettings* GetIOFormatSettings();
// Replaces the record as a whole (null frees it).
void SetIOFormatSettings(std::unique_ptr<CIOFormatSettings> settings);

// Both sides: fields 1,2,3,4,5,6,8 with their default widths, CSV, with labels.
CIOFormatSettings DefaultIOFormatSettings();

// From "IO\Export" and "IO\Import"; when "IO\Export" has no "Fields" the defaults are taken
// (and with DefaultsPolicy::Write written). A format outside the table reads as CSV, a width
// that is missing or out of range as the column's default width.
void LoadIOFormats(CProfileStore& store, DefaultsPolicy defaults);
// side 1: "IO\Export" and then "IO\Import"; side 0: only "IO\Import". The import side's labels
// flag is never written.
void SaveIOFormats(CProfileStore& store, int side);
void WriteDefaultIOFormats(CProfileStore& store, DefaultsPolicy defaults);

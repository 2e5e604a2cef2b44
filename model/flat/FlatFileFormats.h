#pragma once

#include "model/flat/FlatFileJob.h"

#include <span>
#include <string_view>

// One row of the flat-file format table. Binary formats are opened "rb"/"wb", the others
// "rt"/"wt"; the text exports write their own CR LF line ends either way.
struct FlatFileFormat {
    std::string_view m_code;
    std::string_view m_description;
    bool m_bBinary;
    FlatFileFunction m_pExport;
    FlatFileFunction m_pImport;
};

// The formats in their fixed order: the settings store a format by its index here.
std::span<const FlatFileFormat> GetFlatFileFormatTable();
// The format at a stored index; null for an index outside the table.
const FlatFileFormat* GetFlatFileFormatAt(int index);

// The index of the format with that code (ignoring case); -1 for an empty or unknown code.
int FindFlatFileFormat(std::string_view code);
// That format's row; null for an empty or unknown code.
const FlatFileFormat* GetFlatFileFormat(std::string_view code);

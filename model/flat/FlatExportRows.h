#pragma once

#include "model/flat/FlatFileJob.h"
#include "model/records/ItemColumns.h"

#include <functional>
#include <string>
#include <vector>

// One exported row: an item of the schedule and the values of the export fields.
struct CFlatExportRow {
    int m_iRow = 0; // from 1, in list order
    std::vector<CItemColumnValue> m_values;

    std::string_view Text(std::size_t field) const
    {
        const auto& text = m_values[field].text;
        return text ? std::string_view(*text) : std::string_view();
    }
};

// Calls `visit` for every item of the job's proposal in list order; section rows are not rows of
// their own, they give the items after them their section.
void ForEachFlatExportRow(const FlatFileJob& job, const std::function<void(const CFlatExportRow&)>& visit);
int CountFlatExportRows(const FlatFileJob& job);
// The names of the export fields, for a first row.
std::vector<std::string_view> FlatExportFieldNames(const FlatFileJob& job);

#pragma once

#include "model/files/TvbOutput.h"
#include "model/records/DataArray.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

class CProp;
class CWinMeta;

// Writes the proposal's records in the file's order as one gzip stream on `output`: the magic,
// the version, the header, counties, sites, notes, bidder, formats, items, forms, pick lists,
// other reports, bid caps, plates and the end record. Returns a TvbResult; `overflow` (when given)
// says what did not fit the format when that was the failure (CTvbRecordWriter::Overflow).
int WriteTvbStream(CProp& prop, CTvbOutput& output, std::string* overflow = nullptr);

// The forms, in the file's order (MBE, WBE, DBE, miscellaneous, bid bond).
void WriteTvbForms(CProp& prop, CTvbRecordWriter& out);

// Gives every row of every form exactly one cell per field, as the file stores it, so that the
// checksum of the proposal in memory is the checksum of what is read back. True when a row
// changed.
bool NormalizeFormRows(CProp& prop);

// Every form the proposal has: DBE, MBE, WBE, bid bond, then the miscellaneous ones.
std::vector<CWinMeta*> AllFormsOf(const CProp& prop);

// A list's count record, then for each element its opening record and what `write` writes of
// it. The empty slots a list may hold are not written.
template <class T, class Write>
void WriteTvbList(CTvbRecordWriter& out, uint16_t countTag, uint16_t openTag, const CDataArray<T>& list,
                  Write write)
{
    out.Count(countTag, std::size_t(std::count_if(list.begin(), list.end(), [](const auto& record) {
                  return record != nullptr;
              })));
    for (const auto& record : list) {
        if (!record)
            continue;
        out.Group(openTag);
        write(*record, out);
    }
}

#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CProp;
class CFlatImportState;

// Field lists hold item column ids (model/records/ItemColumns.h), ended by 0, at most 30 of them;
// the width lists run parallel. The import/export format settings keep lists of this shape.
inline constexpr int kMaxFlatFields = 30;
using FlatFieldList = std::array<int32_t, kMaxFlatFields + 1>;

// The entries before the first 0 (at most 30).
std::span<const int32_t> ActiveFlatFields(const FlatFieldList& list);
// A list of the given entries (those past 30 are dropped), ended by 0.
FlatFieldList MakeFlatFieldList(std::initializer_list<int32_t> entries);
// The fields a new installation exports and imports: 1, 2, 3, 4, 5, 6, 8.
FlatFieldList DefaultFlatFields();
// Each field's default width, parallel to the list.
FlatFieldList DefaultFlatWidths(const FlatFieldList& fields);

// A widths list entry as the formats use it: negative widths are 0, and none exceeds this, so a
// damaged setting cannot make a row of gigabytes.
inline constexpr int kMaxFlatFieldWidth = 4096;
int FlatFieldWidth(const FlatFieldList& widths, std::size_t column);

// Results of an import function: one row per call.
enum FlatRowResult {
    FLAT_ROW_APPLIED = 0,
    FLAT_ROW_NO_ITEM = 1,    // the row names no item of the proposal
    FLAT_ROW_END = 2,        // end of the file, or reading stopped (see m_strError)
    FLAT_ROW_BAD_VALUE = 3,  // the row's price or quantity cannot be evaluated; nothing was stored
    FLAT_ROW_FIXED_PRICE = 4, // the agency fixes the item's price: it stays, only a quantity is taken
};

// Results of an export function.
enum FlatExportResult {
    FLAT_EXPORT_DONE = 0,
    FLAT_EXPORT_WRITE_FAILED = 1,
    FLAT_EXPORT_TOO_MANY_ROWS = 2, // more items than a 1-2-3 worksheet has rows
    FLAT_EXPORT_NUMBER_TOO_WIDE = 3, // a number would be cut to its width (see m_numbersTooWide)
};

const char* GetFlatRowResultText(int result);
const char* GetFlatExportResultText(int result);

struct FlatFileJob;
// A format's export or import function.
using FlatFileFunction = int (*)(FlatFileJob& job);

// One transfer between the open proposal and an open file, filled by the caller. The import
// functions keep their reading state in it from one row to the next.
struct FlatFileJob {
    FlatFileJob();
    ~FlatFileJob();
    FlatFileJob(const FlatFileJob&) = delete;
    FlatFileJob& operator=(const FlatFileJob&) = delete;

    int32_t m_bLabels = 0; // export: a first row of field names (CSV, CS2, WK1; TAB always)
    FlatFieldList m_importFields{};
    FlatFieldList m_exportFields{};
    FlatFieldList m_importWidths{};
    FlatFieldList m_exportWidths{};
    CProp* m_pProp = nullptr;
    std::FILE* m_pFile = nullptr;

    // After FLAT_ROW_NO_ITEM or FLAT_ROW_BAD_VALUE: where the row is ("line 12", "row 3") and
    // what is wrong with it. After FLAT_ROW_END: why reading stopped, empty at a clean end.
    std::string m_strRowPlace;
    std::string m_strProblem;
    std::string m_strError;
    // After FLAT_ROW_APPLIED or FLAT_ROW_FIXED_PRICE: the index of the row's item in the list, and
    // whether the row leaves it without a price (an empty price, or one the proposal's rules make
    // "not entered").
    int m_iRowItem = -1;
    bool m_bPriceCleared = false;
    // After FLAT_EXPORT_NUMBER_TOO_WIDE: each number that would not be written whole, "line 0010:
    // UnitPrice 161640.28 needs 9 characters, its column 7".
    std::vector<std::string> m_numbersTooWide;

    CFlatImportState& ImportState();

private:
    std::unique_ptr<CFlatImportState> m_pImportState;
};

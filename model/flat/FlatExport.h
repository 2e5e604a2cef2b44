#pragma once

#include "model/flat/FlatFileJob.h"
#include "model/records/ItemColumns.h"

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
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

// How an export writes numbers: as worksheet numbers, whole whatever the column's width; as text;
// or as text in columns of the export widths.
enum class FlatNumbers { Cells, Text, Columns };

// Calls `visit` for every item of the job's proposal in list order; section rows are not rows of
// their own, they give the items after them their section. Numbers written as text that would
// not stand whole are noted in the job.
void ForEachFlatExportRow(FlatFileJob& job, FlatNumbers numbers,
                          const std::function<void(const CFlatExportRow&)>& visit);
int CountFlatExportRows(const FlatFileJob& job);
// The names of the export fields, for a first row.
std::vector<std::string_view> FlatExportFieldNames(const FlatFileJob& job);

// Buffered output of an export that remembers whether every byte reached the file. Text lines
// end with CR LF, as the agency's and spreadsheet users' Windows tools expect.
class CFlatOutput {
public:
    explicit CFlatOutput(std::FILE* file) : m_file(file) { m_buffer.reserve(kBufferSize); }

    void Write(std::string_view bytes);
    void EndLine() { Write("\r\n"); }
    void WriteLine(std::string_view text)
    {
        Write(text);
        EndLine();
    }
    // Writes what is buffered and flushes the file: FLAT_EXPORT_DONE, or FLAT_EXPORT_WRITE_FAILED
    // when any write failed.
    int Finish();

private:
    static constexpr std::size_t kBufferSize = 1 << 16;

    void Flush();

    std::FILE* m_file;
    std::string m_buffer;
    bool m_failed = false;
};

inline constexpr std::size_t kAnyFlatWidth = std::string_view::npos;

// Whether a number's text stands whole in `room` characters: not longer, and not the asterisks
// that a number format writes for a number wider than it.
bool FlatNumberFits(std::string_view text, std::size_t room);
// Notes in the job a number that does not: where it is ("line 0010"), the field's name, its text
// as written and its value with its decimals.
void NoteFlatNumberTooWide(FlatFileJob& job, const std::string& place, std::string_view field, std::string_view text,
                           double number, int decimals, std::size_t room);
// The result of an export that wrote to `out`: FLAT_EXPORT_NUMBER_TOO_WIDE when it noted a number
// that does not fit, else whether every byte was written.
int FinishFlatExport(const FlatFileJob& job, CFlatOutput& out);

// Runs an export into memory, so that the caller can write the file whole through the atomic file:
// the export's result, with the bytes it wrote in `bytes`.
int ExportFlatBytes(FlatFileFunction exportRows, FlatFileJob& job, std::string& bytes);

// A field's text on one line: each line break, and each character of `alsoBlank`, becomes a blank.
std::string OnOneLine(std::string_view text, std::string_view alsoBlank = {});

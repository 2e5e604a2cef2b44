#pragma once

#include "model/flat/FlatFileJob.h"
#include "model/flat/FlatRow.h"

#include <optional>
#include <string_view>

// Reads one row of a format into `row`: false at the end of the file or when reading stopped, the
// reason then in job.m_strError.
using FlatRowReader = bool (*)(FlatFileJob& job, CFlatRow& row);

// The import of one row common to every format: reads rows until one that is not a row of field
// names and applies it. A FlatRowResult.
int ImportFlatRow(FlatFileJob& job, FlatRowReader read);

// Sets the unit price of the row's item (not of a fixed-price item, whose price the agency gives)
// and, where the item lets the bidder enter it, its quantity. A text reads as an amount the bidder
// types, a formula with "@QUAN" set to the item's quantity; an empty one clears the value. A
// value that does not evaluate changes nothing and gives FLAT_ROW_BAD_VALUE.
int ApplyFlatRow(FlatFileJob& job, const CFlatRow& row);

// A plain decimal ("12.50", "-3"), which most rows hold, read exactly as the evaluator reads it but
// without its cost; nullopt for any other text.
std::optional<double> ReadPlainDecimal(std::string_view text);

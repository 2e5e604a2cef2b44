#pragma once

#include "model/flat/FlatFileJob.h"

#include <string>
#include <vector>

// What an import of a whole file did, for the user's report.
struct CFlatImportReport {
    static constexpr std::size_t kMaxProblems = 1000; // the rest are only counted

    int m_iLines = 0;         // rows read, with or without an item
    int m_iPricesLoaded = 0;  // rows applied
    int m_iProblemRows = 0;   // rows naming no item, or with a value that does not evaluate
    std::vector<std::string> m_problems; // "line 7: no item has the line number "0070""
    std::string m_strError;   // why reading stopped before the end, or empty
};

using FlatImportFunction = int (*)(FlatFileJob& job);

// Calls the import function until it reports the end of the file.
CFlatImportReport RunFlatImport(FlatFileJob& job, FlatImportFunction import);

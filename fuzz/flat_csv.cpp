// Comma-separated rows (CSV and CS2) into a small proposal.
#include "fuzz/FlatImportFuzz.h"
#include "model/flat/FlatFormats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzFlatImport(ImportCsv, data, size);
}

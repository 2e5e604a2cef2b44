// Tab-separated rows into a small proposal.
#include "fuzz/FlatImportFuzz.h"
#include "model/flat/FlatFormats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzFlatImport(ImportTab, data, size);
}

// The proposal file from hostile bytes (gzipped or plain): loading refuses or succeeds without a
// sanitizer report, and whatever loads saves and reads back with the checksum it was saved with.
#include "model/files/Checksum.h"
#include "model/files/TvbFile.h"
#include "model/records/Prop.h"

#include "fuzz/support/ScratchFolder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

std::string PathOf(const char* name)
{
    return std::string(FuzzScratchFolder("tvb")) + "/" + name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string input = PathOf("input.tvb");
    static const std::string saved = PathOf("saved.tvb");
    WriteFuzzInput(input.c_str(), data, size);
    std::unique_ptr<CProp> prop;
    if (LoadTvbFile(prop, input, true) != kTvbNoError)
        return 0;
    // A text of a database field without a comma gains one when written, and may then not fit.
    if (SaveTvbFile(*prop, saved) != kTvbNoError)
        return 0;
    std::unique_ptr<CProp> again;
    if (LoadTvbFile(again, saved, true) != kTvbNoError)
        std::abort();
    if (ComputeProposalChecksum(again.get()) != prop->m_dwStoredChecksum)
        std::abort();
    return 0;
}

// The proposal file from hostile bytes (gzipped or plain): loading refuses or succeeds without a
// sanitizer report, and whatever loads saves and reads back with the checksum it was saved with.
#include "model/files/Checksum.h"
#include "model/files/TvbFile.h"
#include "model/records/Prop.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

// Plain arrays, so that the clean-up at exit never meets a destroyed string. Memory-backed when
// the system has it: every save is flushed to disk before it replaces the file.
char g_folder[] = "/dev/shm/zod-fuzz-tvb-XXXXXX";
char g_input[sizeof g_folder + 16];
char g_saved[sizeof g_folder + 16];

void PrepareFolder()
{
    static const bool ready = [] {
        if (mkdtemp(g_folder) == nullptr) {
            std::snprintf(g_folder, sizeof g_folder, "/tmp/zod-tvb-XXXXXX");
            if (mkdtemp(g_folder) == nullptr)
                std::abort();
        }
        std::snprintf(g_input, sizeof g_input, "%s/input.tvb", g_folder);
        std::snprintf(g_saved, sizeof g_saved, "%s/saved.tvb", g_folder);
        std::atexit([] {
            std::remove(g_input);
            std::remove(g_saved);
            std::remove(g_folder);
        });
        return true;
    }();
    (void)ready;
}

void WriteInput(const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(g_input, "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PrepareFolder();
    WriteInput(data, size);
    std::unique_ptr<CProp> prop;
    if (LoadTvbFile(prop, g_input, true) != kTvbNoError)
        return 0;
    // A text of a database field without a comma gains one when written, and may then not fit.
    if (SaveTvbFile(*prop, g_saved) != kTvbNoError)
        return 0;
    std::unique_ptr<CProp> again;
    if (LoadTvbFile(again, g_saved, true) != kTvbNoError)
        std::abort();
    if (ComputeProposalChecksum(again.get()) != prop->m_dwStoredChecksum)
        std::abort();
    return 0;
}

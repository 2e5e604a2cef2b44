// The record-file reader as the ".BIN" pick-list loader drives it: the u16 count, then entries up
// to their NUL, then plain reads, over a file that is the fuzzer's input.
#include "model/files/PackFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace {

// A plain array, so that the clean-up at exit never meets a destroyed string.
char g_file[] = "/tmp/zod-fuzz-record-XXXXXX";

const char* RecordFile()
{
    static const bool ready = [] {
        const int descriptor = mkstemp(g_file);
        if (descriptor < 0)
            std::abort();
        close(descriptor);
        std::atexit([] { std::remove(g_file); });
        return PackFileInit(nullptr, 0, 4096) == 1;
    }();
    if (!ready)
        std::abort();
    return g_file;
}

void WriteInput(const char* path, const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(path, "wb");
    if (!file || std::fwrite(data, 1, size, file) != size)
        std::abort();
    std::fclose(file);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* path = RecordFile();
    WriteInput(path, data, size);
    PackFilePtr file = PackFileOpen(path, "rb", nullptr, 4096);
    if (!file)
        std::abort();
    std::vector<uint8_t> entry(kPackEntryMax);
    const unsigned count = PackFileReadCount(file.get());
    for (unsigned i = 0; i < count && PackFileReadRecord(file.get(), entry.data(), 0) > 0; ++i) {
    }
    while (PackFileReadRecord(file.get(), entry.data(), 1000) > 0) {
    }
    PackFileClose(std::move(file));
    return 0;
}

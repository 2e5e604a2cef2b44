#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

// A folder for the files a fuzz target writes, memory-backed when the system has it, removed with
// everything in it at exit. Its path is a plain array, so that the clean-up at exit never meets a
// destroyed string.
inline const char* FuzzScratchFolder(const char* target)
{
    static char folder[96];
    static const bool ready = [target] {
        std::snprintf(folder, sizeof folder, "/dev/shm/zod-fuzz-%s-XXXXXX", target);
        if (mkdtemp(folder) == nullptr) {
            std::snprintf(folder, sizeof folder, "/tmp/zod-fuzz-%s-XXXXXX", target);
            if (mkdtemp(folder) == nullptr)
                std::abort();
        }
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        });
        return true;
    }();
    (void)ready;
    return folder;
}

// The fuzzer's input as a file; a failure to write it ends the run, as no input is to blame.
inline void WriteFuzzInput(const char* path, const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(path, "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        std::abort();
}

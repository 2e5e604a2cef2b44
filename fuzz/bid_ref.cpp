// The price reference file: the first line of the input is the item number, the rest is "ZOD.REF".
#include "model/files/BidRefPrice.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A plain array, so that the clean-up at exit never meets a destroyed string.
char g_folder[] = "/tmp/zod-fuzz-XXXXXX";
char g_file[sizeof g_folder + 8];

const char* ReferenceFile()
{
    static const bool ready = [] {
        if (mkdtemp(g_folder) == nullptr)
            std::abort();
        setenv("TVB_BID", g_folder, 1);
        std::snprintf(g_file, sizeof g_file, "%s/ZOD.REF", g_folder);
        std::atexit([] {
            std::remove(g_file);
            std::remove(g_folder);
        });
        return true;
    }();
    (void)ready;
    return g_file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t feed = input.find('\n');
    BidRefItem item;
    item.itemNumber = input.substr(0, feed);
    item.quantity = double(size);
    std::FILE* file = std::fopen(ReferenceFile(), "wb");
    if (file == nullptr)
        return 0;
    if (feed != std::string::npos)
        std::fwrite(input.data() + feed + 1, 1, input.size() - feed - 1, file);
    std::fclose(file);
    double price = 0;
    LookupBidRefPrice(&item, &price);
    return 0;
}

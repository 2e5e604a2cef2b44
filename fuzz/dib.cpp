#include "platform/dib/Dib.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CDib dib;
    if (dib.LoadFromMemory(data, size)) {
        // Touch every decoded pixel so a wrong size shows up under the sanitizers.
        uint32_t sum = 0;
        for (uint32_t pixel : dib.GetImage().pixels)
            sum += pixel;
        volatile uint32_t sink = sum;
        (void)sink;
    }
    return 0;
}

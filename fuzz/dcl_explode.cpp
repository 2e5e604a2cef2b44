// DCL explode over the fuzzer's input, read in the chunks the record layer uses.
#include "model/files/Dcl.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

struct Input {
    const uint8_t* m_data;
    size_t m_left;
    uint64_t m_expanded = 0;
};

size_t Read(uint8_t* buffer, size_t size, void* user)
{
    auto& input = *static_cast<Input*>(user);
    const size_t count = std::min(size, input.m_left);
    std::memcpy(buffer, input.m_data, count);
    input.m_data += count;
    input.m_left -= count;
    return count;
}

// Touches every byte written, so that a write from outside the window shows under the sanitizers.
bool Write(const uint8_t* buffer, size_t count, void* user)
{
    uint8_t sum = 0;
    for (size_t i = 0; i < count; ++i)
        sum = uint8_t(sum + buffer[i]);
    volatile uint8_t sink = sum;
    (void)sink;
    static_cast<Input*>(user)->m_expanded += count;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const auto work = std::make_unique<CDclWorkArea>();
    Input input{data, size};
    DclExplode(Read, Write, *work, &input);
    return 0;
}

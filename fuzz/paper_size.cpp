// The system's papersize file holding arbitrary bytes.
#include "platform/core/PaperSetting.h"

#include <cctype>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string name = platform::PaperNameIn(std::string_view(reinterpret_cast<const char*>(data), size));
    if (name.size() > 32)
        __builtin_trap();
    for (char c : name)
        if (std::isspace(static_cast<unsigned char>(c)) || std::isupper(static_cast<unsigned char>(c)))
            __builtin_trap();
    return 0;
}

#include "platform/core/FormatText.h"

#include <cstdio>

namespace platform {

std::string FormatTextV(const char* format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0)
        return {};
    std::string text(std::size_t(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(std::size_t(length));
    return text;
}

} // namespace platform

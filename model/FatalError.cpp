#include "model/FatalError.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {

std::string FormatMessage(const char* format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0)
        return {};
    std::vector<char> text(std::size_t(length) + 1);
    std::vsnprintf(text.data(), text.size(), format, args);
    return std::string(text.data(), std::size_t(length));
}

} // namespace

void FatalError(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string message = FormatMessage(format, args);
    va_end(args);
    throw CFatalError(message);
}

int Warning(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const std::string message = FormatMessage(format, args);
    va_end(args);
    std::printf("Warning: %s\n", message.c_str());
    std::fflush(stdout);
    return 0;
}

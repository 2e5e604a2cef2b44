#include "model/text/FatalError.h"

#include "platform/core/FormatText.h"

#include <cstdarg>
#include <cstdio>

void FatalError(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string message = platform::FormatTextV(format, args);
    va_end(args);
    throw CFatalError(message);
}

int Warning(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const std::string message = platform::FormatTextV(format, args);
    va_end(args);
    std::printf("Warning: %s\n", message.c_str());
    std::fflush(stdout);
    return 0;
}

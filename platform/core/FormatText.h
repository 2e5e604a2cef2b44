#pragma once

#include <cstdarg>
#include <string>

namespace platform {

// A printf-style message of any length (the C locale's number formats).
std::string FormatTextV(const char* format, va_list args);

} // namespace platform

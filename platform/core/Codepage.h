#pragma once

#include <string>
#include <string_view>

namespace platform {

// The model keeps text as Windows-1252 bytes, as in the agency's files; the GUI speaks UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);

// Characters that Windows-1252 cannot hold become '?'; malformed UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view utf8);

} // namespace platform

#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace platform {

// File system paths are the system's own bytes, not program text.
QString PathToQString(std::string_view path);
std::string ToLocal8(const QString& path);

} // namespace platform

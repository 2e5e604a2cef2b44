#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace platform {

// Program text (Windows-1252 bytes) to and from Qt's Unicode.
QString ToQString(std::string_view cp1252);
std::string FromQString(const QString& text);

// File system paths are the system's own bytes, not program text.
QString PathToQString(std::string_view path);
std::string ToLocal8(const QString& path);

} // namespace platform

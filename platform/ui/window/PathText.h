#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace platform {

// File system paths are the system's own bytes, not program text.
QString PathToQString(std::string_view path);
std::string ToLocal8(const QString& path);
// A path (the file system's bytes) as program text (Windows-1252) for messages, titles and
// menus: the one crossing, so that a folder with accented letters reads right.
std::string PathForDisplay(std::string_view path);

} // namespace platform

#pragma once

// The one crossing between the model's Windows-1252 bytes and Qt's Unicode text.
#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString ToQString(std::string_view windowsText);
std::string FromQString(const QString& text);
std::string Utf8ToWindowsText(std::string_view utf8);

} // namespace platform

#include "platform/ui/window/WinText.h"

#include "platform/core/Codepage.h"

#include <algorithm>

namespace {

bool IsAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

namespace platform {

QString ToQString(std::string_view windowsText)
{
    // ASCII reads the same in both encodings; skipping the detour keeps drawing cheap.
    if (IsAscii(windowsText))
        return QString::fromLatin1(windowsText.data(), qsizetype(windowsText.size()));
    std::string utf8 = Cp1252ToUtf8(windowsText);
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

std::string FromQString(const QString& text)
{
    return Utf8ToWindowsText(text.toStdString());
}

std::string Utf8ToWindowsText(std::string_view utf8)
{
    return IsAscii(utf8) ? std::string(utf8) : Utf8ToCp1252(utf8);
}

} // namespace platform

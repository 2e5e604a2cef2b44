#include "model/text/NumberFormat.h"

#include "platform/version/ModuleVersion.h"

#include <cstdint>

namespace {

struct VersionParts {
    int major;
    int minor;
    int revision;
    int build;
};

std::string VersionText(const VersionParts& v)
{
    // The revision is a letter: 0 is "a", 1 is "b".
    std::string text = std::to_string(v.major) + '.' + std::to_string(v.minor) +
                       char(uint8_t('a' + v.revision));
    if (v.build != 0)
        text += '-' + std::to_string(v.build);
    return text;
}

} // namespace

std::string FormatVersionString(int number)
{
    if (number != -1)
        return VersionText({number / 100, number % 100 / 10, number % 10, 0});

    CModuleVersion version;
    if (!version.ReadVersionInfo())
        return {};
    const CModuleVersion::FixedFileInfo& info = version.GetFixedInfo();
    return VersionText({int(info.dwFileVersionMS >> 16), int(info.dwFileVersionMS & 0xFFFF),
                        int(info.dwFileVersionLS >> 16), int(info.dwFileVersionLS & 0xFFFF)});
}

#include "platform/core/SideFileName.h"

#include "platform/core/Paths.h"

#include <climits>
#include <unistd.h>

namespace platform {
namespace {

std::size_t NameMaxOf(const std::string& folder)
{
    const long limit = pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? std::size_t(limit) : std::size_t(NAME_MAX);
}

bool IsUtf8Continuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::string SideFileName(std::string_view fileName, std::string_view suffix, std::size_t nameMax)
{
    const std::size_t room = nameMax > suffix.size() + 1 ? nameMax - suffix.size() - 1 : 0;
    if (fileName.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && IsUtf8Continuation(fileName[cut]))
            --cut;
        fileName = fileName.substr(0, cut);
    }
    return "." + std::string(fileName) + std::string(suffix);
}

std::string SideFilePath(const std::string& target, std::string_view suffix)
{
    const std::string folder = FolderOf(target);
    return JoinPath(folder, SideFileName(FileNameOf(target), suffix, NameMaxOf(folder)));
}

} // namespace platform

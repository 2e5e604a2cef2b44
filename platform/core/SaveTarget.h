#pragma once

#include <optional>
#include <string>

namespace platform {

// The file a save of `path` replaces: the path itself, or, when it is a symbolic link, the file
// at the end of its chain of links, so that the new file goes where the links point and they
// stay links. Nullopt with `error` (errno set) for a loop of links, a link that points to no
// file, and a link another user made in a folder anyone may write to (/tmp): such a link is
// followed only as the kernel itself would follow it.
std::optional<std::string> ResolveSaveTarget(const std::string& path, std::string& error);

} // namespace platform

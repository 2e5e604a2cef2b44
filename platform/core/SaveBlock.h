#pragma once

#include <string>

namespace platform {

// What keeps a save from putting a new file in place of `path`. The permission bits count for the
// super-user too: a file or folder that nobody may write was made so on purpose, as a read-only
// file is on other systems, and a save must not go round that by renaming.
enum class SaveBlock {
    kNone,
    kReadOnlyFile,   // the file is there and may not be written
    kReadOnlyFolder, // its folder may not be written (its permission, or a read-only mount)
};

// For the file a save of `path` replaces: where its links end, as the save follows them.
SaveBlock FindSaveBlock(const std::string& path);

// "Cannot write file <path>: the file is read-only." and the like.
std::string SaveBlockText(SaveBlock block, const std::string& path);

} // namespace platform

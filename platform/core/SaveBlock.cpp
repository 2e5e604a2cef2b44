#include "platform/core/SaveBlock.h"

#include "platform/core/Paths.h"
#include "platform/core/SaveTarget.h"

#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

// Whether the user may do `what` to what is at `path`; true when nothing is there, so that the
// save itself says what is missing.
bool Allowed(const std::string& path, int what)
{
    struct stat info{};
    if (stat(path.c_str(), &info) != 0)
        return true;
    return (info.st_mode & kAnyWrite) != 0 && access(path.c_str(), what) == 0;
}

} // namespace

SaveBlock FindSaveBlock(const std::string& path)
{
    std::string error;
    const std::optional<std::string> target = ResolveSaveTarget(path, error);
    if (!target)
        return SaveBlock::kNone; // the save says what is wrong with the links
    const std::string folder = FolderOf(*target);
    // A read-only mount refuses the file as well: the folder is the reason to give.
    if (!Allowed(folder.empty() ? "." : folder, W_OK | X_OK))
        return SaveBlock::kReadOnlyFolder;
    if (!Allowed(*target, W_OK))
        return SaveBlock::kReadOnlyFile;
    return SaveBlock::kNone;
}

std::string SaveBlockText(SaveBlock block, const std::string& path)
{
    switch (block) {
    case SaveBlock::kReadOnlyFile: return "Cannot write file " + path + ": the file is read-only.";
    case SaveBlock::kReadOnlyFolder: return "Cannot write file " + path + ": its folder cannot be written.";
    case SaveBlock::kNone: break;
    }
    return {};
}

} // namespace platform

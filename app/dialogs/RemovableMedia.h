#pragma once

#include <string>
#include <string_view>
#include <vector>

// Removable drives (USB sticks, memory cards) as the desktop mounts them for the user: below
// /media or /run/media.

// Whether a mount folder is one the desktop makes for a removable drive.
bool IsRemovableMediaFolder(std::string_view mountFolder);

// The mount folders (file-system bytes) of the removable drives mounted now that the user can
// write to, in mount order.
std::vector<std::string> ListRemovableMedia();

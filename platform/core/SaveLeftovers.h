#pragma once

#include <string>

namespace platform {

// A save writes into a temporary file beside its target, ".<name>.saving-XXXXXX" (the name cut
// where the whole would be too long for the folder), and holds a lock on it until it is renamed
// over the target. A save that was killed leaves its file behind, no longer locked: the next save
// of the same target removes it.

// The mkostemp pattern of the target's temporary files.
std::string TemporaryPatternFor(const std::string& target);

// Locks the temporary file just made at `path` (open as `fd`) for as long as the returned
// descriptor is open, also after `fd` is closed; -1 when the file is gone: a sweep of another
// save took it before it was locked (make another), or it could not be locked here.
int LockTemporary(const std::string& path, int fd);

// Removes the target's temporary files that no save holds any longer.
void RemoveAbandonedTemporaries(const std::string& target);

} // namespace platform

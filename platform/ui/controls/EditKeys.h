#pragma once

// The keys an edit control handles itself: typing, moving and selecting, deleting, and the
// clipboard and undo keys. Any other key belongs to the window's accelerators first, though
// Qt's own edits know more (Ctrl+U deletes the whole line on Linux).
class QKeyEvent;

namespace platform {

bool IsEditControlKey(const QKeyEvent& key);

} // namespace platform

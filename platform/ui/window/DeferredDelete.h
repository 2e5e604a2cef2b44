#pragma once

#include <functional>

namespace platform {

// Deletes an object once the handlers on the stack have returned: on the next turn of the event
// loop, or, when the loop has already ended (closing the last window ends it), when the
// application flushes what is left.
void DeleteWhenIdle(std::function<void()> deleter);
void FlushDeferredDeletes();

} // namespace platform

#pragma once

namespace platform {

// The cores this process may run on.
int UsableCores();
// Threads ready to run on the machine now, the caller among them; 0 when unknown.
int RunnableThreads();

} // namespace platform

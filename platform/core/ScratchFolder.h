#pragma once

// A folder of the program's own under the temporary folder, for files made to be looked at or
// gathered before anything is put where the user finds it; it goes, with whatever it holds,
// when the object goes.
#include <string>

namespace platform {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Empty when no folder could be made.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace platform

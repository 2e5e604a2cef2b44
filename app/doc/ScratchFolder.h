#pragma once

// A folder of the program's own under the temporary folder, for a file looked at before it is put
// where the user will find it; it goes, with whatever it holds, when the object goes.
#include <string>

class CScratchFolder {
public:
    CScratchFolder();
    ~CScratchFolder();
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    // Empty when no folder could be made.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

#include "platform/core/ScratchFolder.h"

#include "platform/core/Environment.h"
#include "platform/core/Paths.h"

#include <filesystem>
#include <stdlib.h>

namespace platform {

ScratchFolder::ScratchFolder()
{
    // mkdtemp makes it for this user alone, under a name no one else has.
    std::string pattern = JoinPath(TempDirectory(), "zod-XXXXXX");
    if (mkdtemp(pattern.data()))
        m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    if (!m_path.empty())
        std::filesystem::remove_all(m_path, ignored);
}

} // namespace platform

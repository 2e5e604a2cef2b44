#include "platform/core/ConfigurationFile.h"

#include "platform/core/Paths.h"

namespace platform {
namespace {

std::string& StoredCommandLineFile()
{
    static std::string path;
    return path;
}

} // namespace

void SetCommandLineConfigFile(std::string path)
{
    StoredCommandLineFile() = std::move(path);
}

const std::string& CommandLineConfigFile()
{
    return StoredCommandLineFile();
}

std::string DefaultConfigurationFile(std::string_view commandLineFile, std::string_view programPath)
{
    // Without the program's path there is no file beside it to look for.
    if (commandLineFile.empty())
        return programPath.empty() ? std::string() : ReplaceExtension(programPath, ".m_ini");
    const std::string local = ToLocalPath(commandLineFile);
    if (!local.empty() && local.front() == '/')
        return local;
    return JoinPath(FolderOf(programPath), local);
}

} // namespace platform

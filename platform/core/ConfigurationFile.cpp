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
    if (commandLineFile.empty())
        return ReplaceExtension(programPath, ".m_ini");
    const std::string local = ToLocalPath(commandLineFile);
    if (!local.empty() && local.front() == '/')
        return local;
    return JoinPath(FolderOf(programPath), local);
}

} // namespace platform

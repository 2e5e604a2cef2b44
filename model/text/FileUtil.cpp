#include "model/text/FileUtil.h"

#include "platform/core/Environment.h"
#include "platform/core/Files.h"
#include "platform/core/Paths.h"

std::string GetTempDirectory(std::string_view fileName)
{
    std::string path = platform::TempDirectory();
    if (path.empty())
        return std::string(fileName);
    if (path.back() != '/' && path.back() != '\\')
        path += '/';
    return path.append(fileName);
}

bool FindFile(std::string& path, std::string_view name, const char* firstVariable,
              const char* secondVariable)
{
    std::string folder;
    for (const char* variable : {firstVariable, secondVariable}) {
        if (variable != nullptr && folder.empty())
            folder = platform::GetEnvironment(variable).value_or("");
    }
    if (folder.empty())
        folder = platform::ExecutableDirectory();
    path = platform::JoinPath(folder, name);
    return platform::FileExists(path);
}

long long ReadWholeFile(const std::string& path, std::string& contents)
{
    std::optional<std::string> bytes = platform::ReadWholeFile(path);
    if (!bytes)
        return -1;
    contents = std::move(*bytes);
    return static_cast<long long>(contents.size());
}

int RenameFile(const std::string& oldPath, const std::string& newPath)
{
    return platform::RenameFile(oldPath, newPath) ? 0 : -1;
}

std::FILE* FOpenShared(const char* path, const char* mode)
{
    return std::fopen(path, mode);
}

bool DirectoryExists(const std::string& path)
{
    return !path.empty() && platform::IsDirectory(path);
}

int MakeDirectoryPath(const std::string& path)
{
    return !path.empty() && platform::MakeDirectories(path) ? 0 : 1;
}

#include "platform/core/Paths.h"

#include "platform/core/Codepage.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace platform {
namespace {

bool StartsWithDrive(std::string_view path)
{
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// Position of the dot that starts the extension of the last path element, or npos. A leading
// dot (".profile") names a file, not an extension.
std::size_t ExtensionDot(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || dot <= nameStart)
        return std::string_view::npos;
    return dot;
}

} // namespace

WindowsPathParts SplitWindowsPath(std::string_view path)
{
    WindowsPathParts parts;
    if (StartsWithDrive(path)) {
        parts.drive = std::string(path.substr(0, 2));
        path.remove_prefix(2);
    }
    std::size_t nameStart = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsSeparator(path[i]))
            nameStart = i + 1;
    }
    parts.folder = std::string(path.substr(0, nameStart));
    const std::string_view fileName = path.substr(nameStart);
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) {
        parts.name = std::string(fileName);
    } else {
        parts.name = std::string(fileName.substr(0, dot));
        parts.extension = std::string(fileName.substr(dot + 1));
    }
    return parts;
}

std::string JoinPath(std::string_view folder, std::string_view name)
{
    if (folder.empty())
        return std::string(name);
    std::string joined(folder);
    const bool folderEnds = joined.back() == '/';
    const bool nameStarts = !name.empty() && name.front() == '/';
    if (folderEnds && nameStarts)
        name.remove_prefix(1);
    else if (!folderEnds && !nameStarts)
        joined += '/';
    joined += name;
    return joined;
}

std::string FolderOf(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return {};
    if (slash == 0)
        return "/";
    return std::string(path.substr(0, slash));
}

std::string FileNameOf(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExtensionOf(std::string_view path)
{
    const std::size_t dot = ExtensionDot(path);
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string ReplaceExtension(std::string_view path, std::string_view extension)
{
    const std::size_t dot = ExtensionDot(path);
    std::string result(dot == std::string_view::npos ? path : path.substr(0, dot));
    result += extension;
    return result;
}

std::string ToLocalPath(std::string_view foreignPath)
{
    if (StartsWithDrive(foreignPath))
        foreignPath.remove_prefix(2);
    std::string local(foreignPath);
    for (char& c : local) {
        if (c == '\\')
            c = '/';
    }
    return local;
}

std::string AbsolutePath(std::string_view path)
{
    if (path.empty())
        return {};
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::path(path), error);
    if (error)
        return std::string(path);
    std::filesystem::path steps;
    for (const std::filesystem::path& step : absolute)
        if (!step.empty() && step != ".")
            steps /= step;
    return steps.string();
}

bool IsWithinFolder(std::string_view path, std::string_view folder)
{
    const std::filesystem::path inner = std::filesystem::path(path).lexically_normal();
    const std::filesystem::path outer = std::filesystem::path(folder).lexically_normal();
    if (!inner.is_absolute() || !outer.is_absolute())
        return false;
    // A trailing separator leaves an empty last step, which names nothing.
    auto outerEnd = outer.end();
    if (outer.has_relative_path() && !outer.has_filename())
        --outerEnd;
    return std::mismatch(outer.begin(), outerEnd, inner.begin(), inner.end()).first == outerEnd;
}

bool IsPlainFileName(std::string_view name)
{
    if (name.empty() || name == "." || name == ".." || StartsWithDrive(name))
        return false;
    for (char c : name) {
        if (IsSeparator(c) || c == '\0')
            return false;
    }
    return true;
}

std::string PathToText(std::string_view path)
{
    return Utf8ToCp1252(path);
}

} // namespace platform

#include "model/files/PickList.h"

#include "model/text/CharClass.h"
#include "platform/core/Environment.h"
#include "platform/core/Files.h"
#include "platform/core/Paths.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace {

std::string& LastProposalPath()
{
    static std::string path;
    return path;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiToUpper(x) == AsciiToUpper(y); });
}

// The folder's file of that name in any case; the exact spelling first, else the lowest of the
// spellings present, so that the choice does not depend on the order of the folder.
std::optional<std::string> FindInFolder(const std::string& folder, std::string_view name)
{
    if (folder.empty())
        return std::nullopt;
    const std::string exact = platform::JoinPath(folder, name);
    if (platform::FileExists(exact))
        return exact;
    std::optional<std::string> found;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string candidate = entry->path().filename().string();
        if (EqualIgnoringCase(candidate, name) && (!found || candidate < *found)
            && platform::FileExists(entry->path().string()))
            found = candidate;
    }
    if (!found)
        return std::nullopt;
    return platform::JoinPath(folder, *found);
}

} // namespace

void SetLastProposalPath(std::string path)
{
    LastProposalPath() = std::move(path);
}

const std::string& GetLastProposalPath()
{
    return LastProposalPath();
}

std::string FindPickListFile(std::string_view name)
{
    // The name comes from the agency's form: a file name, never a way into other folders.
    if (!platform::IsPlainFileName(name))
        return {};
    for (const std::string& folder : {platform::FolderOf(GetLastProposalPath()), platform::ExecutableDirectory()}) {
        if (std::optional<std::string> path = FindInFolder(folder, name))
            return *path;
    }
    return {};
}

#include "platform/core/SaveTarget.h"

#include "platform/core/Paths.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// The kernel's own limit on the links followed for one path.
constexpr int kMostLinks = 40;

std::optional<std::string> LinkText(const std::string& link)
{
    std::string text(256, '\0');
    for (;;) {
        const ssize_t got = readlink(link.c_str(), text.data(), text.size());
        if (got < 0)
            return std::nullopt;
        if (std::size_t(got) < text.size()) {
            text.resize(std::size_t(got));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

// In a sticky folder anyone may write to, a link is followed only when it belongs to us or to
// the folder's owner: otherwise another user could point our save at any file of ours.
bool PlantedByAnother(const std::string& link, const struct stat& info)
{
    const std::string folder = FolderOf(link);
    struct stat holder{};
    if (stat(folder.empty() ? "." : folder.c_str(), &holder) != 0)
        return false;
    const bool shared = (holder.st_mode & S_ISVTX) != 0 && (holder.st_mode & S_IWOTH) != 0;
    return shared && info.st_uid != geteuid() && info.st_uid != holder.st_uid;
}

std::nullopt_t Refuse(std::string& error, const std::string& link, const std::string& at, int number)
{
    error = "Cannot save through the link " + link + (at == link ? "" : " (at " + at + ")") + ": " +
            std::strerror(number);
    errno = number;
    return std::nullopt;
}

} // namespace

std::optional<std::string> ResolveSaveTarget(const std::string& path, std::string& error)
{
    std::string current = path;
    for (int links = 0;; ++links) {
        struct stat info{};
        if (lstat(current.c_str(), &info) != 0) {
            if (links > 0 && errno == ENOENT)
                return Refuse(error, path, current, ENOENT);
            return current; // a new file, or one whose opening will say what is wrong
        }
        if (!S_ISLNK(info.st_mode))
            return current;
        if (links == kMostLinks)
            return Refuse(error, path, current, ELOOP);
        if (PlantedByAnother(current, info))
            return Refuse(error, path, current, EACCES);
        const std::optional<std::string> text = LinkText(current);
        if (!text)
            return Refuse(error, path, current, errno);
        current = !text->empty() && text->front() == '/' ? *text : JoinPath(FolderOf(current), *text);
    }
}

} // namespace platform

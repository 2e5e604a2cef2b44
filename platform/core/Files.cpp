#include "platform/core/Files.h"

#include "platform/core/Paths.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

std::string Describe(const std::string& path, int error)
{
    return path + ": " + std::strerror(error);
}

bool SetError(std::string* error, std::string message)
{
    if (error != nullptr)
        *error = std::move(message);
    return false;
}

std::optional<std::string> Refuse(std::string* error, const std::string& path, int code)
{
    SetError(error, Describe(path, code));
    return std::nullopt;
}

// Reads into `out` until the end of the file; false with errno set on a read error, or with
// EFBIG when the file outgrows `maxBytes`.
bool ReadAll(int fd, std::string& out, std::size_t maxBytes)
{
    char chunk[65536];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (out.size() + std::size_t(got) > maxBytes) {
            errno = EFBIG;
            return false;
        }
        out.append(chunk, std::size_t(got));
    }
}

class InputFile {
public:
    explicit InputFile(const std::string& path) : m_fd(OpenRegularFile(path)) {}
    ~InputFile()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    int Descriptor() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

int OpenRegularFile(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info{};
    int refusal = 0;
    if (fstat(fd, &info) != 0)
        refusal = errno;
    else if (!S_ISREG(info.st_mode))
        refusal = S_ISDIR(info.st_mode) ? EISDIR : ENXIO;
    else if (fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        refusal = errno;
    if (refusal == 0)
        return fd;
    close(fd);
    errno = refusal;
    return -1;
}

bool FileExists(const std::string& path)
{
    struct stat info{};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsDirectory(const std::string& path)
{
    struct stat info{};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::string* error,
                                         std::size_t maxBytes)
{
    InputFile file(path);
    if (file.Descriptor() < 0)
        return Refuse(error, path, errno);
    struct stat info{};
    if (fstat(file.Descriptor(), &info) != 0)
        return Refuse(error, path, errno);
    if (info.st_size > 0 && std::size_t(info.st_size) > maxBytes)
        return Refuse(error, path, EFBIG);
    std::string contents;
    contents.reserve(info.st_size > 0 ? std::size_t(info.st_size) : 0);
    if (!ReadAll(file.Descriptor(), contents, maxBytes))
        return Refuse(error, path, errno);
    return contents;
}

bool MakeDirectories(const std::string& path, std::string* error)
{
    if (path.empty())
        return SetError(error, "cannot create a folder with an empty name");
    for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string prefix = path.substr(0, end);
        if (!prefix.empty() && mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST)
            return SetError(error, Describe(prefix, errno));
        if (end == std::string::npos)
            break;
    }
    if (!IsDirectory(path))
        return SetError(error, Describe(path, ENOTDIR));
    return true;
}

bool CopyFile(const std::string& from, const std::string& to, std::string* error)
{
    InputFile source(from);
    if (source.Descriptor() < 0)
        return SetError(error, Describe(from, errno));
    AtomicFile target(to);
    if (!target.Open())
        return SetError(error, target.Error());
    char chunk[65536];
    for (;;) {
        const ssize_t got = read(source.Descriptor(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return SetError(error, Describe(from, errno));
        if (got == 0)
            break;
        if (!target.Write(std::string_view(chunk, std::size_t(got))))
            return SetError(error, target.Error());
    }
    if (!target.Commit())
        return SetError(error, target.Error());
    return true;
}

bool RenameFile(const std::string& from, const std::string& to, std::string* error)
{
    if (rename(from.c_str(), to.c_str()) != 0)
        return SetError(error, "cannot rename " + from + " to " + to + ": " + std::strerror(errno));
    return true;
}

bool RemoveFile(const std::string& path)
{
    return unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool RestrictToOwner(const std::string& path)
{
    return chmod(path.c_str(), 0600) == 0;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error)
{
    AtomicFile file(path);
    if (file.Open() && file.Write(bytes) && file.Commit())
        return true;
    return SetError(error, file.Error());
}

} // namespace platform

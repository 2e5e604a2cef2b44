#include "platform/core/IniFile.h"

#include "platform/core/FileLock.h"
#include "platform/core/Files.h"
#include "platform/core/Paths.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sys/stat.h>

namespace platform {
namespace {

// The file's contents; "" for a missing file. nullopt when it exists but cannot be read.
std::optional<std::string> ReadIfPresent(const std::string& path, std::string& error)
{
    struct stat info{};
    if (stat(path.c_str(), &info) != 0 && errno == ENOENT)
        return std::string();
    return ReadWholeFile(path, &error, IniFile::kMaxBytes);
}

// A settings file reached through a symbolic link is written where the link points, so the
// link survives the rename.
std::string WriteTarget(const std::string& path)
{
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

} // namespace

IniFile::IniFile(std::string path, bool makeFolder) : m_path(std::move(path)), m_makeFolder(makeFolder)
{
}

bool IniFile::Fail(std::string message)
{
    const int code = errno;
    m_error = std::move(message);
    m_reason = code != 0 ? std::strerror(code) : m_error;
    return false;
}

const IniDocument* IniFile::Read()
{
    if (InMemory())
        return &m_document;
    std::string error;
    std::optional<std::string> text = ReadIfPresent(m_path, error);
    if (!text) {
        m_loaded = false;
        Fail("cannot read " + error);
        return nullptr;
    }
    // Reading the bytes is cheap; parsing them again is done only when they changed.
    if (!m_loaded || *text != m_text) {
        m_document = IniDocument(*text);
        m_text = std::move(*text);
        m_loaded = true;
    }
    return &m_document;
}

bool IniFile::WriteLocked(const std::string& target,
                          const std::function<bool(IniDocument&)>& change, bool readFirst)
{
    std::string error;
    const std::string folder = FolderOf(target);
    if (m_makeFolder && !folder.empty() && !MakeDirectories(folder, &error))
        return Fail("cannot create the folder of " + m_path + ": " + error);
    const FileLock lock(LockPathFor(target));
    if (!lock.Held())
        return Fail("cannot write " + m_path + ": " + lock.Error());
    IniDocument document;
    if (readFirst) {
        const std::optional<std::string> text = ReadIfPresent(target, error);
        if (!text)
            return Fail("cannot read " + error);
        document = IniDocument(*text);
    }
    if (!change(document))
        return true;
    m_loaded = false;
    if (!WriteFileAtomically(target, document.Text(), &error))
        return Fail(error);
    return true;
}

bool IniFile::Update(const std::function<bool(IniDocument&)>& change)
{
    if (InMemory()) {
        change(m_document);
        return true;
    }
    return WriteLocked(WriteTarget(m_path), change, true);
}

bool IniFile::Create(bool anew)
{
    if (InMemory()) {
        if (anew)
            m_document = IniDocument();
        return true;
    }
    if (anew)
        return WriteLocked(WriteTarget(m_path), [](IniDocument&) { return true; }, false);
    if (Read() == nullptr)
        return false;
    if (FileExists(m_path))
        return true;
    return WriteLocked(WriteTarget(m_path), [](IniDocument&) { return true; }, true);
}

} // namespace platform

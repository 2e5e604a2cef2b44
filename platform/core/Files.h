#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

bool FileExists(const std::string& path);      // a regular file
bool IsDirectory(const std::string& path);

// Opens a regular file for reading without waiting on it: a FIFO would hold the open until another
// program writes to it. Anything but a regular file is refused: -1 with errno EISDIR for a folder,
// ENXIO for the rest (a FIFO, a device, a socket).
int OpenRegularFile(const std::string& path);

// The whole file, or nullopt with a message naming the file and the reason. Files larger than
// maxBytes are refused rather than read.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string* error = nullptr,
                                         std::size_t maxBytes = std::size_t(1) << 30);

// Creates every missing folder of the path; true when the folder exists afterwards.
bool MakeDirectories(const std::string& path, std::string* error = nullptr);

// The copy is written atomically: a failed copy leaves no half-written target.
bool CopyFile(const std::string& from, const std::string& to, std::string* error = nullptr);
bool RenameFile(const std::string& from, const std::string& to, std::string* error = nullptr);
bool RemoveFile(const std::string& path); // true when the file is gone afterwards

// Read and write for the owner only, for files that hold secrets.
bool RestrictToOwner(const std::string& path);

// Writes a file so that the old one survives any failure: the bytes go to a temporary file in
// the same folder, which is flushed, closed and checked, then renamed over the target. A target
// that is a symbolic link is written where its links end, so the links stay; a loop of links or
// one that points to no file is an error. A file the user may not write, or one in a folder he
// may not write, is never replaced (see SaveBlock.h). What a killed save of the same target left
// behind is removed (see SaveLeftovers.h).
class AtomicFile {
public:
    explicit AtomicFile(std::string targetPath);
    ~AtomicFile(); // removes the temporary file unless committed

    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool Open();
    bool Write(std::string_view bytes);
    bool Commit();          // flush, fsync, close, rename; false leaves the target untouched
    // As Commit, but an existing target is never replaced: false (EEXIST) when there is one.
    bool CommitAsNew();
    const std::string& Error() const { return m_error; }

private:
    bool Fail(const std::string& what);
    bool CreateTemporary();
    bool Finish(bool replaceExisting);

    std::string m_target; // as the caller named it, for messages
    std::string m_final;  // the file replaced: the target, or where its links end
    std::string m_tempPath;
    int m_fd = -1;
    int m_lockFd = -1; // holds the temporary file's lock until it is renamed
    bool m_committed = false;
    std::string m_error;
};

bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

} // namespace platform

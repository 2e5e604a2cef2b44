#pragma once

#include "platform/core/IniDocument.h"

#include <cstddef>
#include <functional>
#include <string>

namespace platform {

// An INI file on disk that several objects and processes may read and write at once. Readers
// see the whole old or the whole new file; a writer re-reads the file under a lock before it
// changes it, so no other writer's value is lost, and replaces it atomically.
class IniFile {
public:
    // A settings file is small; anything larger is not read (and so never overwritten).
    static constexpr std::size_t kMaxBytes = std::size_t(16) << 20;

    // With makeFolder the file's folder is made when it is first written (the per-user file);
    // otherwise a missing folder fails the write, as the Windows file functions did.
    explicit IniFile(std::string path, bool makeFolder = false);
    // A file held in memory only: reads and updates work on its text, which the owner writes
    // out whole where it belongs.
    IniFile() : m_inMemory(true) {}

    const std::string& Path() const { return m_path; }

    // The file as it is now; a missing file reads as empty. Null when the file cannot be read
    // (Error() says why).
    const IniDocument* Read();

    // change gets the current contents and answers whether it changed them; only then is the
    // file written. False when the file could not be read, locked or written.
    bool Update(const std::function<bool(IniDocument&)>& change);

    // The open with "create" of the Windows file functions: a missing file is created empty,
    // with anew an existing one is emptied; an existing one must be readable.
    bool Create(bool anew);

    const std::string& Error() const { return m_error; }
    // Why the last failure happened in the system's words ("Permission denied"), for a message
    // that names the file itself; the whole error when the system gave no reason.
    const std::string& Reason() const { return m_reason; }

private:
    // Called straight after the call that failed, with errno as it left it: building the message
    // makes no system call.
    bool Fail(std::string message);
    bool WriteLocked(const std::string& target, const std::function<bool(IniDocument&)>& change,
                     bool readFirst);

    bool InMemory() const { return m_inMemory; }

    std::string m_path;
    bool m_makeFolder = false;
    bool m_inMemory = false;
    std::string m_text; // the bytes m_document was read from
    IniDocument m_document;
    bool m_loaded = false;
    std::string m_error;
    std::string m_reason;
};

} // namespace platform

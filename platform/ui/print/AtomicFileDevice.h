#pragma once

// A write-only device whose bytes replace its file only when Commit succeeds: a writer that
// cannot see write errors (Qt's PDF engine) still leaves either the whole new file or the old one.
#include "platform/core/Files.h"

#include <QIODevice>

#include <optional>
#include <string>

namespace platform {

class AtomicFileDevice : public QIODevice {
public:
    explicit AtomicFileDevice(const std::string& path);
    ~AtomicFileDevice() override;

    bool open(OpenMode mode) override; // WriteOnly; false with Error() when nothing can be written
    bool isSequential() const override { return true; }
    // False with Error() when any byte did not reach the disk; the temporary file is gone then.
    bool Commit();
    const std::string& Error() const { return m_file ? m_file->Error() : m_error; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool Flush();

    std::optional<AtomicFile> m_file; // dropped when it failed: nothing stays while the user is told
    std::string m_error;
    std::string m_buffer; // the engine writes in small pieces
};

} // namespace platform

#pragma once

// A write-only device whose bytes replace its file only when Commit succeeds: a writer that
// cannot see write errors (Qt's PDF engine) still leaves either the whole new file or the old one.
#include "platform/core/Files.h"

#include <QIODevice>

#include <string>

namespace platform {

class AtomicFileDevice : public QIODevice {
public:
    explicit AtomicFileDevice(const std::string& path);
    ~AtomicFileDevice() override;

    bool open(OpenMode mode) override; // WriteOnly; false with Error() when nothing can be written
    bool isSequential() const override { return true; }
    bool Commit();                     // false with Error() when any byte did not reach the disk
    const std::string& Error() const { return m_file.Error(); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool Flush();

    AtomicFile m_file;
    std::string m_buffer; // the engine writes in small pieces
};

} // namespace platform

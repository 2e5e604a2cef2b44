#include "platform/ui/print/AtomicFileDevice.h"

namespace platform {
namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;

} // namespace

AtomicFileDevice::AtomicFileDevice(const std::string& path)
{
    m_file.emplace(path);
}

AtomicFileDevice::~AtomicFileDevice()
{
    // Uncommitted bytes go with the temporary file; the target stays as it was.
    QIODevice::close();
}

bool AtomicFileDevice::open(OpenMode mode)
{
    if (mode != WriteOnly || !m_file || !m_file->Open())
        return false;
    return QIODevice::open(mode);
}

qint64 AtomicFileDevice::writeData(const char* data, qint64 size)
{
    m_buffer.append(data, std::size_t(size));
    if (m_buffer.size() >= kBufferBytes && !Flush())
        return -1;
    return size;
}

bool AtomicFileDevice::Flush()
{
    const bool written = m_file && m_file->Write(m_buffer);
    m_buffer.clear();
    return written;
}

bool AtomicFileDevice::Commit()
{
    const bool committed = Flush() && m_file->Commit();
    QIODevice::close();
    if (!committed && m_file) {
        m_error = m_file->Error();
        m_file.reset();
    }
    return committed;
}

} // namespace platform

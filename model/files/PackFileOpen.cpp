#include "model/files/PackFileState.h"

#include <new>

namespace {

// The u16 expanded length of a record bounds what one record may hold.
constexpr std::size_t kLongestRecord = 65535;

PackFilePtr Refuse(int code)
{
    PackLayer().m_lastError = code;
    return nullptr;
}

bool UseBuffer(CPackFile& file, uint8_t* buffer, std::size_t size)
{
    if (!buffer) {
        try {
            file.m_ownedBuffer.resize(size);
        } catch (const std::bad_alloc&) {
            return false;
        }
        buffer = file.m_ownedBuffer.data();
    }
    file.m_buffer = buffer;
    file.m_capacity = size;
    return true;
}

// 0, or the error that kept a file being written from being finished.
int CloseStream(CPackFile& file)
{
    int result = 0;
    if (file.m_file && file.m_writing && !file.m_finished && !PackFileFlush(&file))
        result = file.m_error;
    if (file.m_file && std::fclose(file.m_file) != 0 && file.m_writing && result == 0)
        result = PACK_WRITE_FAILED;
    file.m_file = nullptr;
    if (result != 0)
        PackLayer().m_lastError = result;
    return result;
}

} // namespace

PackFilePtr PackFileOpen(const std::string& path, std::string_view mode, uint8_t* buffer,
                         std::size_t bufferSize)
{
    const CPackLayer& layer = PackLayer();
    const bool writing = mode.starts_with('w');
    if (!layer.m_pWorkArea || !(writing || mode.starts_with('r')) || bufferSize == 0
        || (writing && bufferSize > kLongestRecord))
        return Refuse(PACK_BAD_ARGUMENT);
    PackFilePtr file(new (std::nothrow) CPackFile);
    if (!file || !UseBuffer(*file, buffer, bufferSize))
        return Refuse(PACK_OUT_OF_MEMORY);
    file->m_writing = writing;
    file->m_literalMode = layer.m_literalMode;
    file->m_dictionarySize = layer.m_dictionarySize;
    file->m_file = std::fopen(path.c_str(), writing ? "wb" : "rb");
    if (!file->m_file)
        return Refuse(PACK_CANNOT_OPEN);
    return file;
}

int PackFileClose(PackFilePtr file)
{
    if (!file) {
        PackLayer().m_lastError = PACK_BAD_ARGUMENT;
        return PACK_BAD_ARGUMENT;
    }
    return CloseStream(*file);
}

void CPackFileCloser::operator()(CPackFile* file) const
{
    if (file)
        CloseStream(*file);
    delete file;
}

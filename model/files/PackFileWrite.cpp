#include "model/files/Dcl.h"
#include "model/files/PackCrc.h"
#include "model/files/PackFileState.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// The u16 compressed length bounds what one record's stream may take.
constexpr std::size_t kLongestStream = 65535;

// Implode reads the record buffer and writes the stream to memory, so that its length is known
// before the record goes to the file and an overlong one never reaches it.
struct CRecordCompression {
    const uint8_t* m_from;
    std::size_t m_left;
    std::vector<uint8_t> m_stream;
    bool m_tooLong = false;
};

std::size_t ReadBuffered(uint8_t* buffer, std::size_t size, void* user)
{
    auto& compression = *static_cast<CRecordCompression*>(user);
    const std::size_t count = std::min(size, compression.m_left);
    std::memcpy(buffer, compression.m_from, count);
    compression.m_from += count;
    compression.m_left -= count;
    return count;
}

bool TakeStream(const uint8_t* bytes, std::size_t count, void* user)
{
    auto& compression = *static_cast<CRecordCompression*>(user);
    if (count > kLongestStream - compression.m_stream.size()) {
        compression.m_tooLong = true;
        return false;
    }
    compression.m_stream.insert(compression.m_stream.end(), bytes, bytes + count);
    return true;
}

bool WriteRecordBytes(std::FILE* stream, const std::vector<uint8_t>& compressed, std::size_t expanded)
{
    return PackWriteU16(stream, kPackRecordMarker) && PackWriteU16(stream, uint16_t(compressed.size()))
        && PackWriteU16(stream, uint16_t(expanded))
        && std::fwrite(compressed.data(), 1, compressed.size(), stream) == compressed.size()
        && PackWriteU16(stream, kPackRecordMarker);
}

bool CanWrite(CPackFile* file)
{
    if (file && file->m_writing && !file->m_finished && PackLayer().m_pWorkArea)
        return true;
    PackFileSetError(file, PACK_BAD_ARGUMENT);
    return false;
}

} // namespace

std::size_t PackFileWriteRecord(CPackFile* file)
{
    if (!CanWrite(file))
        return 0;
    CRecordCompression compression{file->m_buffer, file->m_count, {}};
    int result = DCL_OUTPUT_REFUSED;
    try {
        result = DclImplode(ReadBuffered, TakeStream, *PackLayer().m_pWorkArea, &compression,
                            file->m_literalMode, file->m_dictionarySize);
    } catch (const std::bad_alloc&) {
        PackFail(*file, PACK_OUT_OF_MEMORY);
        return 0;
    }
    if (result != DCL_OK || !WriteRecordBytes(file->m_file, compression.m_stream, file->m_count)) {
        PackFail(*file, PACK_WRITE_FAILED);
        return 0;
    }
    CPackLayer& layer = PackLayer();
    if (layer.m_accumulateCrc)
        layer.m_crc = PackCrcUpdate(layer.m_crc, compression.m_stream.data(), compression.m_stream.size());
    file->m_counts.m_expanded += file->m_count;
    file->m_counts.m_compressed += compression.m_stream.size();
    file->m_count = 0;
    return compression.m_stream.size() + 8;
}

bool PackFileBufferData(CPackFile* file, const uint8_t* data, std::size_t count)
{
    if (!CanWrite(file) || (!data && count > 0)) {
        PackFileSetError(file, PACK_BAD_ARGUMENT);
        return false;
    }
    while (count > 0) {
        if (file->m_count == file->m_capacity && PackFileWriteRecord(file) == 0)
            return false;
        const std::size_t taken = std::min(count, file->m_capacity - file->m_count);
        std::memcpy(file->m_buffer + file->m_count, data, taken);
        file->m_count += taken;
        data += taken;
        count -= taken;
    }
    return true;
}

bool PackFileFlush(CPackFile* file)
{
    if (!CanWrite(file))
        return false;
    if (file->m_count > 0 && PackFileWriteRecord(file) == 0)
        return false;
    if (!PackWriteU16(file->m_file, kPackEndMarker) || std::fflush(file->m_file) != 0)
        return PackFail(*file, PACK_WRITE_FAILED);
    file->m_finished = true;
    return true;
}

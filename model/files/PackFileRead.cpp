#include "model/files/Dcl.h"
#include "model/files/PackFileState.h"

#include <algorithm>
#include <cstring>

namespace {

// Explode reads the record's compressed bytes from the file and expands into the record buffer.
struct CRecordExpansion {
    std::FILE* m_file;
    std::size_t m_compressedLeft;
    uint8_t* m_to;
    std::size_t m_stated;   // the record's expanded length
    std::size_t m_expanded = 0;
    bool m_overflow = false;
};

std::size_t ReadCompressed(uint8_t* buffer, std::size_t size, void* user)
{
    auto& expansion = *static_cast<CRecordExpansion*>(user);
    const std::size_t count = std::fread(buffer, 1, std::min(size, expansion.m_compressedLeft), expansion.m_file);
    expansion.m_compressedLeft -= count;
    return count;
}

bool TakeExpanded(const uint8_t* bytes, std::size_t count, void* user)
{
    auto& expansion = *static_cast<CRecordExpansion*>(user);
    // More than the record states is refused, never written past it.
    if (count > expansion.m_stated - expansion.m_expanded) {
        expansion.m_overflow = true;
        return false;
    }
    std::memcpy(expansion.m_to + expansion.m_expanded, bytes, count);
    expansion.m_expanded += count;
    return true;
}

// Compressed bytes after the end code belong to the record all the same.
void SkipBytes(std::FILE* file, std::size_t count)
{
    uint8_t scratch[256];
    while (count > 0) {
        const std::size_t read = std::fread(scratch, 1, std::min(count, sizeof scratch), file);
        if (read == 0)
            return;
        count -= read;
    }
}

bool ExpandRecord(CPackFile& file, std::size_t compressed, std::size_t expanded)
{
    CDclWorkArea* work = PackLayer().m_pWorkArea;
    if (!work)
        return PackFail(file, PACK_BAD_ARGUMENT);
    CRecordExpansion expansion{file.m_file, compressed, file.m_buffer, expanded};
    const int result = DclExplode(ReadCompressed, TakeExpanded, *work, &expansion);
    if (expansion.m_overflow || (result == DCL_OK && expansion.m_expanded != expanded))
        return PackFail(file, PACK_LENGTH_MISMATCH);
    if (result != DCL_OK)
        return PackFail(file, PACK_BAD_COMPRESSED_DATA);
    SkipBytes(file.m_file, expansion.m_compressedLeft);
    return true;
}

// The next record into the buffer. The end marker and every error stop reading for good.
bool LoadNextRecord(CPackFile& file)
{
    if (file.m_stopped)
        return false;
    file.m_stopped = true;
    const uint16_t marker = PackReadU16(file.m_file);
    if (marker == kPackEndMarker)
        return PackFail(file, PACK_END_OF_RECORDS);
    if (marker != kPackRecordMarker)
        return PackFail(file, PACK_NO_RECORD_START);
    const std::size_t compressed = PackReadU16(file.m_file);
    const std::size_t expanded = PackReadU16(file.m_file);
    // A record that cannot fit the buffer is refused before anything is expanded.
    if (expanded > file.m_capacity)
        return PackFail(file, PACK_LENGTH_MISMATCH);
    if (!ExpandRecord(file, compressed, expanded))
        return false;
    if (PackReadU16(file.m_file) != kPackRecordMarker)
        return PackFail(file, PACK_NO_RECORD_END);
    file.m_count = expanded;
    file.m_readAt = 0;
    file.m_counts.m_expanded += expanded;
    file.m_counts.m_compressed += compressed;
    file.m_stopped = false;
    return true;
}

// Loads records until one holds a byte still to deliver: a record may be empty.
bool HasBufferedByte(CPackFile& file)
{
    while (file.m_readAt >= file.m_count) {
        if (!LoadNextRecord(file))
            return false;
    }
    return true;
}

std::size_t ReadBytes(CPackFile& file, uint8_t* destination, std::size_t maximum)
{
    std::size_t delivered = 0;
    while (delivered < maximum && HasBufferedByte(file)) {
        const std::size_t count = std::min(maximum - delivered, file.m_count - file.m_readAt);
        std::memcpy(destination + delivered, file.m_buffer + file.m_readAt, count);
        file.m_readAt += count;
        delivered += count;
    }
    return delivered;
}

std::size_t ReadEntry(CPackFile& file, uint8_t* destination)
{
    const uint8_t last = PackLayer().m_entryMode == PACK_ENTRY_NUL ? '\0' : '\n';
    std::size_t delivered = 0;
    while (delivered < kPackEntryMax && HasBufferedByte(file)) {
        const uint8_t byte = file.m_buffer[file.m_readAt++];
        destination[delivered++] = byte;
        if (byte == last)
            break;
    }
    return delivered;
}

} // namespace

std::size_t PackFileReadRecord(CPackFile* file, uint8_t* destination, std::size_t maximum)
{
    if (!file || !destination || file->m_writing) {
        PackFileSetError(file, PACK_BAD_ARGUMENT);
        return 0;
    }
    return maximum > 0 ? ReadBytes(*file, destination, maximum) : ReadEntry(*file, destination);
}

uint16_t PackFileReadCount(CPackFile* file)
{
    uint8_t bytes[2] = {};
    if (PackFileReadRecord(file, bytes, sizeof bytes) != sizeof bytes)
        return 0;
    return uint16_t(bytes[0] | bytes[1] << 8);
}

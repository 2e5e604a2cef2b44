#include "model/files/PackFileState.h"

#include "model/files/Dcl.h"

#include <new>

CPackLayer& PackLayer()
{
    static CPackLayer layer;
    return layer;
}

bool PackFail(CPackFile& file, int code)
{
    file.m_error = code;
    return false;
}

int PackFileInit(CDclWorkArea* workArea, int literalMode, int dictionarySize)
{
    CPackLayer& layer = PackLayer();
    if (!layer.m_pWorkArea) {
        if (workArea) {
            layer.m_pWorkArea = workArea;
        } else {
            layer.m_ownedWorkArea.reset(new (std::nothrow) CDclWorkArea);
            if (!layer.m_ownedWorkArea) {
                layer.m_lastError = PACK_OUT_OF_MEMORY;
                return 0;
            }
            layer.m_pWorkArea = layer.m_ownedWorkArea.get();
        }
    }
    // ASCII literals (1) cannot be written here; the files stay binary, which every reader takes.
    if (literalMode == DCL_BINARY)
        layer.m_literalMode = literalMode;
    if (dictionarySize == 1024 || dictionarySize == 2048 || dictionarySize == 4096)
        layer.m_dictionarySize = dictionarySize;
    return 1;
}

void PackFileSetEntryMode(int mode)
{
    if (mode == PACK_ENTRY_NUL || mode == PACK_ENTRY_LINE || mode == PACK_ENTRY_LINE_TOO)
        PackLayer().m_entryMode = mode;
}

uint32_t PackFileGetCrc()
{
    return PackLayer().m_crc;
}

void PackFileSetCrc(uint32_t crc)
{
    PackLayer().m_crc = crc;
}

void PackFileSetCrcAccumulation(bool on)
{
    PackLayer().m_accumulateCrc = on;
}

void PackFileResetLayer()
{
    PackLayer() = CPackLayer();
}

void PackFileSetError(CPackFile* file, int code)
{
    if (file)
        file->m_error = code;
    else
        PackLayer().m_lastError = code;
}

int PackFileGetError(const CPackFile* file)
{
    return file ? file->m_error : PackLayer().m_lastError;
}

CPackCounts PackFileGetCounts(const CPackFile* file)
{
    return file ? file->m_counts : CPackCounts();
}

const char* GetPackFileErrorText(int code)
{
    switch (code) {
    case 0: return "No Error";
    case PACK_END_OF_RECORDS: return "End of the records";
    case PACK_BAD_ARGUMENT: return "Not initialised, or a bad argument";
    case PACK_CANNOT_OPEN: return "The file cannot be opened";
    case PACK_WRITE_FAILED: return "A write failed";
    case PACK_OUT_OF_MEMORY: return "Out of memory";
    case PACK_NO_RECORD_START: return "A record does not begin with its marker";
    case PACK_LENGTH_MISMATCH: return "A record's expanded length does not match its data";
    case PACK_NO_RECORD_END: return "A record does not end with its marker";
    case PACK_BAD_COMPRESSED_DATA: return "A record's compressed data are invalid";
    default: return "Unknown Error";
    }
}

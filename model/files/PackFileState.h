#pragma once

// Inside the record layer only: the record-file object and the process-wide layer state.

#include "model/files/PackFile.h"

#include <vector>

class CPackFile {
public:
    std::FILE* m_file = nullptr;
    bool m_writing = false;
    std::vector<uint8_t> m_ownedBuffer;
    uint8_t* m_buffer = nullptr;
    std::size_t m_capacity = 0;
    std::size_t m_count = 0;    // bytes buffered
    std::size_t m_readAt = 0;   // of those, already delivered
    int m_literalMode = 0;
    int m_dictionarySize = 0;
    CPackCounts m_counts;
    int m_error = 0;
    bool m_stopped = false;     // reading met the end marker or an error and reads no further
    bool m_finished = false;    // writing has put the end marker
};

struct CPackLayer {
    CDclWorkArea* m_pWorkArea = nullptr;
    std::unique_ptr<CDclWorkArea> m_ownedWorkArea;
    int m_literalMode = 0;
    int m_dictionarySize = 4096;
    int m_entryMode = PACK_ENTRY_NUL;
    int m_lastError = 0;
    uint32_t m_crc = 0;
    bool m_accumulateCrc = true;
};

CPackLayer& PackLayer();

// Records the error in the file and returns false, for the failure paths.
bool PackFail(CPackFile& file, int code);

#pragma once

#include "model/files/DclWorkArea.h"

#include <cstddef>
#include <cstdint>

// The DCL implode format: a literal-mode byte, a dictionary-size byte, then a bit stream of
// literals and copies from the bytes already expanded, ended by a copy of length 519.

enum DclLiteralMode : int { DCL_BINARY = 0, DCL_ASCII = 1 };

enum DclResult : int {
    DCL_OK = 0,
    DCL_BAD_DICTIONARY = 1,   // implode: a size other than 1024, 2048, 4096; explode: a byte outside 4..6
    DCL_BAD_LITERAL_MODE = 2, // a literal mode this program cannot code (see DclImplode)
    DCL_INPUT_TOO_SHORT = 3,  // explode: the input is shorter than the shortest stream
    DCL_DAMAGED = 4,          // explode: the bit stream ends early or names bytes never expanded
    DCL_OUTPUT_REFUSED = 5,   // the write callback refused the bytes; the work stopped there
};

// Fills the buffer with up to `size` bytes and returns how many; 0 at the end.
using DclReadCallback = std::size_t (*)(uint8_t* buffer, std::size_t size, void* user);
// Takes `count` bytes; false stops the work (DCL_OUTPUT_REFUSED).
using DclWriteCallback = bool (*)(const uint8_t* buffer, std::size_t count, void* user);

inline constexpr int kDclDictionarySizes[] = {1024, 2048, 4096};

// Compresses everything the read callback gives into one stream. Only binary literals are coded:
// the ASCII literal table is not part of this program, so DCL_ASCII gives DCL_BAD_LITERAL_MODE.
int DclImplode(DclReadCallback read, DclWriteCallback write, CDclWorkArea& work, void* user,
               int literalMode, int dictionarySize);

// Expands one stream. Never reads or writes outside its own buffers, whatever the input; memory
// stays the work area's.
int DclExplode(DclReadCallback read, DclWriteCallback write, CDclWorkArea& work, void* user);

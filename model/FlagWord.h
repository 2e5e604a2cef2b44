#pragma once

#include <cstdint>

// Bit n (0-15) of a record's 16-bit flag word.
int TestFlagBit(uint16_t word, int bit);

// Operation 0 clears, 2 toggles, any other sets; bit -1 sets all sixteen; bits above 15 change
// nothing. Returns 0 for a bit above 15, 1 for bit -1, else the operation.
int ChangeFlagBit(uint16_t* word, int bit, int operation);

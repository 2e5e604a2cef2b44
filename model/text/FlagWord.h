#pragma once

#include <cstdint>

// Bit n (0-15) of a record's 16-bit flag word; a bit outside the word reads as clear. Inline:
// recalculation and the check test flags of every row on every edit.
inline int TestFlagBit(uint16_t word, int bit)
{
    // Shifting by a bit outside the word would be undefined.
    if (bit < 0 || bit > 15)
        return 0;
    return (word >> bit) & 1;
}

// Operation 0 clears, 2 toggles, any other sets; bit -1 sets all sixteen; bits above 15 change
// nothing. Returns 0 for a bit above 15, 1 for bit -1, else the operation.
int ChangeFlagBit(uint16_t* word, int bit, int operation);

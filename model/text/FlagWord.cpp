#include "model/text/FlagWord.h"

namespace {
constexpr int kHighestBit = 15;
}

int ChangeFlagBit(uint16_t* word, int bit, int operation)
{
    if (word == nullptr)
        return 0;
    if (bit == -1) {
        *word = 0xFFFF;
        return 1;
    }
    if (bit < -1 || bit > kHighestBit)
        return 0;
    const uint16_t mask = uint16_t(1u << bit);
    if (operation == 0)
        *word = uint16_t(*word & ~mask);
    else if (operation == 2)
        *word = uint16_t(*word ^ mask);
    else
        *word = uint16_t(*word | mask);
    return operation;
}

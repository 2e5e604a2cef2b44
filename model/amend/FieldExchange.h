#pragma once

#include "model/records/ByteBlock.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The typed steps with which records take over an amendment (ExchangeWithLog) and reduce a newer
// version to its differences (ReduceToChanges).
//
// Exchange: `mine` is the current record's field, `theirs` the amendment's. Each returns 1 when the
// field changed, else 0, and logs `label` under `category` when it changed and a label is given.
// Numbers are always swapped (an amendment carries them in full); texts and blocks only when the
// amendment holds a real value, so afterwards the amendment record holds the old values.

unsigned ExchangeAndLogInt(int32_t& mine, int32_t& theirs, int category = 0, const char* label = nullptr);
unsigned ExchangeAndLogDouble(double& mine, double& theirs, int category = 0, const char* label = nullptr);
unsigned ExchangeAndLogWord(uint16_t& mine, uint16_t& theirs, int category = 0, const char* label = nullptr);
unsigned ExchangeAndLogByte(uint8_t& mine, uint8_t& theirs, int category = 0, const char* label = nullptr);

// Exchanges one bit of two flag words.
unsigned ExchangeAndLogFlag(uint16_t& mine, uint16_t& theirs, int bit, int category = 0,
                            const char* label = nullptr);

// Nothing happens when the amendment holds the unchanged marker or an equal text.
unsigned SwapAndLogString(std::string& mine, std::string& theirs, int category = 0,
                          const char* label = nullptr);

// Exchanges every pair of two equally long lists; logs once when any pair differed. An amendment
// text holding the unchanged marker keeps the current text.
unsigned ExchangeAndLogStrings(std::span<std::string> mine, std::span<std::string> theirs,
                               int category = 0, const char* label = nullptr);

// Nothing happens when the amendment's block holds the unchanged marker; an equal block is
// swapped but is no change.
unsigned ExchangeAndLogBlock(CByteBlock& mine, CByteBlock& theirs, int category = 0,
                             const char* label = nullptr);

// Reduce: `mine` is the newer record's field, `theirs` the older one's. An equal text becomes the
// unchanged marker (0); a differing one stays and counts 1; a marker already there counts 0.
unsigned MarkUnchanged(std::string& mine, std::string_view theirs);
unsigned MarkUnchangedBlock(CByteBlock& mine, const CByteBlock& theirs);

unsigned FlagDiffers(uint16_t mine, uint16_t theirs, int bit);

// 1 when the lists differ: in length, or in any text at the same position.
unsigned CompareStringArrays(std::span<const std::string> a, std::span<const std::string> b);

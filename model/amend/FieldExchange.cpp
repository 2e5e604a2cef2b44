#include "model/amend/FieldExchange.h"

#include "model/amend/ChangeLog.h"
#include "model/text/FlagWord.h"
#include "model/records/RecordText.h"

#include <utility>

namespace {

unsigned Changed(int category, const char* label)
{
    LogAmendmentChange(label, category, 0);
    return 1;
}

template <class Number>
unsigned ExchangeNumber(Number& mine, Number& theirs, int category, const char* label)
{
    const bool differed = mine != theirs;
    std::swap(mine, theirs);
    return differed ? Changed(category, label) : 0;
}

} // namespace

unsigned ExchangeAndLogInt(int32_t& mine, int32_t& theirs, int category, const char* label)
{
    return ExchangeNumber(mine, theirs, category, label);
}

unsigned ExchangeAndLogDouble(double& mine, double& theirs, int category, const char* label)
{
    return ExchangeNumber(mine, theirs, category, label);
}

unsigned ExchangeAndLogWord(uint16_t& mine, uint16_t& theirs, int category, const char* label)
{
    return ExchangeNumber(mine, theirs, category, label);
}

unsigned ExchangeAndLogByte(uint8_t& mine, uint8_t& theirs, int category, const char* label)
{
    return ExchangeNumber(mine, theirs, category, label);
}

unsigned ExchangeAndLogFlag(uint16_t& mine, uint16_t& theirs, int bit, int category, const char* label)
{
    const int mineSet = TestFlagBit(mine, bit);
    const int theirsSet = TestFlagBit(theirs, bit);
    if (mineSet == theirsSet)
        return 0;
    ChangeFlagBit(&mine, bit, theirsSet ? 1 : 0);
    ChangeFlagBit(&theirs, bit, mineSet ? 1 : 0);
    return Changed(category, label);
}

unsigned SwapAndLogString(std::string& mine, std::string& theirs, int category, const char* label)
{
    if (IsUnchangedMarker(theirs) || TextsEqual(mine, theirs))
        return 0;
    mine.swap(theirs);
    return Changed(category, label);
}

unsigned ExchangeAndLogStrings(std::span<std::string> mine, std::span<std::string> theirs,
                               int category, const char* label)
{
    bool differed = false;
    for (size_t i = 0; i < mine.size() && i < theirs.size(); ++i) {
        if (IsUnchangedMarker(theirs[i]))
            continue;
        differed = differed || !TextsEqual(mine[i], theirs[i]);
        mine[i].swap(theirs[i]);
    }
    return differed ? Changed(category, label) : 0;
}

unsigned ExchangeAndLogBlock(CByteBlock& mine, CByteBlock& theirs, int category, const char* label)
{
    if (theirs.IsUnchangedMarker())
        return 0;
    // Like every other exchange, an equal block is not a change.
    const bool differed = mine != theirs;
    std::swap(mine, theirs);
    return differed ? Changed(category, label) : 0;
}

unsigned MarkUnchanged(std::string& mine, std::string_view theirs)
{
    if (IsUnchangedMarker(mine))
        return 0;
    if (!TextsEqual(mine, theirs))
        return 1;
    mine.assign(1, kUnchangedText[0]);
    return 0;
}

unsigned MarkUnchangedBlock(CByteBlock& mine, const CByteBlock& theirs)
{
    if (mine.IsUnchangedMarker())
        return 0;
    if (mine != theirs)
        return 1;
    mine.MarkUnchanged();
    return 0;
}

unsigned FlagDiffers(uint16_t mine, uint16_t theirs, int bit)
{
    return TestFlagBit(mine, bit) != TestFlagBit(theirs, bit) ? 1 : 0;
}

unsigned CompareStringArrays(std::span<const std::string> a, std::span<const std::string> b)
{
    if (a.size() != b.size())
        return 1;
    for (size_t i = 0; i < a.size(); ++i)
        if (!TextsEqual(a[i], b[i]))
            return 1;
    return 0;
}

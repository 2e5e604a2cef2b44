#include "model/records/WinMeta.h"

#include "model/amend/FieldExchange.h"
#include "model/text/FlagWord.h"
#include "model/records/RecordText.h"

#include <algorithm>
#include <utility>

namespace {

// The form flag bits that hold the bidder's values, not the agency's.
constexpr int kBidderFlagBits[] = {3, 4, 5, 11};
// Kept as well unless the agency moved fields between ids.
constexpr int kPayByCheckFlagBit = 10;

// For the form's unlabelled small numbers, which the typed exchange steps do not cover.
template <class Number>
unsigned SwapNumber(Number& mine, Number& theirs)
{
    const bool differed = mine != theirs;
    std::swap(mine, theirs);
    return differed ? 1 : 0;
}

template <class Number, size_t N>
unsigned CountDifferences(const std::array<Number, N>& mine, const std::array<Number, N>& theirs)
{
    unsigned count = 0;
    for (size_t i = 0; i < N; ++i)
        count += mine[i] != theirs[i];
    return count;
}

// Both lists are compared position by position; each surplus text counts as one difference.
unsigned ReduceTextList(std::vector<std::string>& mine, const std::vector<std::string>& older)
{
    const size_t common = std::min(mine.size(), older.size());
    unsigned count = unsigned(std::max(mine.size(), older.size()) - common);
    for (size_t i = 0; i < common; ++i)
        count += MarkUnchanged(mine[i], older[i]);
    return count;
}

unsigned ExchangeTextList(std::vector<std::string>& mine, std::vector<std::string>& theirs)
{
    const size_t common = std::min(mine.size(), theirs.size());
    unsigned count = unsigned(std::max(mine.size(), theirs.size()) - common);
    for (size_t i = 0; i < common; ++i)
        count += SwapAndLogString(mine[i], theirs[i]);
    mine.resize(common);
    for (size_t i = common; i < theirs.size(); ++i) {
        StripUnchangedMarker(theirs[i]);
        mine.push_back(std::move(theirs[i]));
    }
    theirs.resize(common);
    return count;
}

} // namespace

void CWinMeta::CopyFrom(const CWinMeta& source)
{
    m_wFlags = source.m_wFlags;
    m_dGoal = source.m_dGoal;
    m_dSecondNumber = source.m_dSecondNumber;
    m_bytePair = source.m_bytePair;
    m_iGeometry = source.m_iGeometry;
    m_strFirstText = source.m_strFirstText;
    m_iFontSize = source.m_iFontSize;
    m_strFontFace = source.m_strFontFace;
    m_strFurtherTexts = source.m_strFurtherTexts;
    m_wColumnOfId = source.m_wColumnOfId;
    m_wSecondWord = source.m_wSecondWord;
    m_fields.CopyFrom(source.m_fields);
    m_rows.CopyFrom(source.m_rows);
    m_texts = source.m_texts;
    m_dbFields.CopyFrom(source.m_dbFields);
    m_filters.CopyFrom(source.m_filters);
}

unsigned CWinMeta::ReduceToChanges(const CWinMeta* older)
{
    if (!older)
        return 1;
    const unsigned fieldChanges = m_fields.ReduceToChanges(older->m_fields);
    ChangeFlagBit(&m_wFlags, FORM_FIELDS_CHANGED, fieldChanges ? 1 : 0);
    unsigned count = fieldChanges;
    count += m_dGoal != older->m_dGoal;
    count += m_iFontSize != older->m_iFontSize;
    count += CountDifferences(m_iGeometry, older->m_iGeometry);
    count += CountDifferences(m_bytePair, older->m_bytePair);
    count += MarkUnchanged(m_strFirstText, older->m_strFirstText);
    count += MarkUnchanged(m_strFontFace, older->m_strFontFace);
    for (int i = 0; i < kFurtherTextCount; ++i)
        count += MarkUnchanged(m_strFurtherTexts[i], older->m_strFurtherTexts[i]);
    count += CountDifferences(m_wColumnOfId, older->m_wColumnOfId);
    for (int bit : kBidderFlagBits)
        count += FlagDiffers(m_wFlags, older->m_wFlags, bit);
    count += FlagDiffers(m_wFlags, older->m_wFlags, kPayByCheckFlagBit);
    count += FlagDiffers(m_wSecondWord, older->m_wSecondWord, 0);
    count += ReduceTextList(m_texts, older->m_texts);
    count += m_dbFields.ReduceToChanges(older->m_dbFields);
    count += m_filters.ReduceToChanges(older->m_filters);
    return count;
}

unsigned CWinMeta::ExchangeWithLog(CWinMeta& amendment)
{
    const uint16_t flagsBefore = m_wFlags;
    std::swap(m_wFlags, amendment.m_wFlags);
    unsigned count = 0;
    for (size_t i = 0; i < m_bytePair.size(); ++i)
        count += ExchangeAndLogByte(m_bytePair[i], amendment.m_bytePair[i]);
    count += ExchangeAndLogWord(m_wSecondWord, amendment.m_wSecondWord);
    // The form keeps what the last check found on it until the next check.
    for (size_t i = 0; i < m_iGeometry.size(); ++i)
        if (i != kCheckStateNumber)
            count += SwapNumber(m_iGeometry[i], amendment.m_iGeometry[i]);
    count += SwapNumber(m_iFontSize, amendment.m_iFontSize);
    count += ExchangeAndLogDouble(m_dGoal, amendment.m_dGoal);
    count += SwapAndLogString(m_strFirstText, amendment.m_strFirstText);
    count += SwapAndLogString(m_strFontFace, amendment.m_strFontFace);
    for (int i = 0; i < kFurtherTextCount; ++i)
        count += SwapAndLogString(m_strFurtherTexts[i], amendment.m_strFurtherTexts[i]);
    unsigned columnChanges = 0;
    for (size_t i = 0; i < m_wColumnOfId.size(); ++i)
        columnChanges += ExchangeAndLogWord(m_wColumnOfId[i], amendment.m_wColumnOfId[i]);
    count += columnChanges;

    // Swapping the bits back leaves this form with the bidder's values.
    for (int bit : kBidderFlagBits)
        ExchangeAndLogFlag(m_wFlags, amendment.m_wFlags, bit);
    if (columnChanges == 0)
        ExchangeAndLogFlag(m_wFlags, amendment.m_wFlags, kPayByCheckFlagBit);
    count += m_wFlags != flagsBefore;

    if (TestFlagBit(m_wFlags, FORM_FIELDS_CHANGED))
        m_rows.DeleteAll();
    count += m_fields.ExchangeWithLog(amendment.m_fields);
    count += ExchangeTextList(m_texts, amendment.m_texts);
    count += m_dbFields.ExchangeWithLog(amendment.m_dbFields);
    count += m_filters.ExchangeWithLog(amendment.m_filters);
    return count;
}

void CWinMeta::StripUnchangedMarkers()
{
    StripUnchangedMarker(m_strFirstText);
    StripUnchangedMarker(m_strFontFace);
    for (std::string& text : m_strFurtherTexts)
        StripUnchangedMarker(text);
    for (std::string& text : m_texts)
        StripUnchangedMarker(text);
    m_fields.StripUnchangedMarkers();
    m_rows.StripUnchangedMarkers();
    m_dbFields.StripUnchangedMarkers();
    m_filters.StripUnchangedMarkers();
}

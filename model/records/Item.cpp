#include "model/records/Item.h"

#include "model/text/CharClass.h"
#include "model/amend/FieldExchange.h"
#include "model/text/FlagWord.h"
#include "model/records/RecordText.h"
#include "model/text/TextUtil.h"

#include <algorithm>

namespace {

bool SameBits(const CItem& a, const CItem& b, std::initializer_list<int> bits)
{
    return std::all_of(bits.begin(), bits.end(),
                       [&](int bit) { return TestFlagBit(a.m_wFlags, bit) == TestFlagBit(b.m_wFlags, bit); });
}

} // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiToUpper(x) == AsciiToUpper(y); });
}

void CItem::CopyFrom(const CItem& source) { *this = source; }

unsigned CItem::ReduceToChanges(const CItem* older)
{
    if (!older || TestFlagBit(older->m_wFlags, ITEM_MATCHED))
        return 1;
    m_strLineNum = older->m_strLineNum;
    m_strItemNum = older->m_strItemNum;
    ChangeFlagBit(&m_wFlags, ITEM_IS_SECTION, older->IsSection() ? 1 : 0);
    ChangeFlagBit(&m_wFlags, ITEM_TO_DELETE, 1);
    return 1;
}

unsigned CItem::ExchangeWithLog(CItem& amendment)
{
    ExchangeAndLogWord(m_wFlags, amendment.m_wFlags);
    ExchangeAndLogDouble(m_fQuan, amendment.m_fQuan);
    ExchangeAndLogDouble(m_fExtension2, amendment.m_fExtension2);
    ExchangeAndLogDouble(m_fUnitPrice, amendment.m_fUnitPrice);
    SwapAndLogString(m_strUnit, amendment.m_strUnit);
    SwapAndLogString(m_strAltCode, amendment.m_strAltCode);
    SwapAndLogString(m_strItemNum, amendment.m_strItemNum);
    SwapAndLogString(m_strShortDesc, amendment.m_strShortDesc);
    SwapAndLogString(m_strLongDesc, amendment.m_strLongDesc);
    ChangeFlagBit(&m_wFlags, ITEM_ANCHOR_IS_SECTION, 0);
    return 1;
}

void CItem::StripUnchangedMarkers()
{
    for (std::string* text : {&m_strLineNum, &m_strAltCode, &m_strItemNum, &m_strUnit, &m_strShortDesc, &m_strLongDesc})
        StripUnchangedMarker(*text);
}

std::string CItem::GetAlternateGroup() const
{
    return IsBlankString(m_strAltCode) ? std::string() : m_strAltCode.substr(0, 2);
}

bool CItem::IsInAlternateGroup(std::string_view code) const
{
    if (IsBlankString(m_strAltCode) || IsBlankString(code))
        return false;
    return EqualsIgnoringCase(std::string_view(m_strAltCode).substr(0, 2), code.substr(0, 2));
}

bool CItem::HasAlternateCode(std::string_view code) const
{
    return !IsBlankString(m_strAltCode) && !IsBlankString(code) && EqualsIgnoringCase(m_strAltCode, code);
}

bool AreItemsEqual(const CItem& a, const CItem& b)
{
    if (!TextsEqual(a.m_strLineNum, b.m_strLineNum) || !SameBits(a, b, {ITEM_IS_SECTION}) ||
        !TextsEqual(a.m_strAltCode, b.m_strAltCode) || !TextsEqual(a.m_strLongDesc, b.m_strLongDesc) ||
        !SameBits(a, b, {ITEM_IS_ALTERNATE, ITEM_IS_OPTION}))
        return false;
    if (a.IsSection())
        return true;
    if (!TextsEqual(a.m_strItemNum, b.m_strItemNum) || !TextsEqual(a.m_strUnit, b.m_strUnit) ||
        !TextsEqual(a.m_strShortDesc, b.m_strShortDesc) || a.m_fQuan != b.m_fQuan ||
        !SameBits(a, b, {ITEM_FIXED_PRICE}))
        return false;
    if (TestFlagBit(a.m_wFlags, ITEM_FIXED_PRICE) && a.m_fUnitPrice != b.m_fUnitPrice)
        return false;
    return SameBits(a, b, {ITEM_LUMP_SUM, ITEM_NOT_IN_CHOICE, ITEM_FIXED_FULLY_BID});
}

#include "model/records/FieldInfo.h"

#include "model/amend/FieldExchange.h"
#include "model/records/RecordText.h"

#include <utility>

namespace {

// Shorter blocks cannot even hold a bitmap's file header.
constexpr size_t kMinBitmapBytes = 10;

// The eight numbers of a field, in their stored order.
constexpr int32_t CFieldInfo::*kNumberFields[] = {
    &CFieldInfo::m_iX,    &CFieldInfo::m_iY,         &CFieldInfo::m_iWidth,      &CFieldInfo::m_iHeight,
    &CFieldInfo::m_iKind, &CFieldInfo::m_iAlignment, &CFieldInfo::m_iLastColumn, &CFieldInfo::m_iRequirement};

} // namespace

bool CFieldInfo::AcceptsTyping() const
{
    return m_iKind != 8 && m_iKind != 9 && m_iKind != 11;
}

bool CFieldInfo::SetData(std::vector<uint8_t> bytes, const char* helpText)
{
    m_pBitmap.reset();
    const bool hasBytes = !bytes.empty();
    m_data.Assign(std::move(bytes));
    if (!hasBytes)
        return false;
    if (helpText)
        m_strHelp = helpText;
    return true;
}

bool CFieldInfo::LoadBitmap(bool reload)
{
    if (m_pBitmap && !reload)
        return true;
    m_pBitmap.reset();
    if (m_data.IsUnchangedMarker() || m_data.GetBytes().size() < kMinBitmapBytes)
        return false;
    auto bitmap = std::make_unique<CDib>();
    if (!bitmap->LoadFromMemory(m_data.GetBytes().data(), m_data.GetBytes().size()))
        return false;
    m_pBitmap = std::move(bitmap);
    return true;
}

void CFieldInfo::CopyFrom(const CFieldInfo& source)
{
    m_wFlags = source.m_wFlags;
    m_iX = source.m_iX;
    m_iY = source.m_iY;
    m_iWidth = source.m_iWidth;
    m_iHeight = source.m_iHeight;
    m_iKind = source.m_iKind;
    m_iAlignment = source.m_iAlignment;
    m_iLastColumn = source.m_iLastColumn;
    m_iRequirement = source.m_iRequirement;
    m_strName = source.m_strName;
    m_strText = source.m_strText;
    m_strHelp = source.m_strHelp;
    m_data = source.m_data;
    m_pBitmap.reset();
}

unsigned CFieldInfo::ReduceToChanges(const CFieldInfo* older)
{
    if (!older)
        return 1;
    unsigned count = 0;
    for (auto number : kNumberFields)
        count += this->*number != older->*number;
    count += m_wFlags != older->m_wFlags;
    count += MarkUnchanged(m_strName, older->m_strName);
    count += MarkUnchanged(m_strText, older->m_strText);
    count += MarkUnchanged(m_strHelp, older->m_strHelp);
    count += MarkUnchangedBlock(m_data, older->m_data);
    return count;
}

unsigned CFieldInfo::ExchangeWithLog(CFieldInfo& amendment)
{
    unsigned count = ExchangeAndLogWord(m_wFlags, amendment.m_wFlags);
    for (auto number : kNumberFields)
        count += ExchangeAndLogInt(this->*number, amendment.*number);
    count += SwapAndLogString(m_strName, amendment.m_strName);
    count += SwapAndLogString(m_strText, amendment.m_strText);
    count += SwapAndLogString(m_strHelp, amendment.m_strHelp);
    const unsigned blockChanged = ExchangeAndLogBlock(m_data, amendment.m_data);
    if (blockChanged)
        m_pBitmap.reset();
    return count + blockChanged;
}

void CFieldInfo::StripUnchangedMarkers()
{
    StripUnchangedMarker(m_strName);
    StripUnchangedMarker(m_strText);
    StripUnchangedMarker(m_strHelp);
    m_data.StripUnchangedMarker();
}

#include "model/records/FormRows.h"

#include "model/records/RecordText.h"

void CCellData::StripUnchangedMarkers()
{
    StripUnchangedMarker(m_strText);
    StripUnchangedMarker(m_strText2);
    m_data.StripUnchangedMarker();
}

void CDBEItem::CopyFrom(const CDBEItem& source)
{
    const uint16_t ownFlags = m_wFlags;
    *this = source;
    m_wFlags = ownFlags;
}

void CDBEItem::StripUnchangedMarkers()
{
    StripUnchangedMarker(m_strNote);
}

CDBEItem* CRowData::FindDbeItemByLine(std::string_view lineNumber) const
{
    auto found = m_dbeItemByLine.find(lineNumber);
    return found == m_dbeItemByLine.end() ? nullptr : m_dbeItems.GetAtOrNull(found->second);
}

bool CRowData::SetDbeItemForLine(std::string_view lineNumber, const CDBEItem* entry)
{
    if (!entry) {
        if (auto found = m_dbeItemByLine.find(lineNumber); found != m_dbeItemByLine.end())
            m_dbeItemByLine.erase(found);
        return true;
    }
    for (int i = 0; i < m_dbeItems.GetSize(); ++i) {
        if (m_dbeItems.GetAt(i) == entry) {
            m_dbeItemByLine.insert_or_assign(std::string(lineNumber), i);
            return true;
        }
    }
    return false;
}

bool CRowData::DeleteDbeItem(int index)
{
    if (!m_dbeItems.DeleteAt(index, true))
        return false;
    for (auto entry = m_dbeItemByLine.begin(); entry != m_dbeItemByLine.end();) {
        if (entry->second == index) {
            entry = m_dbeItemByLine.erase(entry);
            continue;
        }
        if (entry->second > index)
            --entry->second;
        ++entry;
    }
    return true;
}

void CRowData::CopyFrom(const CRowData& source)
{
    m_wFlags = source.m_wFlags;
    m_cells.CopyFrom(source.m_cells);
    m_dbeItems.CopyFrom(source.m_dbeItems);
    m_dbeItemByLine = source.m_dbeItemByLine;
}

void CRowData::StripUnchangedMarkers()
{
    m_cells.StripUnchangedMarkers();
    m_dbeItems.StripUnchangedMarkers();
}

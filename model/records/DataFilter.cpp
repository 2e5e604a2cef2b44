#include "model/records/DataFilter.h"

#include "model/text/ColumnText.h"
#include "model/amend/FieldExchange.h"
#include "model/records/RecordText.h"
#include "model/text/TextUtil.h"

bool CDataFilter::Matches(std::string_view text) const
{
    std::string columns = ExtractColumns(text, m_iStartColumn, m_iEndColumn);
    TrimLeftChars(columns, " \t");
    TrimRightChars(columns, " \t");
    for (const std::string& patterns : m_strPatterns)
        if (!patterns.empty() && MatchesAnyPattern(columns, patterns, false))
            return true;
    return false;
}

unsigned CDataFilter::ReduceToChanges(const CDataFilter* older)
{
    if (!older)
        return 1;
    return unsigned(m_iStartColumn != older->m_iStartColumn) +
           unsigned(m_iEndColumn != older->m_iEndColumn) +
           CompareStringArrays(m_strPatterns, older->m_strPatterns);
}

unsigned CDataFilter::ExchangeWithLog(CDataFilter& amendment)
{
    return ExchangeAndLogInt(m_iStartColumn, amendment.m_iStartColumn) +
           ExchangeAndLogInt(m_iEndColumn, amendment.m_iEndColumn) +
           ExchangeAndLogStrings(m_strPatterns, amendment.m_strPatterns);
}

void CDataFilter::StripUnchangedMarkers()
{
    for (std::string& pattern : m_strPatterns)
        StripUnchangedMarker(pattern);
}

#include "model/reports/FieldLines.h"

#include "model/reports/FieldTable.h"

#include <algorithm>

namespace {

// The length of the line end at `at` ("\r\n" counts as one).
std::size_t LineEndLength(const std::string& text, std::size_t at)
{
    return text.compare(at, 2, "\r\n") == 0 ? 2 : 1;
}

} // namespace

void CFieldLines::StartMissing()
{
    *this = CFieldLines(m_iFieldId);
}

void CFieldLines::StartText(std::string text, int lineMode, int wrapWidth)
{
    StartMissing();
    m_bMissing = false;
    m_bFresh = true;
    m_strText = std::move(text);
    m_iLineMode = lineMode;
    m_iWrapWidth = wrapWidth;
}

void CFieldLines::StartRecords(int count, int wrapWidth)
{
    StartMissing();
    m_bMissing = false;
    m_iRecords = count;
    m_iLineMode = wrapWidth > 0 ? LINE_MODE_WRAP : LINE_MODE_ONE;
    m_iWrapWidth = std::max(0, wrapWidth);
}

void CFieldLines::StartRecordText(std::string text)
{
    m_strText = std::move(text);
    m_pos = 0;
}

bool CFieldLines::HasLine() const
{
    if (m_bMissing)
        return false;
    if (IsRecordList())
        return m_iNext < m_iRecords || HasRecordTextLeft();
    return m_bFresh || m_pos < m_strText.size();
}

std::string CFieldLines::TakeText()
{
    m_bFresh = false;
    const std::size_t start = m_pos;
    const std::size_t rest = m_strText.size() - start;
    if (m_iLineMode != LINE_MODE_WRAP && m_iLineMode != LINE_MODE_LINES) {
        m_pos = m_strText.size();
        return m_strText.substr(start);
    }
    const std::size_t limit = m_iLineMode == LINE_MODE_WRAP && m_iWrapWidth > 0 ? std::size_t(m_iWrapWidth) : rest;
    const std::size_t lineEnd = m_strText.find_first_of("\r\n", start);
    if (lineEnd != std::string::npos && lineEnd - start <= limit) {
        m_pos = lineEnd + LineEndLength(m_strText, lineEnd);
        return m_strText.substr(start, lineEnd - start);
    }
    if (rest <= limit) {
        m_pos = m_strText.size();
        return m_strText.substr(start);
    }
    // Break at the last blank or tab that leaves the piece within the width, else cut there.
    const std::size_t blank = m_strText.find_last_of(" \t", start + limit);
    if (blank == std::string::npos || blank <= start) {
        m_pos = start + limit;
        return m_strText.substr(start, limit);
    }
    m_pos = std::min(m_strText.find_first_not_of(" \t", blank), m_strText.size());
    return m_strText.substr(start, blank - start);
}

void CFieldLines::Skip(int lines)
{
    if (IsRecordList()) {
        m_iNext = std::min(m_iRecords, m_iNext + std::max(0, lines));
        return;
    }
    for (int i = 0; i < lines && HasLine(); ++i)
        TakeText();
}

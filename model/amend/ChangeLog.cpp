#include "model/amend/ChangeLog.h"

#include <memory>

namespace {

std::unique_ptr<CAmendmentChangesLog> g_changeLog;
bool g_loggingOn = false;

const CLogElement* EntryOrNull(int n)
{
    return g_loggingOn && g_changeLog ? g_changeLog->GetAt(n) : nullptr;
}

} // namespace

void CLog::Add(std::string text, int category, int extra)
{
    m_elements.push_back({std::move(text), category, extra});
}

const CLogElement* CLog::GetAt(int n) const
{
    return n >= 0 && n < GetCount() ? &m_elements[static_cast<size_t>(n)] : nullptr;
}

void CLog::Truncate(int count)
{
    if (count >= 0 && count < GetCount())
        m_elements.resize(static_cast<size_t>(count));
}

void CreateAmendmentLog()
{
    g_changeLog = std::make_unique<CAmendmentChangesLog>();
    g_loggingOn = true;
}

void DestroyAmendmentLog()
{
    g_changeLog.reset();
    g_loggingOn = false;
}

CAmendmentChangesLog* GetAmendmentLog() { return g_changeLog.get(); }

void LogAmendmentChange(const char* text, int category, int extra)
{
    if (text)
        LogAmendmentChange(std::string_view(text), category, extra);
}

void LogAmendmentChange(std::string_view text, int category, int extra)
{
    if (g_loggingOn && g_changeLog)
        g_changeLog->Add(std::string(text), category, extra);
}

void LogIfChanged(unsigned count, const char* label)
{
    if (count != 0)
        LogAmendmentChange(label, LOG_PROPOSAL_DATA, 0);
}

int GetAmendmentChangeCount()
{
    return g_loggingOn && g_changeLog ? g_changeLog->GetCount() : 0;
}

int GetAmendmentChangeCategory(int n)
{
    const CLogElement* entry = EntryOrNull(n);
    return entry ? entry->m_iCategory : 0;
}

std::string GetAmendmentChangeText(int n)
{
    const CLogElement* entry = EntryOrNull(n);
    return entry ? entry->m_strText : std::string();
}

#pragma once

#include <string>
#include <string_view>
#include <vector>

// The amendment change log: what applying amendment files changed, shown to the user afterwards.

// Categories, listed by the amendment-changes dialog under their headings.
enum AmendmentLogCategory {
    LOG_PROPOSAL_DATA = 1,
    LOG_ITEMS_DELETED = 2,
    LOG_ITEMS_ADDED = 3,
    LOG_ITEMS_CHANGED = 4,
    LOG_ENTRIES_REMOVED = 5, // what the bidder entered and an amendment took away
    LOG_ADDENDUM_NOTES = 8,
};

struct CLogElement {
    std::string m_strText;
    int m_iCategory = 0;
    int m_iExtra = 0;
};

class CLog {
public:
    virtual ~CLog() = default;

    void Add(std::string text, int category, int extra);
    int GetCount() const { return static_cast<int>(m_elements.size()); }
    // Null outside 0..count-1.
    const CLogElement* GetAt(int n) const;
    void Clear() { m_elements.clear(); }
    // Drops the entries from `count` on; used to take back what a failed change logged.
    void Truncate(int count);

private:
    std::vector<CLogElement> m_elements;
};

class CAmendmentChangesLog : public CLog {};

// One program-wide log, main thread only. Create starts a batch (any earlier log is discarded)
// and turns logging on; Destroy discards it and turns logging off (also the reset for tests).
void CreateAmendmentLog();
void DestroyAmendmentLog();
CAmendmentChangesLog* GetAmendmentLog();

// Appends an entry while logging is on; a null text adds nothing.
void LogAmendmentChange(const char* text, int category, int extra = 0);
void LogAmendmentChange(std::string_view text, int category, int extra = 0);

// Logs `label` under LOG_PROPOSAL_DATA when `count` is not 0 and there is a label.
void LogIfChanged(unsigned count, const char* label);

// 0 while logging is off.
int GetAmendmentChangeCount();
// Category 0 and the empty text for an entry outside the log.
int GetAmendmentChangeCategory(int n);
std::string GetAmendmentChangeText(int n);

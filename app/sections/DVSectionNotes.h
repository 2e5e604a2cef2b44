#pragma once

// The alternate and option nodes of the schedule: groups and their choices, each explained in
// one text. The views change nothing; the totals and checks decide what is chosen.
#include "app/views/DV.h"

#include <string>

class CProp;

// The note of a group (the group's code and how many choices it has) or of a choice (its code).
class CDV_SectionNote : public CDV {
    DECLARE_DYNAMIC(CDV_SectionNote)
public:
    static constexpr UINT kTemplate = 134;
    static constexpr UINT IDC_NOTE = 1035;

    // Without a proposal, or for a row past the list, the template's text stays.
    void OnInitialUpdate() override;
    // The note of the node row at index; empty for a row past the list.
    std::string NoteText(const CProp& prop, int index) const;

protected:
    // The pattern holds "%s" for the code and, for a group, "%d" for its number of choices.
    CDV_SectionNote(const char* pattern, bool group);

private:
    const char* m_pszPattern;
    bool m_bGroup;
};

#define DECLARE_SECTION_NOTE(cls)                                                                  \
    class cls : public CDV_SectionNote {                                                           \
        DECLARE_DYNCREATE(cls)                                                                     \
    public:                                                                                        \
        cls();                                                                                     \
    };

DECLARE_SECTION_NOTE(CDV_AltSectionGroup)
DECLARE_SECTION_NOTE(CDV_OptSectionGroup)
DECLARE_SECTION_NOTE(CDV_AltSectionChoice)
DECLARE_SECTION_NOTE(CDV_OptSectionChoice)
DECLARE_SECTION_NOTE(CDV_AltItemGroup)
DECLARE_SECTION_NOTE(CDV_OptItemGroup)
DECLARE_SECTION_NOTE(CDV_AltItemChoice)
DECLARE_SECTION_NOTE(CDV_OptItemChoice)

#undef DECLARE_SECTION_NOTE

#include "app/sections/DVSectionNotes.h"

#include "app/doc/BidDoc.h"
#include "model/records/Prop.h"

IMPLEMENT_DYNAMIC(CDV_SectionNote, CDV)

namespace {

constexpr const char* kAltSectionGroup =
    "Alternate Section Group %s\r\nThere are %d section choices in this alternate group\r\n\r\nYou must Zod all of "
    "the alternate choices.  The letting agency will decide which alternate choice will be used after the "
    "letting.\r\n\r\nNote:  The Zod total will always use the lowest cost alternate choice even though this will not "
    "necessarily be the awarded amount.";
constexpr const char* kOptSectionGroup =
    "Section Option Group %s\r\nThere are %d choices for this group.\r\n\r\nYou must Zod exactly one of the choices. ";
constexpr const char* kAltSectionChoice =
    "Alternate Section Choice %s\r\nAll of the sections in this folder represent a single alternate choice.  All of "
    "these sections must be bid before this choice is considered to be complete. \r\n\r\nNote:  The Zod total will "
    "always use the lowest cost alternate choice even though this will not necessarily be the awarded amount.";
constexpr const char* kOptSectionChoice =
    "Section Option Choice %s\r\nAll of the sections in this folder represent a single choice.  All of these "
    "sections must be bid before this choice is considered to be complete. ";
constexpr const char* kAltItemGroup =
    "Alternate Item Group %s\r\nThere are %d item choices in this alternate group\r\n\r\nYou must Zod all of the "
    "alternate choices.  The letting agency will decide which alternate choice will be used after the "
    "letting.\r\n\r\nNote:  The Zod total will always use the lowest cost alternate choice even though this will not "
    "necessarily be the awarded amount.";
constexpr const char* kOptItemGroup =
    "Item Option Group %s\r\nThere are %d choices for this group.\r\n\r\nYou must Zod exactly one of the choices. ";
constexpr const char* kAltItemChoice =
    "Alternate Item Choice %s\r\nAll of the items in this folder represent a single alternate choice.  All of these "
    "items must be bid before this choice is considered to be complete. \r\n\r\nNote:  The Zod total will always use "
    "the lowest cost alternate choice even though this will not necessarily be the awarded amount.";
constexpr const char* kOptItemChoice =
    "Item Option Choice %s\r\nAll of the items in this folder represent a single choice.  All of these items must be "
    "bid before this choice is considered to be complete. ";

// The pattern's "%d" and "%s" take the count and the code; the code goes in last, so that what it
// holds is never read as a placeholder.
std::string Filled(std::string text, const std::string& code, int count)
{
    if (const auto at = text.find("%d"); at != std::string::npos)
        text.replace(at, 2, std::to_string(count));
    if (const auto at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, code);
    return text;
}

} // namespace

CDV_SectionNote::CDV_SectionNote(const char* pattern, bool group)
    : CDV(kTemplate), m_pszPattern(pattern), m_bGroup(group)
{
}

std::string CDV_SectionNote::NoteText(const CProp& prop, int index) const
{
    const CItem* row = prop.m_items.GetAtOrNull(index);
    if (!row)
        return {};
    if (!m_bGroup)
        return Filled(m_pszPattern, row->m_strAltCode, 0);
    return Filled(m_pszPattern, prop.m_items.GetItemAlternate(index), prop.m_items.CountAlternateChoices(index));
}

void CDV_SectionNote::OnInitialUpdate()
{
    CDV::OnInitialUpdate();
    const auto* document = dynamic_cast<const CBidDoc*>(GetDocument());
    const CProp* prop = document ? document->GetProp() : nullptr;
    CWnd* note = GetDlgItem(IDC_NOTE);
    const std::string text = prop ? NoteText(*prop, m_iNodeIndex) : std::string();
    if (note && !text.empty())
        note->SetWindowText(text);
}

#define IMPLEMENT_SECTION_NOTE(cls, pattern, group)                                                \
    IMPLEMENT_DYNCREATE(cls, CDV_SectionNote)                                                      \
    cls::cls() : CDV_SectionNote(pattern, group) {}

IMPLEMENT_SECTION_NOTE(CDV_AltSectionGroup, kAltSectionGroup, true)
IMPLEMENT_SECTION_NOTE(CDV_OptSectionGroup, kOptSectionGroup, true)
IMPLEMENT_SECTION_NOTE(CDV_AltSectionChoice, kAltSectionChoice, false)
IMPLEMENT_SECTION_NOTE(CDV_OptSectionChoice, kOptSectionChoice, false)
IMPLEMENT_SECTION_NOTE(CDV_AltItemGroup, kAltItemGroup, true)
IMPLEMENT_SECTION_NOTE(CDV_OptItemGroup, kOptItemGroup, true)
IMPLEMENT_SECTION_NOTE(CDV_AltItemChoice, kAltItemChoice, false)
IMPLEMENT_SECTION_NOTE(CDV_OptItemChoice, kOptItemChoice, false)

#include "app/dialogs/TVLLoad.h"

#include "model/files/TvlExtract.h"
#include "model/files/TvlLibrary.h"
#include "model/text/TextUtil.h"
#include "platform/core/Files.h"
#include "platform/core/Paths.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/window/PathText.h"

namespace {

constexpr const char* kExtractErrorCaption = "Error Extracting Proposal";
constexpr const char* kOpenErrorCaption = "Error Opening Library";

std::string ExtractErrorText(int result)
{
    switch (result) {
    case kTvlExtractCannotOpen: return "Can't open TVL library";
    case kTvlExtractCannotRead: return "Error Reading Library";
    case kTvlExtractNoMatch: return "No Matching Files Found";
    case kTvlExtractCannotCreate: return "Can't Extract File";
    default: return "Unknown Error";
    }
}

// A name with these would match other members too, as the member is extracted by pattern.
bool HasWildcards(const std::string& name)
{
    return name.find_first_of("*?;") != std::string::npos;
}

} // namespace

BEGIN_MESSAGE_MAP(CTVLLoad, CDialog)
    ON_LBN_DBLCLK(IDC_LIST, OnDblClkList)
END_MESSAGE_MAP()

CTVLLoad::CTVLLoad(CWnd* parent) : CDialog(IDD, parent) {}

bool CTVLLoad::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_strTitle.empty())
        SetTitle(m_strTitle);
    FillList();
    return true;
}

// The matching members in library order; a name that is no plain file name could never be
// extracted and is left out. A library that cannot be read whole is said to be so, with what
// could be read still listed.
void CTVLLoad::FillList()
{
    std::vector<CTvlEntry> entries;
    const int error = ListTvlMembers(m_strLibraryPath, entries);
    auto* list = dynamic_cast<CListBox*>(GetDlgItem(IDC_LIST));
    for (const CTvlEntry& entry : entries) {
        if (!list || !platform::IsPlainFileName(entry.m_strFileName) ||
            !MatchesAnyPattern(entry.m_strFileName, m_strPattern, false))
            continue;
        list->SetItemData(list->AddString(entry.m_strFileName), m_members.size());
        m_members.push_back(entry.m_strFileName);
    }
    if (error != kTvlNoError) {
        const int result = error == kTvlCannotOpen ? kTvlExtractCannotOpen : kTvlExtractCannotRead;
        ZodMessageBox(ExtractErrorText(result) + ": " + platform::PathForDisplay(m_strLibraryPath),
                      kOpenErrorCaption, MB_OK | MB_ICONEXCLAMATION);
    }
}

void CTVLLoad::OnOK()
{
    const auto* list = dynamic_cast<CListBox*>(GetDlgItem(IDC_LIST));
    const int selected = list ? list->GetCurSel() : LB_ERR;
    m_strChosenName.clear();
    if (selected != LB_ERR) {
        const std::string& member = m_members.at(list->GetItemData(selected));
        if (m_acceptMember && !m_acceptMember(member)) {
            EndDialog(IDCANCEL);
            return;
        }
        if (!ExtractMember(member))
            return;
    }
    EndDialog(IDOK);
}

bool CTVLLoad::ExtractMember(const std::string& member)
{
    const std::string path = TvlMemberPath(m_strLibraryPath, member);
    TvlExisting existing = TvlExisting::Refuse;
    if (platform::FileExists(path)) {
        if (ZodMessageBox(member + " already exists in current directory.\nSelect OK to overwrite "
                                   "(You will lose all saved changes)",
                          "Warning for Extracting Proposal", MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
            return false;
        // Only the file the user agreed to: a pattern could also reach others.
        if (!HasWildcards(member))
            existing = TvlExisting::Replace;
    }
    const int result = ExtractTvlMember(m_strLibraryPath, member, existing);
    if (TvlMembersExtracted(result))
        m_strChosenName = path;
    else
        ZodMessageBox(ExtractErrorText(result) + ": " + platform::PathForDisplay(m_strLibraryPath),
                      kExtractErrorCaption, MB_OK | MB_ICONEXCLAMATION);
    if (result == kTvlExtractedBeforeDamage)
        TellDamageAfterMember(m_strLibraryPath, member);
    return true;
}

void TellDamageAfterMember(const std::string& libraryPath, const std::string& member)
{
    // Appended piece by piece: g++ 12 warns falsely about a chain of + on a temporary.
    std::string text = ExtractErrorText(kTvlExtractCannotRead);
    text += ": ";
    text += platform::PathForDisplay(libraryPath);
    text += "\n\n";
    text += member;
    text += " was read whole before the damage.";
    ZodMessageBox(text, kOpenErrorCaption, MB_OK | MB_ICONEXCLAMATION);
}

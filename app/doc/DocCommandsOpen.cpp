// The File menu's openings: a proposal, a whole letting folder, and one amendment by hand.
#include "app/dialogs/LetLoad.h"
#include "app/doc/BidDoc.h"
#include "app/doc/DocDialogs.h"
#include "app/doc/DocPaths.h"
#include "app/frame/MainFrame.h"
#include "app/startup/BidApp.h"
#include "app/tree/BidTreeView.h"
#include "app/views/ViewHints.h"
#include "model/amend/AmendmentResult.h"
#include "model/amend/ChangeLog.h"
#include "model/check/CheckBid.h"
#include "model/check/Recalc.h"
#include "model/files/TvbFile.h"
#include "model/files/TvlExtract.h"
#include "model/files/TvlLibrary.h"
#include "model/records/Prop.h"
#include "model/text/CharClass.h"
#include "model/text/FlagWord.h"
#include "model/text/TextUtil.h"
#include "platform/core/Codepage.h"
#include "platform/core/Environment.h"
#include "platform/core/Files.h"
#include "platform/core/Paths.h"
#include "platform/core/ScratchFolder.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/window/PathText.h"

#include <algorithm>
#include <filesystem>

namespace {

// Letting files are grouped by the first five characters of their names.
constexpr std::size_t kLettingPrefix = 5;

std::string LettingOf(const std::string& name)
{
    return name.substr(0, kLettingPrefix);
}

bool ContainsIgnoringCase(const std::vector<std::string>& names, const std::string& name)
{
    return std::ranges::any_of(names, [&](const std::string& n) { return EqualsIgnoringCase(n, name); });
}

// Letters in any case sort together; names that differ only in case keep a fixed order.
bool NameBefore(const std::string& a, const std::string& b)
{
    if (EqualsIgnoringCase(a, b))
        return a < b;
    const auto folded = [](char c) { return static_cast<unsigned char>(AsciiToUpper(c)); };
    return std::ranges::lexicographical_compare(a, b, [&](char x, char y) { return folded(x) < folded(y); });
}

// The proposal and library files of the folder, by name without case: the agency's names come in
// any case.
std::vector<std::string> ProposalFilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(error) && WildcardMatch(name, "*.tv*", false))
            names.push_back(name);
    }
    std::ranges::sort(names, NameBefore);
    return names;
}

// Whether the name ends in a dot, 't' and two more characters: a ".tvb" or ".tvl" file.
bool HasProposalExtension(const std::string& name)
{
    return name.size() >= 4 && name[name.size() - 4] == '.' && (name[name.size() - 3] | 0x20) == 't';
}

std::string HomeFolder()
{
    return platform::GetEnvironment("HOME").value_or("/");
}

} // namespace

void CBidDoc::OnOpenProposal()
{
    platform::FileDialogRequest request;
    request.title = "Open Proposal";
    request.defaultExtension = ".TVB";
    request.filter = "Tarvello Files (*.TV*)|*.tv*|Proposal Files (*.TVB)|*.tvb|Proposal Libraries "
                     "(*.TVL)|*.TVL|AllFiles (*.*)|*.*||";
    request.flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    const auto chosen = platform::Modal().FileDialog(request);
    if (!chosen)
        return;
    OpenOutsideLetting(chosen->path);
}

void CBidDoc::OnOpenLetting()
{
    // Abandoned, the command leaves the letting shown as it was; only the folder is remembered.
    const LettingState before{m_wFlags, m_strLettingFiles, m_strLettingLibraries, m_iLettingIndex};
    if (OpenLetting())
        return;
    m_wFlags = before.flags;
    m_strLettingFiles = before.files;
    m_strLettingLibraries = before.libraries;
    m_iLettingIndex = before.index;
}

bool CBidDoc::OpenLetting()
{
    ChangeFlag(DOC_LETTING_CHOSEN, 1);
    m_iLettingIndex = 0;
    platform::FolderRequest request;
    request.title = "Choose a Letting Directory";
    request.initialFolder = m_strLettingFolder.empty() ? HomeFolder() : m_strLettingFolder;
    const auto folder = platform::Modal().ChooseFolder(request);
    if (!folder || !ListLettingFiles(*folder))
        return false;
    const std::optional<std::string> letting = ChooseLetting();
    if (!letting)
        return false;
    std::erase_if(m_strLettingFiles, [&](const std::string& name) {
        return !EqualsIgnoringCase(LettingOf(name), *letting) || !HasProposalExtension(name);
    });
    if (m_strLettingFiles.empty())
        return false;
    ChangeFlag(DOC_LETTING_MODE, 1);
    return OpenLettingProposal(0);
}

bool CBidDoc::ListLettingFiles(const std::string& folder)
{
    m_strLettingFolder = platform::AbsolutePath(folder);
    m_strLettingFiles = ProposalFilesIn(m_strLettingFolder);
    m_strLettingLibraries.clear();
    if (m_strLettingFiles.empty()) {
        AfxMessageBox("No *.TVB or *.TVL files found in directory!");
        return false;
    }
    // A library stands for the proposals it holds.
    std::vector<std::string> libraries;
    std::ranges::copy_if(m_strLettingFiles, std::back_inserter(libraries), IsLibraryPath);
    for (const std::string& library : libraries) {
        m_strLettingLibraries.push_back(m_strLettingFolder + "/" + library);
        std::vector<CTvlEntry> members;
        ListTvlMembers(m_strLettingLibraries.back(), members);
        for (const CTvlEntry& member : members)
            if (platform::IsPlainFileName(member.m_strFileName) &&
                !ContainsIgnoringCase(m_strLettingFiles, member.m_strFileName))
                m_strLettingFiles.push_back(member.m_strFileName);
        std::erase(m_strLettingFiles, library);
    }
    return true;
}

std::optional<std::string> CBidDoc::ChooseLetting() const
{
    CLetLoad dialog(AfxGetMainWnd());
    dialog.m_strTitle = "Select a Letting";
    for (const std::string& name : m_strLettingFiles)
        if (!ContainsIgnoringCase(dialog.m_lettings, LettingOf(name)))
            dialog.m_lettings.push_back(LettingOf(name));
    if (dialog.DoModal() != IDOK || dialog.m_strLetting.empty())
        return std::nullopt;
    return dialog.m_strLetting;
}

void CBidDoc::OnOpenAmendment()
{
    if (!m_pProp)
        return;
    const std::optional<ChosenAmendment> chosen = ChooseAmendmentFile();
    if (!chosen)
        return;
    // A member not applied leaves no file beside the library for the next loading to stumble on.
    if (!LoadChosenAmendment(chosen->path) && chosen->extracted)
        platform::RemoveFile(chosen->path);
}

bool CBidDoc::LoadChosenAmendment(const std::string& path)
{
    std::unique_ptr<CProp> amendment = ReadFittingAmendment(path, platform::PathForDisplay(path));
    if (!amendment)
        return false;
    if (CBidTreeView* tree = GetMainTreeView())
        tree->GetTreeCtrl().SelectItem(tree->GetTreeCtrl().GetRootItem());
    if (CBidView* splitter = GetMainSplitter())
        splitter->DestroyKeptViews();
    if (!ApplyChosenAmendment(*amendment))
        return false;
    RefreshAfterAmendment();
    return true;
}

std::optional<CBidDoc::ChosenAmendment> CBidDoc::ChooseAmendmentFile() const
{
    const std::string proposal = GetPathName();
    const std::string next = AmendmentPathOf(proposal, m_pProp->m_iAmendmentCount + 1);
    const std::string base = BaseNameOf(proposal);
    platform::FileDialogRequest request;
    request.title = "Open Amendment File";
    request.filter = "Amendment Files (" + base + ".0*)|" + base + ".0*|Amendment Files (*.0*)|*.0*|Amendment "
                     "Libraries (*.TVL)|*.TVL|All Files (*.*)|*.*||";
    request.defaultExtension = ExtensionOf(next);
    request.initialName = FileNameOf(next);
    request.initialFolder = FolderOf(proposal);
    request.flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    const auto chosen = platform::Modal().FileDialog(request);
    if (!chosen)
        return std::nullopt;
    if (!IsLibraryPath(chosen->path))
        return ChosenAmendment{chosen->path, false};
    const std::string library = chosen->path;
    const std::optional<std::string> member =
        ChooseLibraryMember(library, "*.0*", "Select Proposal", [this, &library](const std::string& name) {
            return LibraryAmendmentFits(library, name);
        });
    if (!member)
        return std::nullopt;
    return ChosenAmendment{*member, true};
}

// The member is read from a copy of its own: one that does not fit is refused before the user is
// asked whether it may replace a file of its name beside the library.
bool CBidDoc::LibraryAmendmentFits(const std::string& library, const std::string& member) const
{
    const platform::ScratchFolder scratch;
    const std::string name = platform::Cp1252ToUtf8(member);
    if (scratch.Path().empty() ||
        !TvlMembersExtracted(ExtractTvlMemberInto(library, member, scratch.Path(), TvlExisting::Refuse)))
        return true; // extracting it beside the library says what is wrong
    const std::string shown = platform::PathForDisplay(library) + ": " + name;
    return ReadFittingAmendment(platform::JoinPath(scratch.Path(), name), shown) != nullptr;
}

std::unique_ptr<CProp> CBidDoc::ReadFittingAmendment(const std::string& path, const std::string& shownPath) const
{
    std::unique_ptr<CProp> amendment;
    const int read = LoadTvbFile(amendment, path, true);
    if (read != kTvbNoError) {
        ZodMessageBox(GetTvbFileErrorText(read, false) + "\n\n" + shownPath, "Error Opening Amendment File",
                      MB_ICONEXCLAMATION);
        return nullptr;
    }
    if (const int refusal = CheckAmendmentFits(*m_pProp, *amendment)) {
        ZodMessageBox(GetAmendmentErrorText(refusal, false) + "\n\n" + shownPath, "Error Applying Amendment File",
                      MB_ICONEXCLAMATION);
        return nullptr;
    }
    return amendment;
}

bool CBidDoc::ApplyChosenAmendment(CProp& amendment)
{
    const bool sitesChange = std::ranges::any_of(
        amendment.m_sites, [](const auto& site) { return site && TestFlagBit(site->m_wFlags, SITE_CHANGED); });
    if (sitesChange &&
        AfxMessageBox("Proposal Site Information will change.  Some bid amounts associated with Proposal Sites may "
                      "be lost.  Do you want to Continue?",
                      MB_YESNO) != IDYES)
        return false;
    CreateAmendmentLog();
    const std::string failure = ExchangeAmendment(*m_pProp, amendment);
    if (!failure.empty()) {
        ZodMessageBox(failure, "Error Applying Amendment File", MB_ICONEXCLAMATION);
        DestroyAmendmentLog();
        return false;
    }
    SetModifiedFlag();
    ShowAmendmentChanges(*m_pProp);
    DestroyAmendmentLog();
    return true;
}

void CBidDoc::RefreshAfterAmendment()
{
    ResolveBidderID(*m_pProp, true);
    ReportBidderCertification(*m_pProp);
    RecalcBidTotals(m_pProp.get());
    if (IsLettingMode())
        CheckBid(m_pProp.get(), false);
    UpdateAllViews(nullptr, HINT_REBUILD_TREE);
    if (CMainFrame* frame = GetMainFrame()) {
        frame->ShowTotal(*m_pProp, -1);
        // The title counts the amendments.
        frame->OnUpdateFrameTitle(true);
    }
    CheckAgencyKey(*m_pProp);
}

// Opening a proposal: the save prompt, the library member, the file, the agency key, the
// amendments and the bidder ID, then the views.
#include "app/doc/BidDoc.h"

#include "app/dialogs/TVLLoad.h"
#include "app/doc/DocDialogs.h"
#include "app/doc/DocPaths.h"
#include "app/frame/MainFrame.h"
#include "app/startup/BidApp.h"
#include "app/tree/BidTreeView.h"
#include "app/tree/BidView.h"
#include "model/check/CheckBid.h"
#include "model/check/Recalc.h"
#include "model/files/PickList.h"
#include "model/files/TvbFile.h"
#include "model/files/TvlExtract.h"
#include "model/records/Prop.h"
#include "platform/core/Files.h"
#include "platform/core/Paths.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/window/PathText.h"

CBidDoc* CBidDoc::OpenProposalFile(const std::string& path)
{
    OpenProposal(path);
    return this;
}

bool CBidDoc::OpenOutsideLetting(const std::string& path)
{
    const bool letting = IsLettingMode();
    ChangeFlag(DOC_LETTING_MODE, 0);
    if (OpenProposal(path))
        return true;
    ChangeFlag(DOC_LETTING_MODE, letting ? 1 : 0);
    return false;
}

bool CBidDoc::OpenLettingProposal(int index)
{
    if (!IsLettingMode() || index < 0 || index >= int(m_strLettingFiles.size()))
        return false;
    return OpenProposal(m_strLettingFolder + "/" + m_strLettingFiles[size_t(index)]);
}

bool CBidDoc::OpenProposal(const std::string& path)
{
    ChangeFlag(DOC_OPENING, 1);
    m_strCheckedKey.reset();
    const std::string lastPath = GetLastProposalPath();
    // From the root: the amendments, lists and library beside it, the title and the recent files
    // all name this one file whatever the current folder later is.
    std::string proposal = platform::AbsolutePath(path);
    // Nothing of the open proposal goes before the user has had the chance to keep it.
    std::unique_ptr<CProp> prop = SaveBeforeOpening() ? ReceiveProposal(proposal) : nullptr;
    if (!prop) {
        SetLastProposalPath(lastPath);
        ChangeFlag(DOC_OPENING, 0);
        return false;
    }
    DeleteContents();
    m_pProp = std::move(prop);
    FinishOpening(proposal);
    return true;
}

std::unique_ptr<CProp> CBidDoc::ReceiveProposal(std::string& path)
{
    std::string displayName = path;
    bool fromLibrary = false;
    if (IsLibraryPath(path)) {
        const std::optional<std::string> member = ChooseLibraryMember(path, "*.tvb", "Select Proposal");
        if (!member)
            return nullptr;
        path = *member;
        fromLibrary = true;
    }
    if (IsLettingMode() && !platform::FileExists(path) && !m_strLettingLibraries.empty()) {
        if (!ExtractFromLettingLibrary(path, displayName))
            return nullptr;
        fromLibrary = true;
    }
    std::unique_ptr<CProp> prop = ReadProposal(path);
    // A proposal that refuses electronic bids is not taken: nothing would show it.
    if (!prop || !CheckAgencyKey(*prop))
        return nullptr;
    // The lists in files beside the proposal are found there from now on, as its amendments are
    // checked too.
    SetLastProposalPath(path);
    const CBidApp* app = GetBidApp();
    if (app && app->m_bAutoLoad)
        ApplyAmendmentFiles(*prop, path, fromLibrary, displayName);
    if (!ResolveBidderID(*prop, true))
        return nullptr;
    return prop;
}

bool CBidDoc::SaveBeforeOpening()
{
    if (!IsModified())
        return true;
    const std::string question =
        "The File " + GetTitle() + " has changed.\nDo you want to save the changes?";
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return true;
    // A proposal that could not be saved stays open.
    return DoFileSave();
}

// No view may show the proposal once it is gone (a new document, another opening, the program's
// end): the right pane goes blank, the tree loses the proposal's nodes (in a letting, the
// letting's own stay) and the kept firm forms go first.
void CBidDoc::DeleteContents()
{
    if (!m_pProp)
        return;
    CBidView* splitter = GetMainSplitter();
    if (splitter)
        splitter->ShowBlankForm();
    if (CBidTreeView* tree = GetMainTreeView()) {
        if (!IsLettingMode() || TestFlag(DOC_LETTING_CHOSEN))
            tree->RemoveAllNodes();
        else
            tree->RemoveProposalNodes();
    }
    if (splitter)
        splitter->DestroyKeptViews();
    m_pProp.reset();
    SetLastProposalPath("");
}

bool CBidDoc::ExtractFromLettingLibrary(const std::string& path, std::string& displayName)
{
    const std::string& library = m_strLettingLibraries.front();
    const std::string member = platform::PathForDisplay(FileNameOf(path));
    const int result = ExtractTvlMember(library, member, TvlExisting::Refuse);
    if (!TvlMembersExtracted(result)) {
        ZodMessageBox("Could not extract the proposal from the TVL library", "Error Extracting Proposal",
                      MB_ICONEXCLAMATION);
        return false;
    }
    if (result == kTvlExtractedBeforeDamage)
        TellDamageAfterMember(library, member);
    displayName = library;
    return true;
}

std::unique_ptr<CProp> CBidDoc::ReadProposal(const std::string& path)
{
    std::unique_ptr<CProp> prop;
    const int result = LoadTvbFile(prop, path, false);
    if (result != kTvbNoError)
        // The message names the file, so the user knows which one failed.
        ZodMessageBox(GetTvbFileErrorText(result, false) + "\n\n" + platform::PathForDisplay(path),
                      "Error Opening Proposal File", MB_ICONEXCLAMATION);
    return prop;
}

void CBidDoc::ReportBidderCertification(CProp& prop)
{
    std::string message;
    prop.UpdateBidderIsDbeFlags(&message);
    const CBidApp* app = GetBidApp();
    if (!message.empty() && app && app->m_bWarnRef)
        AfxMessageBox(message);
}

void CBidDoc::FinishOpening(const std::string& path)
{
    SetLastProposalPath(path);
    ReportBidderCertification(*m_pProp);
    if (IsLettingMode())
        CheckBid(m_pProp.get(), false);
    RecalcBidTotals(m_pProp.get());
    SetModifiedFlag(false);
    CMainFrame* frame = GetMainFrame();
    if (frame)
        frame->ShowTotal(*m_pProp, -1);
    SetPathName(path);
    if (frame)
        frame->InitialUpdateFrame(this, true);
    UpdateFirmMenus();
}

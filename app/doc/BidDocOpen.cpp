// Opening a proposal: the save prompt, the library member, the file, the agency key, the
// amendments and the bidder ID, then the views.
#include "app/doc/BidDoc.h"

#include "app/doc/DocDialogs.h"
#include "app/doc/DocPaths.h"
#include "app/frame/MainFrame.h"
#include "app/startup/BidApp.h"
#include "app/tree/BidTreeView.h"
#include "app/tree/BidView.h"
#include "model/check/CheckBid.h"
#include "model/check/Recalc.h"
#include "model/files/TvbFile.h"
#include "model/files/TvlExtract.h"
#include "model/records/Prop.h"
#include "platform/core/Files.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/window/PathText.h"

CBidDoc* CBidDoc::OpenProposalFile(const std::string& path)
{
    ChangeFlag(DOC_OPENING, 1);
    m_strCheckedKey.reset();
    // Nothing of the open proposal goes before the user has had the chance to keep it.
    if (m_pProp && !SaveBeforeOpening()) {
        ChangeFlag(DOC_OPENING, 0);
        return this;
    }
    std::string proposal = path;
    std::string displayName = path;
    bool fromLibrary = false;
    if (IsLibraryPath(path)) {
        const std::optional<std::string> member = ChooseLibraryMember(path, "*.tvb", "Select Proposal");
        if (!member) {
            ChangeFlag(DOC_OPENING, 0);
            return this;
        }
        proposal = *member;
        fromLibrary = true;
    }
    if (m_pProp)
        ClearForOpening();
    if (IsLettingMode() && !platform::FileExists(proposal) && !m_strLettingLibraries.empty()) {
        if (!ExtractFromLettingLibrary(proposal, displayName))
            return this;
        fromLibrary = true;
    }
    if (!ReadProposal(proposal))
        return this;
    // A proposal that refuses electronic bids is not kept: nothing would show it.
    if (!CheckAgencyKey()) {
        m_pProp.reset();
        ChangeFlag(DOC_OPENING, 0);
        return this;
    }
    const CBidApp* app = GetBidApp();
    if (app && app->m_bAutoLoad)
        ApplyAmendmentFiles(proposal, fromLibrary, displayName);
    if (!ResolveBidderID(true)) {
        if (IsLettingMode())
            ChangeFlag(DOC_OPENING, 0);
        else
            m_pProp.reset();
        return this;
    }
    FinishOpening(proposal);
    return this;
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

void CBidDoc::ClearForOpening()
{
    CBidView* splitter = GetMainSplitter();
    if (splitter)
        splitter->ShowBlankForm();
    if (CBidTreeView* tree = GetMainTreeView(); tree && (!IsLettingMode() || TestFlag(DOC_LETTING_CHOSEN)))
        tree->RemoveAllNodes();
    if (splitter)
        splitter->DestroyKeptViews();
    DeleteContents();
}

bool CBidDoc::ExtractFromLettingLibrary(const std::string& path, std::string& displayName)
{
    const std::string& library = m_strLettingLibraries.front();
    const std::string member = platform::PathForDisplay(FileNameOf(path));
    if (ExtractTvlMember(library, member, TvlExisting::Refuse) != kTvlExtracted) {
        ZodMessageBox("Could not extract the proposal from the TVL library", "Error Extracting Proposal",
                      MB_ICONEXCLAMATION);
        return false;
    }
    displayName = library;
    return true;
}

bool CBidDoc::ReadProposal(const std::string& path)
{
    std::unique_ptr<CProp> prop;
    const int result = LoadTvbFile(prop, path, false);
    if (result != kTvbNoError) {
        // The message names the file, so the user knows which one failed.
        ZodMessageBox(GetTvbFileErrorText(result, false) + "\n\n" + platform::PathForDisplay(path),
                      "Error Opening Proposal File", MB_ICONEXCLAMATION);
        return false;
    }
    m_pProp = std::move(prop);
    return true;
}

void CBidDoc::ReportBidderCertification()
{
    std::string message;
    m_pProp->UpdateBidderIsDbeFlags(&message);
    const CBidApp* app = GetBidApp();
    if (!message.empty() && app && app->m_bWarnRef)
        AfxMessageBox(message);
}

void CBidDoc::FinishOpening(const std::string& path)
{
    LastProposalPath() = path;
    ReportBidderCertification();
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

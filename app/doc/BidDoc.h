#pragma once

// The document: the open proposal and everything that brings one in or out. Opening a proposal
// file or a member of a TVL library, applying its numbered amendment files, the agency-key
// check, the bidder ID for the agency, letting mode (a folder of proposals shown as one tree),
// saving, the window title's placeholders and the firm entries of the Edit menu.
#include "platform/ui/docview/Document.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CProp;

// Bits of the document's flag word.
enum : int {
    DOC_LETTING_MODE = 0,
    DOC_OPENING = 1,       // an opening or tree rebuild is under way: selections open nothing
    DOC_LETTING_CHOSEN = 2,
};

class CBidDoc : public CDocument {
    DECLARE_DYNCREATE(CBidDoc)
    DECLARE_MESSAGE_MAP()
public:
    CBidDoc();
    ~CBidDoc() override;

    bool OnNewDocument() override;
    // Reads nothing: every opening goes through OpenProposalFile.
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    void DeleteContents() override;
    // A field being edited stores its value before the question is asked.
    bool SaveModified() override;
    // Without a proposal there is nothing to save, whatever was done before.
    bool IsModified() override { return m_pProp && CDocument::IsModified(); }

    // Opens a proposal file, or a member of the library when the path names a ".tvl" file. The
    // open proposal and its views stay until the new one is ready to show: an opening that is
    // cancelled or fails leaves the document as it was.
    CBidDoc* OpenProposalFile(const std::string& path);
    // An opening from outside the letting (File > Open, a recent file, the shell) ends letting
    // mode once it succeeds; abandoned or failed, the letting stays as it was.
    bool OpenOutsideLetting(const std::string& path);
    // Opens the letting's proposal file of that index; false when that opening was abandoned.
    bool OpenLettingProposal(int index);
    // Applies the amendment files ".001", ".002", ... beside the proposal's file (or extracted
    // from its library) that come after those it has, and shows what they changed; how many
    // files were handled.
    int ApplyAmendmentFiles(CProp& prop, const std::string& path, bool fromLibrary, const std::string& libraryPath);
    // False when the proposal refuses electronic submission; a key that does not check warns.
    bool CheckAgencyKey(CProp& prop);
    // Finds (or asks for) the bidder ID for the proposal's agency; false when refused.
    bool ResolveBidderID(CProp& prop, bool allowCancel);
    // The format with the proposal's values for %1 to %9; unchanged without a proposal.
    std::string FormatTitle(const std::string& format) const;
    // The Edit menu's firm entries as the proposal's firm forms name them.
    void UpdateFirmMenus();

    // Check Zod with its messages listed; with reportComplete a bid without any says so.
    void CheckZod(bool reportComplete);
    // Flat-file transfer of the proposal's prices. The format follows the file's extension, else
    // the type chosen in the file dialog (an index of the format table; -1 none), else the
    // settings' format.
    void ImportFile(const std::string& path, int chosenFormat = -1);
    void ExportFile(const std::string& path, int chosenFormat = -1);

    CProp* GetProp() const { return m_pProp.get(); }
    // Takes over a proposal (tests, and the openings); the old one goes.
    void SetProp(std::unique_ptr<CProp> prop);

    bool TestFlag(int bit) const;
    void ChangeFlag(int bit, int operation);
    bool IsLettingMode() const { return TestFlag(DOC_LETTING_MODE); }

    int m_iGridMode = 1;
    std::vector<std::string> m_strLettingFiles;
    std::vector<std::string> m_strLettingLibraries;
    std::string m_strLettingFolder;
    int m_iLettingIndex = 0;

protected:
    void OnOpenProposal();
    void OnOpenLetting();
    void OnOpenAmendment();
    void OnEditCopy();
    void OnEditPaste();
    void OnCheckZod() { CheckZod(true); }
    void OnBidOptions();
    void OnNewInstallation();
    void OnToggleJointBid();
    void OnAlternateUnits();
    void OnImportProposal();
    void OnExportProposal();
    void OnExportConfiguration();
    void OnImportConfiguration();
    void OnGridView();
    void OnTreeView();
    void OnToggleItemGrid();
    void OnSubmitBid();
    void OnDigitalIDs();
    void OnViewSubmittedBids();

    void OnUpdateNeedsProposal(CCmdUI* cmdUI);
    void OnUpdateEditPaste(CCmdUI* cmdUI);
    void OnUpdateJointBid(CCmdUI* cmdUI);
    void OnUpdateAlternateUnits(CCmdUI* cmdUI);
    void OnUpdateGridView(CCmdUI* cmdUI);
    void OnUpdateTreeView(CCmdUI* cmdUI);

private:
    // The opening; false when it was abandoned and nothing changed.
    bool OpenProposal(const std::string& path);
    bool SaveBeforeOpening();
    // The proposal the path names, read and made ready (library member, agency key, amendments,
    // bidder ID) while the open one is still shown; null when the opening is abandoned. The path
    // becomes the file read.
    std::unique_ptr<CProp> ReceiveProposal(std::string& path);
    // What Open Letting changes before its opening.
    struct LettingState {
        uint16_t flags;
        std::vector<std::string> files;
        std::vector<std::string> libraries;
        int index;
    };
    // Open Letting's steps; false when it was abandoned.
    bool OpenLetting();
    bool ListLettingFiles(const std::string& folder);
    std::optional<std::string> ChooseLetting() const;
    // The amendment's file chosen by the user; a library member is extracted beside the library
    // for it.
    struct ChosenAmendment {
        std::string path;
        bool extracted = false;
    };
    // None when cancelled.
    std::optional<ChosenAmendment> ChooseAmendmentFile() const;
    // Reads the amendment, checks that it fits and applies it; false when it was not applied.
    bool LoadChosenAmendment(const std::string& path);
    bool LibraryAmendmentFits(const std::string& library, const std::string& member) const;
    // The amendment in the file, when it can be read and applied to the open proposal; otherwise
    // null, and the user has been told why (the file named as shown).
    std::unique_ptr<CProp> ReadFittingAmendment(const std::string& path, const std::string& shownPath) const;
    bool ApplyChosenAmendment(CProp& amendment);
    void RefreshAfterAmendment();
    void SetGridMode(int mode);
    void ToggleProposalFlag(int bit);
    std::unique_ptr<CProp> ReadProposal(const std::string& path);
    bool ExtractFromLettingLibrary(const std::string& path, std::string& displayName);
    void FinishOpening(const std::string& path);
    void ReportBidderCertification(CProp& prop);
    bool ApplyAmendmentFile(CProp& prop, const std::string& path);
    // Applies the amendment with the change log open; what went wrong, or empty when applied.
    static std::string ExchangeAmendment(CProp& prop, CProp& amendment);

    std::unique_ptr<CProp> m_pProp;
    uint16_t m_wFlags = 0;
    // The agency key checked last in this opening, and what the check said: the same key is not
    // taken to the key rings (nor its warning shown) again before each amendment.
    std::optional<std::string> m_strCheckedKey;
    bool m_bKeyAccepted = false;
};

// The amendment file `number` of a proposal: its extension (or, without one, its end) made the
// number in three digits.
std::string AmendmentPathOf(const std::string& proposalPath, int number);

// The document of the main window, or null.
CBidDoc* GetMainDocument();

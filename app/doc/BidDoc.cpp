#include "app/doc/BidDoc.h"

#include "app/startup/BidApp.h"
#include "model/files/PickList.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "platform/ui/docview/DocTemplate.h"
#include "platform/ui/window/KeyboardReturn.h"
#include "platform/ui/window/Wnd.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CBidDoc, CDocument)

using namespace resources;

BEGIN_MESSAGE_MAP(CBidDoc, CDocument)
    ON_COMMAND(ID_FILE_OPEN, OnOpenProposal)
    ON_COMMAND(ID_OPEN_LETTING, OnOpenLetting)
    ON_COMMAND(ID_OPEN_AMENDMENT, OnOpenAmendment)
    ON_UPDATE_COMMAND_UI(ID_OPEN_AMENDMENT, OnUpdateNeedsProposal)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateNeedsProposal)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, OnUpdateNeedsProposal)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateNeedsProposal)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_COMMAND(ID_CHECK_ZOD, OnCheckZod)
    ON_UPDATE_COMMAND_UI(ID_CHECK_ZOD, OnUpdateNeedsProposal)
    ON_COMMAND(ID_OPTIONS, OnBidOptions)
    ON_COMMAND(ID_NEW_INSTALLATION, OnNewInstallation)
    ON_COMMAND(ID_JOINT_BID, OnToggleJointBid)
    ON_UPDATE_COMMAND_UI(ID_JOINT_BID, OnUpdateJointBid)
    ON_COMMAND(ID_IMPORT_PROPOSAL, OnImportProposal)
    ON_UPDATE_COMMAND_UI(ID_IMPORT_PROPOSAL, OnUpdateNeedsProposal)
    ON_COMMAND(ID_EXPORT_PROPOSAL, OnExportProposal)
    ON_UPDATE_COMMAND_UI(ID_EXPORT_PROPOSAL, OnUpdateNeedsProposal)
    ON_COMMAND(ID_EXPORT_CONFIGURATION, OnExportConfiguration)
    ON_COMMAND(ID_IMPORT_CONFIGURATION, OnImportConfiguration)
    ON_COMMAND(ID_GRID_VIEW, OnGridView)
    ON_UPDATE_COMMAND_UI(ID_GRID_VIEW, OnUpdateGridView)
    ON_COMMAND(ID_TREE_VIEW, OnTreeView)
    ON_UPDATE_COMMAND_UI(ID_TREE_VIEW, OnUpdateTreeView)
    ON_COMMAND(ID_TOGGLE_ITEM_GRID, OnToggleItemGrid)
    ON_UPDATE_COMMAND_UI(ID_TOGGLE_ITEM_GRID, OnUpdateGridView)
    ON_COMMAND(ID_ALTERNATE_UNITS, OnAlternateUnits)
    ON_UPDATE_COMMAND_UI(ID_ALTERNATE_UNITS, OnUpdateAlternateUnits)
    ON_COMMAND(ID_SUBMIT_ZOD, OnSubmitBid)
    ON_UPDATE_COMMAND_UI(ID_SUBMIT_ZOD, OnUpdateNeedsProposal)
    ON_COMMAND(ID_DIGITAL_IDS, OnDigitalIDs)
    ON_COMMAND(ID_VIEW_SUBMITTED, OnViewSubmittedBids)
END_MESSAGE_MAP()

CBidDoc* GetMainDocument()
{
    CWinApp* app = AfxGetApp();
    CSingleDocTemplate* docTemplate = app ? app->GetDocTemplate() : nullptr;
    return docTemplate ? dynamic_cast<CBidDoc*>(docTemplate->GetDocument()) : nullptr;
}

CBidDoc::CBidDoc()
{
    if (const CBidApp* app = GetBidApp())
        m_iGridMode = app->m_iGridMode;
}

CBidDoc::~CBidDoc() = default;

bool CBidDoc::OnNewDocument()
{
    // A new document is no letting: the tree would look for a proposal of it.
    ChangeFlag(DOC_LETTING_MODE, 0);
    return CDocument::OnNewDocument();
}

bool CBidDoc::OnOpenDocument(const std::string&)
{
    return true;
}


void CBidDoc::SetProp(std::unique_ptr<CProp> prop)
{
    m_pProp = std::move(prop);
}

bool CBidDoc::SaveModified()
{
    const platform::KeyboardReturn keyboardBack;
    if (CWnd* main = AfxGetMainWnd())
        main->SetFocus();
    return CDocument::SaveModified();
}

bool CBidDoc::TestFlag(int bit) const
{
    return TestFlagBit(m_wFlags, bit) != 0;
}

void CBidDoc::ChangeFlag(int bit, int operation)
{
    ChangeFlagBit(&m_wFlags, bit, operation);
}

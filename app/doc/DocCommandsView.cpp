// The document's switches (item grid, joint bid, alternate units), the options sheet with the
// first-run welcome, the submission services, and the update states of the document's commands.
#include "app/dialogs/NewInstallation.h"
#include "app/dialogs/Signatures.h"
#include "app/doc/BidDoc.h"
#include "app/options/OptionsSheet.h"
#include "app/startup/UnsavedSettings.h"
#include "app/views/ViewHints.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "platform/ui/docview/WinApp.h"
#include "platform/ui/window/Shell.h"
#include "submit/BidSubmitSheet.h"

namespace {

// A flag-word toggle: operation 2.
constexpr int kToggle = 2;

// A main window closed while a modal dialog was up (a close posted at start, the session ending)
// takes its document with it: the command must not go on with it, nor call its members to ask.
bool IsStillOpen(const void* document)
{
    return static_cast<const void*>(GetMainDocument()) == document;
}

} // namespace

void CBidDoc::SetGridMode(int mode)
{
    m_iGridMode = mode;
    UpdateAllViews(nullptr, HINT_REBUILD_TREE);
}

void CBidDoc::OnGridView()
{
    SetGridMode(1);
}

void CBidDoc::OnTreeView()
{
    SetGridMode(0);
}

void CBidDoc::OnToggleItemGrid()
{
    SetGridMode(m_iGridMode ? 0 : 1);
}

void CBidDoc::ToggleProposalFlag(int bit)
{
    if (!m_pProp)
        return;
    ChangeFlagBit(&m_pProp->m_wFlags, bit, kToggle);
    UpdateAllViews(nullptr, HINT_REFRESH_FORMS);
}

// What the bid says, unlike the alternate units, which only change how it is shown.
void CBidDoc::OnToggleJointBid()
{
    if (!m_pProp)
        return;
    ToggleProposalFlag(JOINT_BID);
    SetModifiedFlag();
}

void CBidDoc::OnAlternateUnits()
{
    ToggleProposalFlag(PROP_SHOW_ALT_UNITS);
}

void CBidDoc::OnBidOptions()
{
    ForgetUnsavedSettings();
    COptionsSheet sheet("ZOD Options", AfxGetMainWnd());
    sheet.DoModal();
    TellUnsavedSettings();
    if (!IsStillOpen(this) || !m_pProp)
        return;
    ResolveBidderID(*m_pProp, false);
    UpdateAllViews(nullptr, HINT_REFRESH_FORMS);
}

void CBidDoc::OnNewInstallation()
{
    CNewInstallation welcome(AfxGetMainWnd());
    welcome.DoModal();
    if (IsStillOpen(this))
        OnBidOptions();
}

void CBidDoc::OnSubmitBid()
{
    // A bid that could not be saved is not submitted; the save has said why.
    if (!m_pProp || !DoFileSave())
        return;
    CBidSubmitSheet sheet("Zod submission Wizard", AfxGetMainWnd(), 0, m_pProp.get());
    sheet.DoModal();
}

void CBidDoc::OnViewSubmittedBids()
{
    CBidShowSheet sheet("Zod View Wizard", AfxGetMainWnd(), 0, m_pProp.get());
    sheet.m_pDocument = this;
    sheet.DoModal();
}

void CBidDoc::OnDigitalIDs()
{
    CSignatures dialog(AfxGetMainWnd());
    dialog.DoModal();
}

void CBidDoc::OnUpdateNeedsProposal(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_pProp != nullptr);
}

void CBidDoc::OnUpdateEditPaste(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_pProp != nullptr && platform::ClipboardHasText());
}

void CBidDoc::OnUpdateJointBid(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_pProp != nullptr);
    cmdUI->SetCheck(m_pProp && TestFlagBit(m_pProp->m_wFlags, JOINT_BID));
}

void CBidDoc::OnUpdateAlternateUnits(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_pProp != nullptr);
    cmdUI->SetCheck(m_pProp && TestFlagBit(m_pProp->m_wFlags, PROP_SHOW_ALT_UNITS));
}

void CBidDoc::OnUpdateGridView(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_pProp != nullptr);
    cmdUI->SetCheck(m_iGridMode != 0);
}

void CBidDoc::OnUpdateTreeView(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_pProp != nullptr);
    cmdUI->SetCheck(m_iGridMode == 0);
}

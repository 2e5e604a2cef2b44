#include "model/amend/FormAmendment.h"

#include "model/amend/ChangeLog.h"
#include "model/amend/RemovedEntries.h"
#include "model/check/FormChecks.h"
#include "model/text/FlagWord.h"
#include "model/text/TextUtil.h"
#include "model/records/Prop.h"

#include <memory>
#include <string>

namespace {

void LogForm(const char* prefix, const char* label)
{
    LogAmendmentChange(std::string(prefix) + label, LOG_PROPOSAL_DATA);
}

// A form taken whole from an amendment must not bring the unchanged marker along.
std::unique_ptr<CWinMeta> TakeWhole(std::unique_ptr<CWinMeta> form)
{
    form->StripUnchangedMarkers();
    return form;
}

// The exchange deletes the bidder's rows when the amendment's field definitions differ.
bool RemovesRows(const CWinMeta& amendment)
{
    return TestFlagBit(amendment.m_wFlags, FORM_FIELDS_CHANGED) != 0;
}

std::string MiscLabel(const CWinMeta& form)
{
    const std::string& title = GetFormTitle(form);
    return IsBlankString(title) ? "Misc Information" : "Misc Information (" + title + ")";
}

void ExchangeForm(std::unique_ptr<CWinMeta>& mine, std::unique_ptr<CWinMeta>& theirs, const char* label, bool firms)
{
    if (mine && theirs) {
        if (RemovesRows(*theirs))
            LogRemovedFormRows(*mine, label, firms);
        if (mine->ExchangeWithLog(*theirs))
            LogForm("Changed ", label);
    } else if (theirs) {
        mine = TakeWhole(std::move(theirs));
        LogForm("Added ", label);
    } else if (mine) {
        LogRemovedFormRows(*mine, label, firms);
        mine.reset();
        LogForm("Deleted ", label);
    }
}

void ExchangeMiscForms(CDataArray<CWinMeta>& mine, CDataArray<CWinMeta>& theirs)
{
    bool deleted = false, changed = false, added = false;
    while (mine.GetSize() > theirs.GetSize()) {
        if (const CWinMeta* surplus = mine.GetAt(mine.GetSize() - 1))
            LogRemovedFormRows(*surplus, MiscLabel(*surplus), false);
        deleted = mine.DeleteAt(mine.GetSize() - 1);
    }
    for (int i = 0; i < mine.GetSize(); ++i) {
        CWinMeta* own = mine.GetAt(i);
        CWinMeta* amended = theirs.GetAt(i);
        if (own && amended && RemovesRows(*amended))
            LogRemovedFormRows(*own, MiscLabel(*own), false);
        if (own && amended)
            changed = own->ExchangeWithLog(*amended) > 0 || changed;
    }
    const int common = mine.GetSize();
    while (theirs.GetSize() > common) {
        if (std::unique_ptr<CWinMeta> form = theirs.Detach(common)) {
            mine.Add(TakeWhole(std::move(form)));
            added = true;
        }
    }
    if (!deleted && !changed && !added)
        return;
    const char* prefix = "Changed ";
    if (deleted && !changed && !added)
        prefix = "Deleted ";
    else if (added && !changed && !deleted)
        prefix = "Added ";
    LogForm(prefix, "Misc Information");
}

void GiveEmptyFormsARow(CProp& prop)
{
    for (const auto& form : prop.m_miscForms)
        if (form && form->m_rows.IsEmpty())
            form->AddRow(-1, -1);
    if (prop.m_pBondForm && prop.m_pBondForm->m_rows.IsEmpty())
        prop.m_pBondForm->AddRow(-1, -1);
}

} // namespace

void ExchangeAgencyForms(CProp& prop, CProp& amendment)
{
    ExchangeForm(prop.m_pDbeForm, amendment.m_pDbeForm, FirmFormLabel(FIRM_DBE), true);
    ExchangeForm(prop.m_pMbeForm, amendment.m_pMbeForm, FirmFormLabel(FIRM_MBE), true);
    ExchangeForm(prop.m_pWbeForm, amendment.m_pWbeForm, FirmFormLabel(FIRM_WBE), true);
    ExchangeMiscForms(prop.m_miscForms, amendment.m_miscForms);
    ExchangeForm(prop.m_pBondForm, amendment.m_pBondForm, "Zod Bond Information", false);
    GiveEmptyFormsARow(prop);
}

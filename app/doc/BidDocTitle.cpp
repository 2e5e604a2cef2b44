// The window title's placeholders and the Edit menu's firm entries, as the proposal fills them.
#include "app/doc/BidDoc.h"

#include "app/frame/MainFrame.h"
#include "app/tree/FirmForms.h"
#include "model/check/Recalc.h"
#include "model/records/Prop.h"
#include "model/text/Dates.h"
#include "model/text/TextUtil.h"
#include "platform/ui/window/Menu.h"
#include "platform/ui/window/PathText.h"
#include "resources/ResourceIds.h"

namespace {

// Letting dates are shown as day and short month name.
constexpr int kTitleDateStyle = 10;
constexpr int kEditMenu = 1;
// Positions of the separators around the firm entries of the Edit menu.
constexpr UINT kFirmSeparator = 2;
constexpr UINT kClosingSeparator = 9;

struct FirmKindHiding {
    bool firms = true;
    bool items = true;
};

FirmKindHiding HidingOf(const CProp& prop, int kind)
{
    const bool certified = IsBidderDbe(prop, kind);
    return {!ActiveFirmForm(prop, kind) || certified, !RecordsFirmItems(prop, kind) || certified};
}

void Rename(CMenu& menu, UINT id, const std::string& text)
{
    menu.ModifyMenu(id, MF_BYCOMMAND | MF_STRING, id, text.c_str());
}

// The kind's entries take the form's names, or go when the kind is hidden.
void UpdateKindEntries(CMenu& edit, const CProp& prop, int kind, const FirmKindHiding& hiding)
{
    using namespace resources;
    const UINT offset = UINT(kind - 1);
    const UINT firmIds[] = {ID_ADD_DBE + offset, ID_DELETE_DBE + offset};
    const UINT itemIds[] = {ID_ADD_DBE_ITEM + offset, ID_DELETE_DBE_ITEM + offset};
    const CWinMeta* form = ActiveFirmForm(prop, kind);
    for (const UINT id : firmIds)
        if (hiding.firms)
            edit.RemoveMenu(id, MF_BYCOMMAND);
    for (const UINT id : itemIds)
        if (hiding.items)
            edit.RemoveMenu(id, MF_BYCOMMAND);
    if (!form)
        return;
    if (const std::string& name = FormFirmName(*form); !name.empty() && !hiding.firms) {
        Rename(edit, firmIds[0], "&Add " + name + " ");
        Rename(edit, firmIds[1], "&Delete " + name + " ");
    }
    if (const std::string& name = FormItemName(*form); !name.empty() && !hiding.items) {
        Rename(edit, itemIds[0], "Add " + name + " &Items");
        Rename(edit, itemIds[1], "Delete " + name + " I&tem");
    }
}

} // namespace

std::string CBidDoc::FormatTitle(const std::string& format) const
{
    if (!m_pProp)
        return format;
    const CProp& prop = *m_pProp;
    const int amendments = prop.m_iAmendmentCount;
    const std::string name = platform::PathForDisplay(SplitPath(GetPathName(), kPathName));
    return SubstituteArgs(format, {format, prop.m_strContractId, name, prop.m_strLettingId,
                                   FormatDate(prop.m_iLettingDate, kTitleDateStyle), prop.m_strCallOrder,
                                   std::to_string(amendments), amendments == 1 ? "" : "s",
                                   prop.m_strAltContractId, prop.m_strAgencyId});
}

void CBidDoc::UpdateFirmMenus()
{
    CMainFrame* frame = GetMainFrame();
    CMenu menu;
    if (!m_pProp || !frame || !menu.LoadMenu(resources::IDR_MAINFRAME))
        return;
    CMenu* edit = menu.GetSubMenu(kEditMenu);
    if (!edit)
        return;
    FirmKindHiding hiding[3];
    for (const int kind : kFirmKinds)
        hiding[kind - 1] = HidingOf(*m_pProp, kind);
    if (hiding[0].items && hiding[1].items && hiding[2].items)
        edit->RemoveMenu(kClosingSeparator, MF_BYPOSITION);
    if (hiding[0].firms && hiding[1].firms && hiding[2].firms)
        edit->RemoveMenu(kFirmSeparator, MF_BYPOSITION);
    for (const int kind : kFirmKinds)
        UpdateKindEntries(*edit, *m_pProp, kind, hiding[kind - 1]);
    frame->SetMenu(&menu);
}

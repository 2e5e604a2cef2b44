// Copy and paste by the window that has the focus, and Check Zod.
#include "app/doc/BidDoc.h"
#include "app/doc/CheckZod.h"
#include "model/check/Recalc.h"
#include "model/records/Prop.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/TreeCtrl.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/window/Shell.h"

namespace {

constexpr const char* kScheduleNode = "Schedule Of Items";

// One line per item (section rows left out): contract, line, alternate, item number, quantity,
// unit, unit price, extension and short description; an invalid number is left empty.
std::string ScheduleText(const CProp& prop)
{
    const std::string pattern = prop.m_strContractId + "\t%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8\r\n";
    std::string text;
    for (const auto& item : prop.m_items)
        if (item && !item->IsSection())
            text += FormatItemText(pattern, *item, prop);
    return text;
}

} // namespace

void CBidDoc::OnEditCopy()
{
    CWnd* focus = CWnd::GetFocus();
    if (!focus)
        return;
    const std::string kind = focus->GetClassName();
    if (kind == "Edit") {
        focus->SendMessage(WM_COPY);
    } else if (kind == "ComboBox") {
        platform::SetClipboardText(focus->GetWindowText());
    } else if (kind == "SysTreeView32") {
        const auto& tree = static_cast<const CTreeCtrl&>(*focus);
        const HTREEITEM selected = tree.GetSelectedItem();
        if (m_pProp && selected && tree.GetItemText(selected) == kScheduleNode)
            platform::SetClipboardText(ScheduleText(*m_pProp));
    }
}

void CBidDoc::OnEditPaste()
{
    CWnd* focus = CWnd::GetFocus();
    if (focus && EqualsIgnoringCase(focus->GetClassName(), "Edit"))
        focus->SendMessage(WM_PASTE);
}

void CBidDoc::CheckZod(bool reportComplete)
{
    if (m_pProp && ShowCheckZodErrors(*m_pProp) && reportComplete)
        ZodMessageBox("Zod Is Complete", "Zod Check", MB_ICONEXCLAMATION);
}

#include "app/tree/NodeTexts.h"

#include "app/doc/BidDoc.h"
#include "app/tree/FirmForms.h"
#include "app/tree/NodeRef.h"
#include "app/views/NodeViews.h"
#include "model/check/FormChecks.h"
#include "model/check/Recalc.h"
#include "model/records/Prop.h"

namespace {

// Which of the proposal's display formats shapes which text.
enum : int { kProposalFormat = 1, kItemFormat = 2, kScheduleFormat = 3 };

const std::string& Or(const std::string& text, const std::string& fallback)
{
    return text.empty() ? fallback : text;
}

std::string Kind(int kind)
{
    return std::string(GetDbeTypeName(kind));
}

} // namespace

std::string ProposalNodeText(const CBidDoc& doc)
{
    const CProp* prop = doc.GetProp();
    const std::string format = prop ? prop->m_strDisplayFormats[kProposalFormat] : std::string();
    return doc.FormatTitle(format.empty() ? "%4%5" : format);
}

std::string ScheduleNodeText(const CProp& prop)
{
    return Or(prop.m_strDisplayFormats[kScheduleFormat], "Schedule Of Items");
}

std::string ItemNodeText(const CProp& prop, int row)
{
    const CItem* item = prop.m_items.GetAtOrNull(row);
    return item ? FormatItemText(Or(prop.m_strDisplayFormats[kItemFormat], "%1 %2 %8"), *item, prop) : "";
}

std::string GroupNodeText(const CProp& prop, int nodeType, int row)
{
    const CItem* item = prop.m_items.GetAtOrNull(row);
    const std::string code = item ? item->m_strAltCode : std::string();
    switch (nodeType) {
    case NODE_ALT_SECTION_GROUP: return "Alt Section Group " + prop.m_items.GetItemAlternate(row);
    case NODE_OPT_SECTION_GROUP: return "Section Option Group " + prop.m_items.GetItemAlternate(row);
    case NODE_ALT_ITEM_GROUP: return "Alt Item Group " + prop.m_items.GetItemAlternate(row);
    case NODE_OPT_ITEM_GROUP: return "Item Option Group " + prop.m_items.GetItemAlternate(row);
    case NODE_ALT_SECTION_CHOICE:
    case NODE_ALT_ITEM_CHOICE: return "Alt Choice " + code;
    default: return "Option Choice " + code;
    }
}

std::string SectionNodeText(const CProp& prop, int row)
{
    const CItem* item = prop.m_items.GetAtOrNull(row);
    return "Section " + (item ? item->m_strLineNum : std::string());
}

std::string ListNodeText(const CProp& prop, int kind)
{
    const CWinMeta* form = ActiveFirmForm(prop, kind);
    const std::string fallback = Kind(kind) + " List";
    return form ? Or(FormListTitle(*form), fallback) : fallback;
}

std::string FirmNodeText(const CProp& prop, int kind, int firm)
{
    const CWinMeta* form = ActiveFirmForm(prop, kind);
    return form ? FirmNameOf(*form, firm) : "<Unknown>";
}

std::string FirmItemGridText(const CProp& prop, int kind)
{
    const CWinMeta* form = ActiveFirmForm(prop, kind);
    const std::string fallback = Kind(kind) + " Items";
    return form ? Or(FormItemTitle(*form), fallback) : fallback;
}

std::string FirmItemNodeText(const CProp& prop, int kind, int index)
{
    const CWinMeta* form = ActiveFirmForm(prop, kind);
    const CDBEItem* entry = form ? form->GetRowDbeItem(FirmOfFirmItem(index), ItemOfFirmItem(index)) : nullptr;
    return entry ? ItemNodeText(prop, entry->m_iNumber) : std::string();
}

std::string MiscNodeText(const CProp& prop, int form)
{
    const CWinMeta* misc = prop.m_miscForms.GetAtOrNull(form);
    const std::string fallback =
        form == 0 ? std::string("Miscellaneous Data") : "Miscellaneous Data " + std::to_string(form + 1);
    return misc ? Or(GetFormTitle(*misc), fallback) : fallback;
}

std::string BondNodeText(const CProp& prop)
{
    return prop.m_pBondForm ? Or(GetFormTitle(*prop.m_pBondForm), "Zod Bond") : "Zod Bond";
}

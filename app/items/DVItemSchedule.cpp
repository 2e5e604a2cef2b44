#include "app/items/DVItemSchedule.h"

#include "app/doc/BidDoc.h"
#include "app/grids/ItemDisplay.h"
#include "app/items/ItemForms.h"
#include "app/views/MoneyField.h"
#include "model/records/Prop.h"
#include "model/text/Dates.h"

#include <algorithm>
#include <string>

IMPLEMENT_DYNCREATE(CDV_ItemSchedule, CDV)

CDV_ItemSchedule::CDV_ItemSchedule() : CDV((RegisterItemForms(), IDD)) {}

void CDV_ItemSchedule::ShowFigures()
{
    const auto* doc = dynamic_cast<const CBidDoc*>(GetDocument());
    const CProp* prop = doc ? doc->GetProp() : nullptr;
    if (!prop)
        return;
    const auto show = [this](UINT id, const std::string& text) {
        if (CWnd* control = GetDlgItem(id))
            control->SetWindowText(text);
    };
    const auto& rows = prop->m_items;
    const auto sections = std::count_if(rows.begin(), rows.end(), [](const auto& row) { return row && row->IsSection(); });
    const auto items = std::count_if(rows.begin(), rows.end(), [](const auto& row) { return row && !row->IsSection(); });
    show(IDC_CONTRACT_ID, prop->m_strContractId);
    show(IDC_CALL_ORDER, prop->m_strCallOrder);
    show(IDC_LETTING_DATE, FormatDate(prop->m_iLettingDate, 0));
    show(IDC_TOTAL_ITEMS, std::to_string(items));
    show(IDC_TOTAL_SECTIONS, std::to_string(sections));
    ShowMoney(GetDlgItem(IDC_ZOD_TOTAL), ExtensionText(*prop, prop->m_dItemsTotal));
}

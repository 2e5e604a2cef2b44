#include "model/check/FirmCommitments.h"

#include "model/eval/Evaluator.h"
#include "model/text/FlagWord.h"
#include "model/records/Prop.h"

namespace {

int StateOf(const CDBEItem& entry)
{
    if (TestFlagBit(entry.m_wEntryFlags, DBEITEM_OVERCOMMITTED))
        return 1;
    if (TestFlagBit(entry.m_wEntryFlags, DBEITEM_SINGLE_FIRM_OVER))
        return 2;
    return 0;
}

// Every firm item of the DBE, MBE and WBE forms, in that order, that names an item row.
template <class Visit>
void VisitFirmItems(const CProp& prop, Visit visit)
{
    for (int type : {FIRM_DBE, FIRM_MBE, FIRM_WBE}) {
        const CWinMeta* form = prop.GetDbeForm(type);
        if (!form)
            continue;
        for (const auto& row : form->m_rows) {
            if (!row)
                continue;
            for (const auto& entry : row->m_dbeItems)
                if (entry && CommittedItem(prop, *entry))
                    visit(*entry);
        }
    }
}

} // namespace

const CItem* CommittedItem(const CProp& prop, const CDBEItem& entry)
{
    const CItem* item = prop.m_items.GetAtOrNull(entry.m_iNumber);
    return item && !item->IsSection() ? item : nullptr;
}

CFirmCommitments::CFirmCommitments(const CProp& prop)
    : m_quantity(size_t(prop.m_items.GetSize()), 0.0), m_state(size_t(prop.m_items.GetSize()), 0)
{
    VisitFirmItems(prop, [this](const CDBEItem& entry) {
        const size_t item = size_t(entry.m_iNumber);
        if (IsEvalValueValid(entry.m_dQuantity))
            m_quantity[item] += entry.m_dQuantity;
        if (m_state[item] == 0)
            m_state[item] = uint8_t(StateOf(entry));
    });
}

double CFirmCommitments::GetCommittedQuantity(int item) const
{
    return item >= 0 && size_t(item) < m_quantity.size() ? m_quantity[size_t(item)] : 0.0;
}

int CFirmCommitments::GetCommitState(int item) const
{
    return item >= 0 && size_t(item) < m_state.size() ? m_state[size_t(item)] : 0;
}

double GetItemCommittedQuantity(const CProp& prop, int item)
{
    double quantity = 0;
    VisitFirmItems(prop, [&](const CDBEItem& entry) {
        if (entry.m_iNumber == item && IsEvalValueValid(entry.m_dQuantity))
            quantity += entry.m_dQuantity;
    });
    return quantity;
}

int GetItemCommitState(const CProp& prop, int item)
{
    int state = 0;
    VisitFirmItems(prop, [&](const CDBEItem& entry) {
        if (state == 0 && entry.m_iNumber == item)
            state = StateOf(entry);
    });
    return state;
}

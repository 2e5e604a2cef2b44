#include "model/amend/FirmItemFollower.h"

#include "model/amend/RemovedEntries.h"
#include "model/records/Prop.h"

namespace {

void AdjustRow(int firmType, const CWinMeta& form, int rowIndex, int index, const CItem* removed)
{
    CRowData& row = *form.m_rows[rowIndex];
    for (int i = row.m_dbeItems.GetSize() - 1; i >= 0; --i) {
        CDBEItem* entry = row.m_dbeItems.GetAt(i);
        if (!entry || AdjustFirmItemIndex(entry->m_iNumber, index, removed == nullptr))
            continue;
        if (removed)
            LogRemovedCommitment(firmType, form, rowIndex, *removed);
        row.DeleteDbeItem(i);
    }
}

} // namespace

void CFirmItemFollower::Adjust(int index, const CItem* removed)
{
    for (int type : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
        if (const CWinMeta* form = m_prop.GetDbeForm(type))
            for (int row = 0; row < form->m_rows.GetSize(); ++row)
                if (form->m_rows[row])
                    AdjustRow(type, *form, row, index, removed);
}

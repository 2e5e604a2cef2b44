#include "model/amend/FirmItemFollower.h"

#include "model/records/Prop.h"

namespace {

void AdjustRow(CRowData& row, int index, bool inserted)
{
    for (int i = row.m_dbeItems.GetSize() - 1; i >= 0; --i) {
        CDBEItem* entry = row.m_dbeItems.GetAt(i);
        if (entry && !AdjustFirmItemIndex(entry->m_iNumber, index, inserted))
            row.DeleteDbeItem(i);
    }
}

} // namespace

void CFirmItemFollower::Adjust(int index, bool inserted)
{
    for (int type : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
        if (CWinMeta* form = m_prop.GetDbeForm(type))
            for (const auto& row : form->m_rows)
                if (row)
                    AdjustRow(*row, index, inserted);
}

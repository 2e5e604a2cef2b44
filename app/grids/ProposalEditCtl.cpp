#include "app/grids/ProposalEditCtl.h"

#include "app/grids/ProposalGrid.h"
#include "app/grids/ProposalSource.h"
#include "app/grids/Refusal.h"
#include "controls/grid/GridCtrl.h"
#include "platform/ui/window/VirtualKeys.h"

#include <optional>

void CProposalEditCtl::OnKeyDown(UINT key, UINT repeatCount, UINT flags)
{
    switch (key) {
    case VK_TAB:
    case VK_RETURN: MoveToNextEntry(GetKeyState(VK_SHIFT) < 0); return;
    case VK_UP: MoveToNextEntry(true); return;
    case VK_DOWN: MoveToNextEntry(false); return;
    default: CGridMaskedEdit::OnKeyDown(key, repeatCount, flags);
    }
}

void CProposalEditCtl::MoveToNextEntry(bool backwards)
{
    if (!m_grid)
        return;
    int column = -1, row = -1;
    m_continue = FindNextEntry(backwards, &column, &row) ? 1 : 0;
    m_nextColumn = column;
    m_nextRow = row;
    m_grid->SetFocus();
}

void CProposalEditCtl::FinishEntry()
{
    // Focus that cannot move (a window that is not active) must not keep the entry from
    // being read.
    if (m_grid)
        m_grid->SetFocus();
    if (m_grid && m_grid->IsEditing())
        OnKillFocus(m_grid);
}

void CProposalEditCtl::OnKillFocus(CWnd* gaining)
{
    // Another program taking the focus leaves the entry open until the bidder comes back.
    if (!gaining || !gaining->IsWindow()) {
        CEdit::OnKillFocus(gaining);
        return;
    }
    auto* grid = dynamic_cast<CProposalGrid*>(m_grid);
    std::optional<TypedEntry> entry;
    const int column = grid ? grid->GetEditColumn() : -1;
    const int row = grid ? grid->GetEditRow() : -1;
    if (grid && grid->IsEditing() && !m_cancelled)
        entry = grid->GetSource().ReadTypedEntry(column, row, GetWindowText());
    const bool refused = entry && entry->Refused();
    if (refused) {
        m_cancelled = 1;
        m_continue = 0;
    }
    CGridMaskedEdit::OnKillFocus(gaining);
    if (refused)
        grid->TellRefusal(*entry, column, row);
}

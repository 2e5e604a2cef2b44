// Keys, characters and the wheel in the cell area: the current cell's type and the hooks see
// them first, then the keys that move the current cell move it.
#include <chrono>
#include <thread>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/window/VirtualKeys.h"

namespace {
constexpr UINT kDlgCodeArrowsAndAll = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
constexpr int kWheelRows = 3;

bool ControlHeld()
{
    return GetKeyState(VK_CONTROL) < 0;
}

}  // namespace

CGridCellType* CGridArea::TypeAt(int column, int row, CGridCell* cell)
{
    m_grid->GetCell(column, row, cell);
    return m_grid->GetCellType(cell->GetCellType());
}

CGridCellType* CGridArea::CurrentCellType(CGridCell* cell)
{
    return TypeAt(m_info->m_currentColumn, m_info->m_currentRow, cell);
}

// With a key acceleration divisor a held arrow key moves faster the longer it is held.
int CGridArea::KeyStep()
{
    const int divisor = m_info->m_keyAccelerationDivisor;
    if (divisor <= 0)
        return 1;
    ++m_keyRepeat;
    const int k = m_keyRepeat / divisor;
    if (k == 0 && m_keyRepeat > 1 && m_info->m_keyRepeatDelay > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(m_info->m_keyRepeatDelay));
    return k * k * k + 1;
}

void CGridArea::MoveByKey(UINT key, int step)
{
    switch (key) {
    case VK_LEFT: m_grid->GotoColumn(m_info->m_targetColumn - step); break;
    case VK_RIGHT: m_grid->GotoColumn(m_info->m_targetColumn + step); break;
    case VK_UP: m_grid->GotoRow(m_info->m_targetRow - step); break;
    case VK_DOWN: m_grid->GotoRow(m_info->m_targetRow + step); break;
    case VK_PRIOR: m_grid->MoveCurrentRow(2); break;
    case VK_NEXT: m_grid->MoveCurrentRow(3); break;
    case VK_HOME: ControlHeld() ? m_grid->MoveCurrentRow(4) : m_grid->MoveCurrentColumn(4); break;
    case VK_END: ControlHeld() ? m_grid->MoveCurrentRow(5) : m_grid->MoveCurrentColumn(5); break;
    default: break;
    }
}

void CGridArea::OnKeyDown(UINT key, UINT, UINT)
{
    if (!m_grid || !m_info)
        return;
    m_info->m_mouseDownFlag = GRID_INPUT_KEYBOARD;
    const int step = KeyStep();
    int processed = 0;
    if (m_info->m_currentColumn >= 0 && m_info->m_currentRow >= 0)
        processed = CurrentCellType(&m_workCell)->OnKeyDown(m_info->m_currentColumn, m_info->m_currentRow, &key);
    m_grid->OnGridKeyDown(&key, processed);
    MoveByKey(key, step);
}

void CGridArea::OnKeyUp(UINT, UINT, UINT)
{
    m_keyRepeat = 0;
}

void CGridArea::OnChar(UINT key, UINT, UINT)
{
    if (!m_grid || !m_info)
        return;
    int processed = 0;
    if (m_info->m_currentColumn >= 0 && m_info->m_currentRow >= 0)
        processed = CurrentCellType(&m_workCell)->OnCharTyped(m_info->m_currentColumn, m_info->m_currentRow, &key);
    m_grid->OnGridChar(&key, processed);
}

UINT CGridArea::OnGetDlgCode()
{
    // The grid takes arrows and every key; from a child of the grid (an editor) nothing more.
    CWnd* focus = GetFocus();
    if (focus && m_grid && m_grid->IsChild(focus) && focus != this)
        return kDlgCodeArrowsAndAll;
    return kDlgCodeArrowsAndAll | CWnd::OnGetDlgCode();
}

bool CGridArea::OnMouseWheel(UINT, short delta, CPoint)
{
    if (!m_grid || !m_info)
        return false;
    SetFocus();
    m_grid->SetTopRow(m_info->m_topRow - kWheelRows * (delta / WHEEL_DELTA));
    return true;
}

#include "controls/grid/GridScrollBars.h"

#include <algorithm>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridHint.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/window/Cursor.h"
#include "platform/ui/window/VirtualKeys.h"

namespace {

constexpr int kScaledPositions = 1000;
constexpr int kFixedMode = 2;
constexpr int kLiveMode = 1;

// The request codes as the step actions of the control's moves.
int ActionOf(UINT code)
{
    switch (code) {
    case SB_LINEUP: return 0;
    case SB_LINEDOWN: return 1;
    case SB_PAGEUP: return 2;
    case SB_PAGEDOWN: return 3;
    case SB_TOP: return 4;
    case SB_BOTTOM: return 5;
    default: return -1;
    }
}

void SetBar(CScrollBar& bar, int minimum, int maximum, UINT page)
{
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, minimum, std::max(minimum, maximum), page, 0, 0};
    bar.SetScrollInfo(&info);
}

// The hint beside a dragged thumb, at the pointer, with the hook's text.
void ShowThumbHint(CGridCtrl& grid, const std::string& text, bool vertical, CWnd& bar)
{
    CGridHint* hint = grid.GetHint();
    if (!hint || !hint->IsWindow())
        return;
    POINT pointer{};
    GetCursorPos(&pointer);
    CRect barRect;
    bar.GetWindowRect(&barRect);
    grid.ScreenToClient(&barRect);
    grid.ScreenToClient(&pointer);
    hint->SetText(text.c_str(), true);
    hint->SetAlignment(vertical ? 2 | 0x20 : 4 | 0x10);
    if (vertical)
        hint->MoveHint(barRect.left - 2, pointer.y, 0);
    else
        hint->MoveHint(pointer.x, barRect.top - 2, 0);
}

// The input of either bar: steps go to `step`, the thumb's place to `set` (live while dragged
// when `live`), with the hint the hook gives while the thumb is dragged.
template <typename Step, typename Set, typename HintText>
void ScrollInput(CGridCtrl& grid, CGridInfo& info, CWnd& bar, UINT code, int place, bool live, bool vertical,
                 Step step, Set set, HintText hintText)
{
    if (grid.GetCellArea())
        grid.GetCellArea()->SetFocus();
    info.m_mouseDownFlag = GRID_INPUT_SCROLL_BAR;
    if (const int action = ActionOf(code); action >= 0) {
        step(action);
    } else if (code == SB_THUMBPOSITION) {
        if (grid.GetHint())
            grid.GetHint()->Hide();
        set(place);
    } else if (code == SB_THUMBTRACK) {
        if (live)
            set(place);
        std::string text;
        if (hintText(place, &text) && !text.empty())
            ShowThumbHint(grid, text, vertical, bar);
    }
}

}  // namespace

void CGridVScroll::SetUp()
{
    const CGridInfo& info = *m_info;
    m_lastMaxTopRow = info.m_maxTopRow;
    m_lastMode = info.m_vScrollMode;
    m_lastLockedRows = info.m_lockedRows;
    m_factor = m_inverse = 1.0;
    if (info.m_vScrollMode == kFixedMode) {
        SetBar(*this, 0, 2, 0);
        SetScrollPos(1);
        return;
    }
    if (info.m_maxTopRow > kScaledPositions) {
        // Many rows run over a bar of a thousand positions.
        SetBar(*this, info.m_lockedRows, kScaledPositions, 1);
        m_factor = static_cast<double>(kScaledPositions) / info.m_maxTopRow;
        m_inverse = 1.0 / m_factor;
        return;
    }
    const int page = info.m_gridHeight / std::max(1, info.m_defaultRowHeight);
    SetBar(*this, info.m_lockedRows, info.m_maxTopRow + page - 1, static_cast<UINT>(std::max(0, page)));
}

void CGridVScroll::Update()
{
    if (!m_info || !m_grid || !IsWindow())
        return;
    const CGridInfo& info = *m_info;
    if (info.m_maxTopRow != m_lastMaxTopRow || info.m_vScrollMode != m_lastMode ||
        info.m_lockedRows != m_lastLockedRows)
        SetUp();
    // A view that scrolls needs its bar: a bar left without room has the control laid out anew.
    CRect client;
    GetClientRect(&client);
    if (client.Width() == 0 && info.m_maxTopRow > info.m_lockedRows && !m_grid->IsLayingOut())
        m_grid->RecalcLayout();
    if (info.m_vScrollMode != kFixedMode)
        SetScrollPos(static_cast<int>(info.m_topRow * m_factor));
}

void CGridVScroll::OnScroll(UINT code, UINT position)
{
    if (!m_info || !m_grid)
        return;
    // The fixed bar's thumb stands for no row: only its arrows and page areas move the view.
    const bool thumb = code == SB_THUMBPOSITION || code == SB_THUMBTRACK;
    if (!(thumb && m_info->m_vScrollMode == kFixedMode)) {
        CGridCtrl& grid = *m_grid;
        ScrollInput(
            grid, *m_info, *this, code, static_cast<int>(position * m_inverse), m_info->m_vScrollMode == kLiveMode, true,
            [&grid](int action) { grid.MoveTopRow(action); }, [&grid](int row) { grid.SetTopRow(row); },
            [&grid](int row, std::string* text) { return grid.OnVerticalThumbHint(row, text); });
    }
    Update();
}

void CGridVScroll::OnRButtonDown(UINT flags, CPoint point)
{
    if (!m_info || !m_info->m_popupMenu || !m_grid)
        return CScrollBar::OnRButtonDown(flags, point);
    CPoint screen = point;
    ClientToScreen(&screen);
    m_grid->StartMenu(0, 0, &screen, GRID_SECTION_VSCROLL);
}

void CGridHScroll::SetUp()
{
    const CGridInfo& info = *m_info;
    m_lastMaxLeftColumn = info.m_maxLeftColumn;
    m_lastLockedColumns = info.m_lockedColumns;
    const int page = (info.m_gridWidth - info.m_lockedWidth) / std::max(1, info.m_defaultColumnWidth);
    SetBar(*this, 0, info.m_maxLeftColumn - info.m_lockedColumns + page - 1, static_cast<UINT>(std::max(0, page)));
}

void CGridHScroll::Update()
{
    if (!m_info || !m_grid || !IsWindow())
        return;
    const CGridInfo& info = *m_info;
    if (info.m_maxLeftColumn != m_lastMaxLeftColumn || info.m_lockedColumns != m_lastLockedColumns)
        SetUp();
    CRect client;
    GetClientRect(&client);
    if (client.Height() == 0 && info.m_maxLeftColumn > info.m_lockedColumns && !m_grid->IsLayingOut())
        m_grid->RecalcLayout();
    SetScrollPos(info.m_leftColumn - info.m_lockedColumns);
}

void CGridHScroll::OnScroll(UINT code, UINT position)
{
    if (!m_info || !m_grid)
        return;
    CGridCtrl& grid = *m_grid;
    ScrollInput(
        grid, *m_info, *this, code, m_info->m_lockedColumns + static_cast<int>(position),
        m_info->m_hScrollMode == kLiveMode, false, [&grid](int action) { grid.MoveLeftColumn(action); },
        [&grid](int column) { grid.SetLeftColumn(column); },
        [&grid](int column, std::string* text) { return grid.OnHorizontalThumbHint(column, text); });
    Update();
}

void CGridHScroll::OnRButtonDown(UINT flags, CPoint point)
{
    if (!m_info || !m_info->m_popupMenu || !m_grid)
        return CScrollBar::OnRButtonDown(flags, point);
    CPoint screen = point;
    ClientToScreen(&screen);
    m_grid->StartMenu(0, 0, &screen, GRID_SECTION_HSCROLL);
}

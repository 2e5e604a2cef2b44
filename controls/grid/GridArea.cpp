// The cell area's repaint operations, its off-screen image and its focus.
#include "controls/grid/GridArea.h"

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/controls/ToolTipCtrl.h"
#include "platform/ui/draw/DC.h"

CGridArea::CGridArea() = default;

CGridArea::~CGridArea() = default;

int CGridArea::OnCreate(CREATESTRUCT* create)
{
    if (CGridSection<CWnd>::OnCreate(create) == -1)
        return -1;
    if (m_info && m_info->m_cellTips) {
        m_tips = std::make_unique<CToolTipCtrl>();
        m_tips->Create(this);
    }
    return 0;
}

void CGridArea::RepaintCell(int column, int row)
{
    // A cell of a joined block is drawn with its block.
    GridRange block{column, row, column, row};
    if (m_grid && column >= 0 && row >= 0)
        m_grid->GetJoinBlock(column, row, &block);
    m_redrawList.AddRange(block.startColumn, block.startRow, block.endColumn, block.endRow);
    PaintNow();
}

void CGridArea::RepaintRow(int row)
{
    if (m_info)
        m_redrawList.AddRange(0, row, m_info->m_columnCount - 1, row);
    PaintNow();
}

void CGridArea::RepaintBlock(int startColumn, int startRow, int endColumn, int endRow)
{
    m_redrawList.AddRange(startColumn, startRow, endColumn, endRow);
    PaintNow();
}

void CGridArea::PaintNow()
{
    RedrawAfterMove();
}

void CGridArea::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    if (m_doubleBuffer)
        SetDoubleBuffer(1);
}

bool CGridArea::MakeOffscreen()
{
    CRect client;
    GetClientRect(&client);
    CDC screen;
    if (!m_offscreen.CreateCompatibleBitmap(&screen, std::max(1, client.Width()), std::max(1, client.Height())))
        return false;
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    memory.SelectObject(&m_offscreen);
    memory.FillSolidRect(&client, m_grid ? m_grid->OnDefaultBackColor(GRID_SECTION_CELLS) : 0xFFFFFF);
    return true;
}

int CGridArea::SetDoubleBuffer(int mode)
{
    m_offscreen.DeleteObject();
    m_doubleBuffer = mode ? 1 : 0;
    if (m_doubleBuffer && !MakeOffscreen()) {
        m_offscreen.DeleteObject();
        m_doubleBuffer = 0;
        return 1;
    }
    return 0;
}

void CGridArea::OnSetFocus(CWnd* losing)
{
    CWnd::OnSetFocus(losing);
    m_keyRepeat = 0;
    m_typeHoldsPress = 0;
    m_hasFocus = true;
    if (!m_grid)
        return;
    m_grid->OnSectionFocus(GRID_SECTION_CELLS);
    RepaintCell(m_grid->GetCurrentColumn(), m_grid->GetCurrentRow());
}

void CGridArea::OnKillFocus(CWnd* gaining)
{
    CWnd::OnKillFocus(gaining);
    m_hasFocus = false;
    if (!m_grid)
        return;
    RepaintCell(m_grid->GetCurrentColumn(), m_grid->GetCurrentRow());
    m_grid->OnSectionFocusLost(GRID_SECTION_CELLS);
}

bool CGridArea::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* info = reinterpret_cast<NMTTDISPINFO*>(lParam);
    if (!m_grid || !info || info->hdr.code != TTN_NEEDTEXT)
        return CWnd::OnNotify(wParam, lParam, result);
    // The tip is the hook's text for the cell the pointer rests on, cut to the tip's buffer.
    std::string text;
    m_grid->OnCellHintText(m_tipColumn, m_tipRow, GRID_SECTION_CELLS, &text);
    const std::size_t length = std::min(text.size(), sizeof info->szText - 1);
    text.copy(info->szText, length);
    info->szText[length] = '\0';
    info->lpszText = info->szText;
    return true;
}

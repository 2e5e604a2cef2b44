// The check-box cell type: a box at the left of the cell, ticked when the cell's number is
// above 0; a click in the box or the space bar switches it, unless the cell is read-only.
#include <algorithm>

#include "controls/grid/GridCellType.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"

namespace {

constexpr int kSunkenBox = 0x100;
constexpr int kFlatBox = 0x200;
constexpr int kCross = 0x1000;
constexpr int kLargestBox = 12;
constexpr int kSmallestDrawnBox = 6;

}  // namespace

CGridCheckBoxType::CGridCheckBoxType()
    : m_lightPen(PS_SOLID, 1, RGB(0xE1, 0xE1, 0xE1)),
      m_shadowPen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)),
      m_facePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE))
{
    // The box shows the value; the words beside it are the cell's label.
    m_showLabel = 1;
}

CRect CGridCheckBoxType::BoxOf(const RECT& cell)
{
    const CRect r(cell);
    const int size = std::min(r.Height() - 6, kLargestBox);
    const int top = r.top + (r.Height() - size) / 2;
    return CRect(r.left + 3, top, r.left + 3 + std::max(0, size), top + std::max(0, size));
}

int CGridCheckBoxType::Toggle(int column, int row, bool byText)
{
    if (!m_grid)
        return 0;
    m_grid->GetCell(column, row, &m_workCell);
    if (m_workCell.GetReadOnly())
        return 0;
    const bool on = byText ? m_workCell.GetBool() : m_workCell.GetNumber() != 0.0;
    const int value = on ? 0 : 1;
    m_workCell.SetNumber(value);
    m_grid->SetCell(column, row, &m_workCell);
    m_grid->RedrawCell(column, row);
    m_grid->OnCellTypeNotice(m_index, column, row, GRID_NOTICE_CHECK_TOGGLED, value);
    return 1;
}

int CGridCheckBoxType::OnLeftButton(int column, int row, int down, RECT* rect, POINT* point)
{
    if (!BoxOf(*rect).PtInRect(*point))
        return 0;
    // The press is held; the release inside the box switches it.
    return down ? 1 : Toggle(column, row, false);
}

int CGridCheckBoxType::OnDoubleClick(int column, int row, RECT* rect, POINT* point)
{
    // The second press of a double click only presses, as the first did.
    return BoxOf(*rect).PtInRect(*point) ? OnLeftButton(column, row, 1, rect, point) : 0;
}

int CGridCheckBoxType::OnCharTyped(int column, int row, UINT* key)
{
    return *key == ' ' ? Toggle(column, row, true) : 0;
}

void CGridCheckBoxType::DrawBox(CDC* dc, const CRect& box, int style)
{
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    if (style & kSunkenBox) {
        // Two rings: shadow over light outside, black over face inside, round a window interior.
        const auto ring = [dc](const CRect& r, CPen* topLeft, CPen* bottomRight) {
            dc->SelectObject(topLeft);
            dc->MoveTo(r.left, r.bottom - 1);
            dc->LineTo(r.left, r.top);
            dc->LineTo(r.right, r.top);
            dc->SelectObject(bottomRight);
            dc->MoveTo(r.right - 1, r.top + 1);
            dc->LineTo(r.right - 1, r.bottom - 1);
            dc->LineTo(r.left - 1, r.bottom - 1);
        };
        ring(box, &m_shadowPen, &m_lightPen);
        const CRect inner(box.left + 1, box.top + 1, box.right - 1, box.bottom - 1);
        ring(inner, platform::StockPen(BLACK_PEN), &m_facePen);
        dc->FillSolidRect(CRect(inner.left + 1, inner.top + 1, inner.right - 1, inner.bottom - 1), window);
        return;
    }
    CBrush fill(window);
    CBrush* oldBrush = dc->SelectObject(&fill);
    dc->SelectObject(style & kFlatBox ? &m_shadowPen : platform::StockPen(BLACK_PEN));
    dc->Rectangle(&box);
    dc->SelectObject(oldBrush);
}

void CGridCheckBoxType::DrawMark(CDC* dc, const CRect& box, int style)
{
    dc->SelectStockObject(BLACK_PEN);
    const int s = box.Width();
    const int strokes = s > 9 ? 2 : 1;
    for (int i = 0; i < strokes; ++i) {
        if (style & kCross) {
            dc->MoveTo(box.left + 3 + i, box.top + 3);
            dc->LineTo(box.right - 3 + i, box.bottom - 3);
            dc->MoveTo(box.right - 4 + i, box.top + 3);
            dc->LineTo(box.left + 2 + i, box.bottom - 3);
        } else {
            // Down from the left to the middle of the bottom, then up to the top right.
            dc->MoveTo(box.left + 2, box.top + s / 2 - 1 + i);
            dc->LineTo(box.left + s / 2 - 1, box.bottom - 4 + i);
            dc->LineTo(box.right - 2, box.top + 1 + i);
        }
    }
}

void CGridCheckBoxType::OnDraw(CDC* dc, RECT* rect, int column, int row, CGridCell* cell, int selected, int current)
{
    CRect inner;
    DrawBorder(dc, rect, cell, &inner);
    const CGridInfo* info = Info();
    const CRect box = BoxOf(*rect);
    const bool highlight = selected || (current && info && (info->m_currentCellMode & 2));
    CRect boxArea(inner.left, inner.top, std::min<int>(inner.right, rect->left + box.Width() + 6), inner.bottom);
    dc->FillSolidRect(&boxArea, highlight ? cell->GetHighlightBackColor() : cell->GetBackColor());
    const int style = cell->GetCellTypeEx();
    if (box.Width() >= kSmallestDrawnBox) {
        DrawBox(dc, box, style);
        if (cell->GetNumber() > 0)
            DrawMark(dc, box, style);
    }
    CRect rest = inner;
    rest.left = boxArea.right;
    if (rest.Width() > 0)
        DrawText(dc, &rest, 0, column, row, cell, selected, current);
}

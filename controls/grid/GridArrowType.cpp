// The arrow cell type: a bar and triangle glyph, or two of them, in the cell's text colour.
#include "controls/grid/GridCellType.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/draw/DC.h"

namespace {

constexpr int kRight = 0x10;
constexpr int kLeft = 0x20;
constexpr int kTwoRight = 0x40;
constexpr int kTwoLeft = 0x80;
constexpr int kSmallestWidth = 4;

// A bar and a triangle pointing right (mirrored to point left) around (cx, cy).
void Glyph(CDC* dc, int cx, int cy, bool left)
{
    const int m = left ? -1 : 1;
    dc->MoveTo(cx - m, cy - 3);
    dc->LineTo(cx - m, cy + 4);
    dc->MoveTo(cx, cy - 2);
    dc->LineTo(cx, cy + 2);
    dc->LineTo(cx + 2 * m, cy);
    dc->LineTo(cx + m, cy - 1);
    dc->LineTo(cx + m, cy + 1);
}

}  // namespace

void CGridArrowType::OnDraw(CDC* dc, RECT* rect, int, int, CGridCell* cell, int selected, int current)
{
    CRect inner;
    DrawBorder(dc, rect, cell, &inner);
    dc->FillSolidRect(&inner, selected || current ? cell->GetHighlightBackColor() : cell->GetBackColor());
    if (inner.Width() < kSmallestWidth)
        return;
    CPen pen(PS_SOLID, 1, cell->GetTextColor());
    CPen* oldPen = dc->SelectObject(&pen);
    const int cx = (inner.left + inner.right) / 2;
    const int cy = (inner.top + inner.bottom) / 2;
    const int style = cell->GetCellTypeEx() ? cell->GetCellTypeEx() : kRight;
    if (style & (kTwoRight | kTwoLeft)) {
        Glyph(dc, cx + 3, cy, style & kTwoLeft);
        Glyph(dc, cx - 3, cy, style & kTwoLeft);
    } else {
        Glyph(dc, cx, cy, style & kLeft);
    }
    dc->SelectObject(oldPen);
}

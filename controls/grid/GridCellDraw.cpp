// The drawing every cell type shares: the border groups, the text with its alignment, colours,
// bitmap, word wrap or ellipsis, and the text of a neighbour that runs on into an empty cell.
#include <algorithm>
#include <string>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridDataSource.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridRedrawList.h"
#include "platform/ui/draw/DC.h"

namespace {

enum Side { kLeft, kTop, kRight, kBottom };

constexpr short kSunken = 0x1000;
constexpr short kRaised = 0x2000;
constexpr int kAlignRight = 2;
constexpr int kAlignCentre = 4;
constexpr int kAlignBottom = 0x10;
constexpr int kAlignMiddle = 0x20;
constexpr int kAlignLeftInset = 1;
constexpr int kWordWrap = 2;
constexpr int kEllipsis = 4;
constexpr int kBitmapMargin = 4;

// One line along a side, `in` pixels in from that edge, from corner to corner.
void SideLine(CDC* dc, const CRect& r, Side side, int in)
{
    switch (side) {
    case kLeft: dc->MoveTo(r.left + in, r.top); dc->LineTo(r.left + in, r.bottom); break;
    case kTop: dc->MoveTo(r.left, r.top + in); dc->LineTo(r.right, r.top + in); break;
    case kRight: dc->MoveTo(r.right - 1 - in, r.top); dc->LineTo(r.right - 1 - in, r.bottom); break;
    case kBottom: dc->MoveTo(r.left, r.bottom - 1 - in); dc->LineTo(r.right, r.bottom - 1 - in); break;
    }
}

// A group of n lines on the sides whose bits (left, top, right, bottom) are set in `bits`.
void LineGroup(CDC* dc, const CRect& r, int bits, int lines, int inset[4])
{
    for (int side = kLeft; side <= kBottom; ++side) {
        if (!(bits & (1 << side)))
            continue;
        for (int in = 0; in < lines; ++in)
            SideLine(dc, r, static_cast<Side>(side), in);
        inset[side] = lines;
    }
}

// A raised or sunken edge: the left and top sides with one pen, the right and bottom with the other.
void EdgeGroup(CDC* dc, const CRect& r, int width, CPen* topLeft, CPen* bottomRight, int inset[4])
{
    for (int i = 0; i < width; ++i) {
        dc->SelectObject(topLeft);
        dc->MoveTo(r.left + i, r.bottom - i - 1);
        dc->LineTo(r.left + i, r.top + i);
        dc->LineTo(r.right - i - 1, r.top + i);
        dc->SelectObject(bottomRight);
        dc->MoveTo(r.right - i - 1, r.top + i);
        dc->LineTo(r.right - i - 1, r.bottom - i - 1);
        dc->LineTo(r.left + i, r.bottom - i - 1);
    }
    std::fill(inset, inset + 4, width);
}

}  // namespace

void CGridCellType::DrawBorder(CDC* dc, const RECT* rect, const CGridCell* cell, RECT* inner)
{
    const CRect r(*rect);
    *inner = r;
    const CGridInfo* info = Info();
    bool gridLines = info && info->m_gridLines;
    if (!cell->IsPropertySet(GridCellBits::BorderStyle) && !gridLines)
        return;
    const int style = static_cast<unsigned short>(cell->GetBorderStyle());
    if (style & (kSunken | kRaised))
        gridLines = false;
    CPen* gridPen = info ? info->m_borderPen.get() : platform::StockPen(BLACK_PEN);
    CPen* pen = cell->GetBorderPen() ? cell->GetBorderPen() : gridPen;
    int inset[4] = {0, 0, 0, 0};
    dc->SelectObject(pen);
    LineGroup(dc, r, style & 0xF, 1, inset);
    if (gridLines) {
        // Grid lines close every cell at its right and bottom.
        dc->SelectObject(gridPen);
        LineGroup(dc, r, ~style & ((1 << kRight) | (1 << kBottom)), 1, inset);
        dc->SelectObject(pen);
    }
    LineGroup(dc, r, (style >> 4) & 0xF, 2, inset);
    LineGroup(dc, r, (style >> 8) & 0xF, 3, inset);
    const int edge = info ? std::max(0, info->m_edgeWidth) : 1;
    CPen* white = m_grid ? m_grid->GetWhitePen() : platform::StockPen(WHITE_PEN);
    CPen* shadow = m_grid ? m_grid->GetShadowPen() : platform::StockPen(BLACK_PEN);
    if (style & kSunken)
        EdgeGroup(dc, r, edge, shadow, white, inset);
    if (style & kRaised)
        EdgeGroup(dc, r, edge, white, shadow, inset);
    *inner = CRect(r.left + inset[kLeft], r.top + inset[kTop], r.right - inset[kRight], r.bottom - inset[kBottom]);
}

int CGridCellType::DrawBitmap(CDC* dc, CBitmap* bitmap, const RECT* rect, COLORREF back)
{
    const CRect r(*rect);
    const CSize size = bitmap->GetSize();
    const int availableHeight = r.Height() - kBitmapMargin;
    const int availableWidth = r.Width() - kBitmapMargin;
    if (size.cx <= 0 || size.cy <= 0 || availableHeight <= 0 || availableWidth <= 0)
        return 0;
    int height = size.cy;
    int width = size.cx;
    if (height > availableHeight) {
        // Scaled in whole percent, as the height shrinks.
        height = availableHeight;
        width = static_cast<int>(static_cast<long long>(availableHeight) * 100 / size.cy * size.cx / 100);
    }
    width = std::min(width, availableWidth);
    dc->FillSolidRect(CRect(r.left, r.top, r.left + width + kBitmapMargin, r.bottom), back);
    CDC memory;
    memory.CreateCompatibleDC(dc);
    memory.SelectObject(bitmap);
    dc->BitBlt(r.left + 2, r.top + (r.Height() - height) / 2, width, height, &memory, 0, 0, SRCCOPY);
    return width + kBitmapMargin;
}

void CGridCellType::DrawText(CDC* dc, const RECT* rect, int xOffset, int, int row, CGridCell* cell, int selected,
                             int current)
{
    const CGridInfo* info = Info();
    CRect r(*rect);
    const std::string_view text = ShownText(*cell);
    const int align = cell->GetAlignment();
    const int style = cell->GetCellTypeEx();
    if (CFont* font = cell->GetFont())
        dc->SelectObject(font);
    const bool highlight = selected || (current && info && (info->m_currentCellMode & 2));
    const COLORREF back = highlight ? cell->GetHighlightBackColor() : cell->GetBackColor();
    dc->SetTextColor(highlight ? cell->GetHighlightTextColor() : cell->GetTextColor());
    dc->SetBkColor(back);
    if (CBitmap* bitmap = cell->GetBitmap())
        r.left += DrawBitmap(dc, bitmap, &r, back);
    const int margin = info ? info->m_textMargin : 4;
    // Only a text cut to its width is measured here; others are placed by the drawing.
    const CSize extent = dc->GetTextExtent((style & kEllipsis) ? text : std::string_view());
    int y = r.top + 1;
    if (align & kAlignMiddle)
        y = r.top + (r.Height() - extent.cy) / 2;
    else if (align & kAlignBottom)
        y = r.bottom - extent.cy - 1;
    const int x = r.left + margin + xOffset;
    if (xOffset < 0)
        r.left -= 1;
    if (style & kWordWrap)
        DrawWrapped(dc, r, text, align, back);
    else if ((style & kEllipsis) && extent.cx + 6 > r.Width())
        DrawCut(dc, r, y, text);
    else if ((align & kAlignRight) && row >= 0 && dc->GetTextExtent(text).cx > r.Width() - margin)
        DrawNoRoom(dc, r, y, margin);
    else if (align & (kAlignCentre | kAlignRight))
        DrawPlaced(dc, r, y, text, align, margin);
    else
        dc->ExtTextOut(x, y, ETO_OPAQUE | ETO_CLIPPED, &r, text);
}

// Centred or set to the right: placed within the cell by the drawing itself, which measures
// the text as it lays it out.
void CGridCellType::DrawPlaced(CDC* dc, const CRect& r, int y, std::string_view text, int align, int margin)
{
    dc->FillSolidRect(&r, dc->GetBkColor());
    CRect box(r.left, y, (align & kAlignCentre) ? r.right : r.right - margin, r.bottom);
    const int previous = dc->SetBkMode(TRANSPARENT);
    dc->DrawText(text, &box, DT_SINGLELINE | DT_NOPREFIX | ((align & kAlignCentre) ? DT_CENTER : DT_RIGHT));
    dc->SetBkMode(previous);
}

void CGridCellType::DrawWrapped(CDC* dc, const CRect& r, std::string_view text, int align, COLORREF back)
{
    dc->FillSolidRect(&r, back);
    CRect wrapped = r;
    UINT format = DT_WORDBREAK | DT_NOPREFIX;
    if (align & kAlignCentre) {
        format |= DT_CENTER;
    } else if (align & kAlignRight) {
        format |= DT_RIGHT;
        wrapped.right -= 2;
    } else if (align & kAlignLeftInset) {
        wrapped.left += 2;
    }
    dc->DrawText(text, &wrapped, format);
}

// A figure set to the right that does not fit: "#" across the cell, as spreadsheets show it, since
// the figure cut at its left would read as another amount.
void CGridCellType::DrawNoRoom(CDC* dc, const CRect& r, int y, int margin)
{
    const int hash = std::max(1, dc->GetTextExtent("#").cx);
    const std::string hashes(std::size_t(std::max(0, (r.Width() - margin) / hash)), '#');
    DrawPlaced(dc, r, y, hashes, kAlignRight, margin);
}

// Cut: as much as fits, then "..." at the end.
void CGridCellType::DrawCut(CDC* dc, CRect r, int y, std::string_view text)
{
    const int dots = dc->GetTextExtent("...").cx;
    const int firstLeft = r.left;
    r.right -= 3 + dots;
    if (r.Width() > 0)
        dc->ExtTextOut(r.left + 3, y, ETO_OPAQUE | ETO_CLIPPED, &r, text);
    const int dotsLeft = std::max<int>(r.right, firstLeft + 1);
    const CRect tail(dotsLeft, r.top, dotsLeft + dots + 3, r.bottom);
    dc->ExtTextOut(tail.left + 1, y, ETO_OPAQUE | ETO_CLIPPED, &tail, "...");
}

bool CGridCellType::MayShowOverrun(const CGridCell& cell) const
{
    const CGridInfo* info = Info();
    return info && info->m_cellOverlap && m_mayBeOverrun && cell.GetCellTypeEx() == 0 &&
           !cell.IsPropertySet(GridCellBits::JoinInfo) && ShownText(cell)[0] == '\0';
}

int CGridCellType::GetOverrunSource(CDC* dc, int column, int row, int* sourceColumn, int* offset)
{
    const CGridInfo* info = Info();
    int source = column;
    if (!info || column <= 0 || row < 0 || info->m_defaultSource->FindPreviousFilledCell(&source, row) != 0 ||
        source < 0 || source >= column)
        return 1;
    m_grid->GetCell(source, row, &m_overrunCell);
    const CGridCellType* type = m_grid->GetCellType(m_overrunCell.GetCellType());
    // Only a plain text set to the left runs on to the right.
    const bool plain = !(m_overrunCell.GetAlignment() & (kAlignCentre | kAlignRight)) &&
                       m_overrunCell.GetCellTypeEx() == 0 && !m_overrunCell.IsPropertySet(GridCellBits::JoinInfo);
    if (!type->m_mayBeOverrun || !plain)
        return 1;
    CFont* font = m_overrunCell.GetFont() ? m_overrunCell.GetFont() : info->m_defaultFont;
    CFont* previous = font ? dc->SelectObject(font) : nullptr;
    const int textWidth = dc->GetTextExtent(type->ShownText(m_overrunCell)).cx;
    if (previous)
        dc->SelectObject(previous);
    if (textWidth + info->m_textMargin <= info->ColumnWidth(source))
        return 1;
    long long covered = 0;
    for (int c = source; c < column; ++c) {
        covered += info->ColumnWidth(c);
        if (covered > textWidth)
            return 1;  // the text ends before this cell
    }
    *sourceColumn = source;
    *offset = static_cast<int>(-covered);
    return 0;
}

void CGridCellType::OnDraw(CDC* dc, RECT* rect, int column, int row, CGridCell* cell, int selected, int current)
{
    CRect inner;
    DrawBorder(dc, rect, cell, &inner);
    int source = column;
    int offset = 0;
    if (MayShowOverrun(*cell) && GetOverrunSource(dc, column, row, &source, &offset) == 0)
        DrawText(dc, &inner, offset, source, row, &m_overrunCell, selected, current);
    else
        DrawText(dc, &inner, 0, column, row, cell, selected, current);
}

void CGridCellType::OnDrawScaled(CDC* dc, RECT* rect, int column, int row, CGridCell* cell)
{
    const CGridInfo* info = Info();
    if (!info)
        return;
    // The scale of the printed row to the row on the screen; a joined block counts its rows.
    const int rowHeight = row < 0 ? info->HeadingRowHeight(row) : (row < info->m_rowCount ? info->RowHeight(row) : 0);
    GridRange block{column, row, column, row};
    m_grid->GetJoinBlock(column, row, *cell, &block);
    const int rows = block.endRow - block.startRow + 1;
    const double scale = rowHeight > 0 ? static_cast<double>(CRect(*rect).Height()) / rows / rowHeight : 1.0;
    CFont* base = cell->GetFont() ? cell->GetFont() : (info->m_defaultFont ? info->m_defaultFont : platform::StockFont());
    LOGFONT log{};
    base->GetLogFont(&log);
    log.lfHeight = static_cast<LONG>(log.lfHeight * scale);
    CFont scaled;
    scaled.CreateFontIndirect(&log);
    const bool hadFont = cell->IsPropertySet(GridCellBits::Font);
    CFont* own = cell->GetFont();
    cell->SetFont(&scaled);
    OnDraw(dc, rect, column, row, cell, 0, 0);
    if (hadFont)
        cell->SetFont(own);
    else
        cell->SetPropertyMask(cell->GetPropertyMask() & ~GridCellBits::Font);
}

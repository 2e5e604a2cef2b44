// The drop-list cell type: a button at the right of the cell opens the list of choices kept in
// the cell's label, one per line; the choice chosen becomes the cell's text.
#include <algorithm>
#include <string>
#include <vector>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCellType.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridLstBox.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "platform/ui/window/VirtualKeys.h"

namespace {

// Extended styles of a drop-list cell.
enum : int { kNoButton = 0x200, kListUnshifted = 0x400 };
// The list: shifted right of its cell, at most this many lines shown, this line height without a font.
enum : int { kListShift = 10, kMostLinesShown = 15, kFallbackFontHeight = 12 };
constexpr UINT kListId = 123;
constexpr int kClosedWithoutChoice = -2;

// Every piece of the label ended by a line feed is a choice; text after the last one is not.
std::vector<std::string> ChoicesOf(const char* label)
{
    std::vector<std::string> choices;
    const std::string text = label ? label : "";
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        choices.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return choices;
}

}  // namespace

CGridDropListType::CGridDropListType()
    : m_buttonWidth(GetSystemMetrics(SM_CXVSCROLL)),
      m_facePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE)),
      m_faceBrush(GetSysColor(COLOR_BTNFACE))
{
    m_mayBeOverrun = 0;
}

CGridDropListType::~CGridDropListType()
{
    if (m_list && m_list->IsWindow())
        m_list->DestroyWindow();
}

int CGridDropListType::AdjustTextRect(RECT* rect)
{
    rect->right -= m_buttonWidth + 1;
    return 1;
}

// The line left of the button only where the cell has room for it, right of `cellLeft`.
void CGridDropListType::DrawButton(CDC* dc, const CRect& button, int cellLeft, bool pressed)
{
    CGridCell edge;
    edge.SetBorderStyle(pressed ? 0x1000 : 0x2000);
    CRect inside;
    DrawBorder(dc, &button, &edge, &inside);
    dc->FillRect(&inside, &m_faceBrush);
    if (button.left - 1 >= cellLeft) {
        dc->SelectObject(&m_facePen);
        dc->MoveTo(button.left - 1, button.top);
        dc->LineTo(button.left - 1, button.bottom);
    }
    // A triangle of three lines, 5, 3 and 1 pixels wide, pointing down.
    dc->SelectStockObject(BLACK_PEN);
    const int x = button.left + (m_buttonWidth - 5) / 2;
    const int y = button.top + (button.Height() - 3) / 2;
    for (int line = 0; line < 3; ++line) {
        dc->MoveTo(x + line, y + line);
        dc->LineTo(x + 5 - line, y + line);
    }
}

void CGridDropListType::OnDraw(CDC* dc, RECT* rect, int column, int row, CGridCell* cell, int selected, int current)
{
    if ((cell->GetCellTypeEx() & kNoButton) && !current) {
        CGridCellType::OnDraw(dc, rect, column, row, cell, selected, current);
        return;
    }
    CRect inner;
    DrawBorder(dc, rect, cell, &inner);
    const CRect button(std::max<int>(inner.left, inner.right - m_buttonWidth), inner.top, inner.right, inner.bottom);
    if (button.Width() > 0)
        DrawButton(dc, button, inner.left, m_pressed && current);
    // A cell narrower than its button has no room for text: nothing may land left of it.
    CRect text = inner;
    text.right = std::max<int>(text.left, text.right - (m_buttonWidth + 1));
    if (text.Width() > 0)
        DrawText(dc, &text, 0, column, row, cell, selected, current);
}

void CGridDropListType::RepaintListCell()
{
    if (m_grid && m_listColumn >= 0 && m_listRow >= 0)
        m_grid->RedrawCell(m_listColumn, m_listRow);
}

bool CGridDropListType::IsListOpen() const
{
    return m_list && m_list->IsWindow() && m_list->IsWindowVisible();
}

void CGridDropListType::CloseList()
{
    if (IsListOpen() && m_grid)
        m_grid->SetFocus();
}

int CGridDropListType::OnLeftButton(int column, int row, int down, RECT* rect, POINT* point)
{
    if (!down) {
        if (!m_pressed)
            return 0;
        m_pressed = 0;
        RepaintListCell();
        return 1;
    }
    if (point->x > rect->right - m_buttonWidth) {
        const bool sameCell = column == m_listColumn && row == m_listRow;
        if (!sameCell && m_listColumn != kClosedWithoutChoice) {
            m_buttonRect = CRect(rect->right - m_buttonWidth, rect->top, rect->right, rect->bottom);
            m_pressed = 1;
            m_listColumn = column;
            m_listRow = row;
            RepaintListCell();
            ShowList();
            return 1;
        }
        m_listColumn = m_listRow = -1;
        CloseList();
        return 0;
    }
    if (m_listColumn == kClosedWithoutChoice)
        m_listColumn = m_listRow = -1;
    return 0;
}

int CGridDropListType::OnDoubleClick(int column, int row, RECT* rect, POINT* point)
{
    if (point->x <= rect->right - m_buttonWidth)
        return 0;
    return OnLeftButton(column, row, 1, rect, point);
}

int CGridDropListType::OnKeyDown(int column, int row, UINT* key)
{
    if (*key != VK_RETURN && !(*key == VK_DOWN && GetKeyState(VK_CONTROL) < 0))
        return 0;
    m_listColumn = column;
    m_listRow = row;
    ShowList();
    *key = 0;
    return 1;
}

int CGridDropListType::OnCharTyped(int, int, UINT* key)
{
    return *key == 13 || *key == 40 ? 1 : 0;
}

int CGridDropListType::OnMouseMove(int, int, POINT* point, UINT keyFlags)
{
    if (!(keyFlags & MK_LBUTTON))
        return 1;
    const bool over = m_buttonRect.PtInRect(*point);
    if (over != (m_pressed != 0)) {
        m_pressed = over ? 1 : 0;
        RepaintListCell();
    }
    return 0;
}

int CGridDropListType::OnCellLeft(int, int, CGridCell*)
{
    m_listColumn = m_listRow = -1;
    return -1;
}

void CGridDropListType::ShowList()
{
    if (IsListOpen() || !m_grid || m_listColumn < 0 || m_listRow < 0)
        return;
    m_grid->GotoCell(m_listColumn, m_listRow);
    CGridCell cell;
    m_grid->GetCell(m_listColumn, m_listRow, &cell);
    std::vector<std::string> choices = ChoicesOf(cell.GetLabelText());
    m_grid->OnCellTypeNotice(m_index, m_listColumn, m_listRow, GRID_NOTICE_LIST_CHOICES,
                             reinterpret_cast<intptr_t>(&choices));
    CFont* font = cell.GetFont() ? cell.GetFont() : m_grid->GetGridInfo()->m_defaultFont;
    LOGFONT log{};
    const int fontHeight = font && font->GetLogFont(&log) && log.lfHeight != 0 ? std::abs(log.lfHeight)
                                                                               : kFallbackFontHeight;
    int column = m_listColumn, row = m_listRow;
    CRect place;
    m_grid->GetCellRect(&column, &row, &place);
    const CGridInfo* info = m_grid->GetGridInfo();
    const int lines = std::min<int>(static_cast<int>(choices.size()), kMostLinesShown) + 1;
    place.top = place.bottom;
    place.bottom = place.top + lines * fontHeight + 2;
    if (!(cell.GetCellTypeEx() & kListUnshifted))
        place.OffsetRect(kListShift, 0);
    if (place.bottom > info->m_gridHeight)
        place.OffsetRect(0, -std::min<int>(place.top, place.bottom - info->m_gridHeight));
    if (place.right > info->m_gridWidth)
        place.OffsetRect(-std::min<int>(place.left, place.right - info->m_gridWidth), 0);
    m_list = std::make_unique<CGridLstBox>(*this);
    if (!m_list->Create(nullptr, nullptr, WS_CHILD | WS_BORDER | WS_VSCROLL, place, m_grid->GetCellArea(), kListId))
        return;
    if (font)
        m_list->SetFont(font, false);
    for (const std::string& choice : choices)
        m_list->AddString(choice);
    // The list opens on the cell's text when it is one of the choices.
    m_list->SetCurSel(m_list->FindStringExact(-1, cell.GetText() ? cell.GetText() : ""));
    m_list->ShowWindow(SW_SHOW);
    m_list->SetFocus();
    m_pressed = 0;
    RepaintListCell();
}

void CGridDropListType::ListClosed(bool chosen)
{
    if (!chosen)
        m_listColumn = m_listRow = kClosedWithoutChoice;
    if (m_grid && m_grid->GetCellArea())
        m_grid->GetCellArea()->Invalidate(false);
}

void CGridDropListType::Choose(const std::string& text)
{
    const int column = m_listColumn, row = m_listRow;
    if (m_grid && column >= 0 && row >= 0 &&
        m_grid->OnCellTypeNotice(m_index, column, row, GRID_NOTICE_LIST_CHOSEN, reinterpret_cast<intptr_t>(&text))) {
        CGridCell cell;
        m_grid->GetCell(column, row, &cell);
        cell.SetText(text);
        m_grid->SetCell(column, row, &cell);
        m_grid->RedrawCell(column, row);
    }
    m_listColumn = m_listRow = -1;
    if (m_grid && m_grid->GetCellArea())
        m_grid->GetCellArea()->SetFocus();
}

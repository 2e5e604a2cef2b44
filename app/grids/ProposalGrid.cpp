#include "app/grids/ProposalGrid.h"

#include "app/grids/GridHost.h"
#include "app/grids/ProposalEditCtl.h"
#include "app/grids/ProposalSource.h"
#include "app/grids/Refusal.h"
#include "controls/grid/GridArea.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/window/VirtualKeys.h"

#include <numeric>

namespace {

constexpr int kFitAboveCharacters = 50;

// MoveCurrentRow actions.
enum : int { kPageUp = 2, kPageDown = 3, kFirstRow = 4, kLastRow = 5 };

} // namespace

CProposalGrid::CProposalGrid(CProposalSource& source, CProposalEditCtl& editor, std::vector<int> weights)
    : m_source(source), m_editor(editor), m_weights(std::move(weights)), m_columnOrder(m_weights.size())
{
    std::iota(m_columnOrder.begin(), m_columnOrder.end(), 0);
}

CProposalGrid::~CProposalGrid() = default;

void CProposalGrid::SetProposal(CProp* prop)
{
    m_pProp = prop;
    m_source.SetProposal(prop);
    if (IsWindow())
        SizeGridToDataSource(GetGridInfo()->m_defaultSourceIndex);
}

int CProposalGrid::GetLogicalColumn(int displayColumn) const
{
    if (displayColumn < 0 || displayColumn >= int(m_columnOrder.size()))
        return 0;
    return m_columnOrder[size_t(displayColumn)];
}

int CProposalGrid::GetDisplayColumn(int logicalColumn) const
{
    for (size_t display = 0; display < m_columnOrder.size(); ++display)
        if (m_columnOrder[display] == logicalColumn)
            return int(display);
    return 0;
}

CGridHost* CProposalGrid::Host() const
{
    return dynamic_cast<CGridHost*>(GetParent());
}

void CProposalGrid::OnGridSetup()
{
    m_editor.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kEditorId);
    EnableGridLines(0);
    SetCurrentCellMode(1);
    GetGridInfo()->m_borderPen = std::make_unique<CPen>(PS_SOLID, 1, RGB(0, 0, 0));
    m_source.SetProposalGrid(this);
    m_source.SetupCells();
    const int index = AddDataSource(&m_source);
    SetDefaultDataSource(index);
    SizeGridToDataSource(index);
    EnableColumnMove(1);
    if (CGridHost* host = Host())
        host->RefreshTotals();
}

int CProposalGrid::AverageCharWidth()
{
    CClientDC dc(this);
    dc.SelectObject(GetGridInfo()->m_defaultFont);
    TEXTMETRIC metrics{};
    dc.GetTextMetrics(&metrics);
    return std::max<int>(1, metrics.tmAveCharWidth);
}

void CProposalGrid::SizeColumns(int width)
{
    if (!IsWindow())
        return;
    const int character = AverageCharWidth();
    const bool fit = width == 0 || width > kFitAboveCharacters * character;
    SetPaintMode(0);
    for (int display = 0; display < int(m_columnOrder.size()); ++display) {
        const int weight = m_weights[size_t(GetLogicalColumn(display))];
        SetColumnWidth(display, fit ? weight : weight * character);
    }
    if (fit)
        FitColumnsToWidth(0, int(m_columnOrder.size()) - 1);
    SetPaintMode(1);
}

int CProposalGrid::MoveColumn(int fromColumn, int toColumn, int before)
{
    const int count = int(m_columnOrder.size());
    const int target = before ? toColumn : toColumn + 1;
    if (fromColumn < 0 || fromColumn >= count || target < 0 || target > count)
        return 1;
    if (target == fromColumn || target == fromColumn + 1)
        return 0;
    const auto from = m_columnOrder.begin() + fromColumn;
    // Moving left the entries between shift right; moving right they shift left.
    if (target < fromColumn)
        std::rotate(m_columnOrder.begin() + target, from, from + 1);
    else
        std::rotate(from, from + 1, m_columnOrder.begin() + target);
    SizeColumns(0);
    RedrawAll();
    return 0;
}

void CProposalGrid::OnCurrentRowChanged(int oldRow, int newRow)
{
    m_iCurrent = newRow / 2;
    PostMessage(WM_CURRENT_RECORD, WPARAM(newRow / 2), LPARAM(oldRow / 2));
}

LRESULT CProposalGrid::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_CURRENT_RECORD)
        return CGridCtrl::OnMessage(message, wParam, lParam);
    // The highlight leaves the old record's two rows and comes to the new one's, painted with
    // whatever else is waiting rather than one row at a time.
    for (const int record : {int(lParam), int(wParam)}) {
        InvalidateRow(2 * record);
        InvalidateRow(2 * record + 1);
    }
    return 0;
}

void CProposalGrid::InvalidateRow(int row)
{
    CGridArea* cells = GetCellArea();
    int column = 0;
    RECT rect{};
    if (!cells || !cells->IsWindow() || row < 0 || GetCellRect(&column, &row, &rect) != 0)
        return;
    CRect client;
    cells->GetClientRect(&client);
    rect.left = client.left;
    rect.right = client.right;
    cells->InvalidateRect(&rect, false);
}

void CProposalGrid::RedrawCells()
{
    if (CGridArea* cells = GetCellArea(); cells && cells->IsWindow())
        cells->Invalidate(false);
}

void CProposalGrid::OnCellLeftClick(int, int, int down, RECT*, POINT*, int)
{
    if (!down)
        StartEditCurrent();
}

void CProposalGrid::OnGridChar(UINT* key, int processed)
{
    // Typing starts an entry; control characters (Enter, Tab, Escape, Backspace) do not.
    if (!processed && *key >= ' ')
        StartEditCurrentWithKey(int(*key));
}

void CProposalGrid::GoToNextEntry(bool backwards)
{
    int column = GetCurrentColumn();
    int row = GetCurrentRow();
    if (FindNextEntryCell(&column, &row, backwards))
        GotoCell(column, row);
}

void CProposalGrid::OnGridKeyDown(UINT* key, int)
{
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (*key) {
    case VK_HOME: MoveCurrentRow(kFirstRow); break;
    case VK_END: MoveCurrentRow(kLastRow); break;
    case VK_PRIOR: MoveCurrentRow(kPageUp); break;
    case VK_NEXT: MoveCurrentRow(kPageDown); break;
    case VK_UP: GoToNextEntry(true); break;
    case VK_DOWN: GoToNextEntry(false); break;
    case VK_TAB:
    case VK_RETURN: GoToNextEntry(shift); break;
    default: return;
    }
    *key = 0;
}

void CProposalGrid::OnDataSourceNotice(CGridDataSource*, int, intptr_t)
{
    if (CGridHost* host = Host())
        host->OnGridChange();
}

int CProposalGrid::OnEditBegin(int column, int row, CWnd** editor)
{
    // Headings take no entry; a check box is ticked, never typed into.
    if (row < 0 || GetEditCell()->GetCellType() == GRID_CELLTYPE_CHECKBOX)
        return 0;
    m_editor.SetLogicalColumn(GetLogicalColumn(column));
    *editor = &m_editor;
    return 1;
}

int CProposalGrid::OnEditEnd(int, int, CWnd*, const std::string&, int)
{
    return 1;
}

void CProposalGrid::EndEditing()
{
    if (IsEditing())
        m_editor.FinishEntry();
}

void CProposalGrid::TellRefusal(const TypedEntry& entry, int column, int row)
{
    ShowRefusal(entry);
    if (!IsWindow())
        return;
    SetActiveWindow();
    // A bidder who went on into another cell meanwhile keeps that edit.
    if (IsEditing())
        return;
    GotoCell(column, row);
    if (CGridArea* cells = GetCellArea())
        cells->SetFocus();
}

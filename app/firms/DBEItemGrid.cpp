#include "app/firms/DBEItemGrid.h"

#include "app/firms/DBEItemSplitter.h"
#include "app/firms/FirmItemPane.h"
#include "app/tree/BidTreeView.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/docview/Document.h"
#include "platform/ui/docview/View.h"
#include "platform/ui/draw/DC.h"

#include <array>
#include <numeric>

namespace {

constexpr int kDefaultRowHeight = 22;
constexpr int kHeadingHeight = 20;
// Whole rows highlighted, the current cell framed.
constexpr int kCurrentCellMode = 3;
// Column widths in average characters.
constexpr std::array<int, CDBEItemDataSource::kColumnCount> kColumnWeights{6, 6, 12, 13, 5, 17, 17, 40};

} // namespace

void CDBEItemGrid::Setup(CProp* prop, int firmIndex)
{
    EnableGridLines(1);
    SetTopHeadingRowCount(1);
    SetRowCount(0);
    SetVScrollMode(1);
    SetHScrollMode(1);
    SetDefaultRowHeight(kDefaultRowHeight);
    SetSideHeadingWidth(0);
    SetTopHeadingHeight(kHeadingHeight);
    SetHighlightRow(1);
    SetMultiSelectMode(0);
    SetCurrentCellMode(kCurrentCellMode);
    SetUniformRowHeight(1);
    m_dataSource.SetupCells(this, prop, firmIndex);
    SetDefaultDataSource(AddDataSource(&m_dataSource));
    SizeGridToDataSource(GetGridInfo()->m_defaultSourceIndex);
}

int CDBEItemGrid::AverageCharWidth()
{
    CClientDC dc(this);
    if (CFont* font = GetFont(m_dataSource.GetDataFont()))
        dc.SelectObject(font);
    TEXTMETRIC metrics{};
    dc.GetTextMetrics(&metrics);
    return metrics.tmAveCharWidth;
}

void CDBEItemGrid::SizeColumns(int width)
{
    if (!IsWindow())
        return;
    const int charWidth = AverageCharWidth();
    const int needed = std::accumulate(kColumnWeights.begin(), kColumnWeights.end(), 0) * charWidth;
    SetPaintMode(0);
    for (int column = 0; column < CDBEItemDataSource::kColumnCount; ++column)
        SetColumnWidth(column, kColumnWeights[size_t(column)] * charWidth);
    if (width == 0 || width >= needed)
        FitColumnsToWidth(0, CDBEItemDataSource::kColumnCount - 1);
    SetPaintMode(1);
}

CFirmItemPane* CDBEItemGrid::GetFirmItemView() const
{
    const CWnd* view = GetParent();
    const auto* splitter = view ? dynamic_cast<const CDBEItemSplitter*>(view->GetParent()) : nullptr;
    return splitter ? dynamic_cast<CFirmItemPane*>(splitter->GetPane(1, 0)) : nullptr;
}

CBidTreeView* CDBEItemGrid::GetTreeView() const
{
    const CWnd* view = GetParent();
    const auto* splitter = view ? dynamic_cast<const CDBEItemSplitter*>(view->GetParent()) : nullptr;
    return splitter ? splitter->GetTreeView() : nullptr;
}

void CDBEItemGrid::OnCommitmentStored(int row)
{
    RedrawRow(row);
    auto* view = dynamic_cast<CView*>(GetParent());
    if (CDocument* document = view ? view->GetDocument() : nullptr)
        document->SetModifiedFlag();
    if (CBidTreeView* tree = GetTreeView()) {
        tree->Invalidate();
        tree->UpdateWindow();
    }
}

void CDBEItemGrid::OnFirmItemsChanged()
{
    if (CBidTreeView* tree = GetTreeView())
        tree->RelistFirmItems(m_dataSource.GetFirmType(), m_dataSource.GetFirmIndex());
}

void CDBEItemGrid::OnCurrentRowChanged(int, int newRow)
{
    if (CFirmItemPane* pane = GetFirmItemView())
        pane->ShowFirmItem(m_dataSource.ItemOfRow(newRow));
}

int CDBEItemGrid::OnCanMoveCell(int, int oldRow, int, int newRow)
{
    CFirmItemPane* pane = oldRow != newRow ? GetFirmItemView() : nullptr;
    return !pane || pane->StoreTypedValues() ? 1 : 0;
}
